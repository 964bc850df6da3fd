// The main window's board area: a drawing surface that keeps what was drawn on it.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace kestalon {

inline const QColor kBoardGreen(0, 128, 0);

class BoardWidget : public QWidget {
  Q_OBJECT

 public:
  explicit BoardWidget(QWidget* parent = nullptr);

  // Gives the board its client size; the next Cls makes a surface of that size.
  void SetBoardSize(QSize size);
  // Clears the surface to the background colour; nothing is shown until Refresh.
  void Cls();
  // The surface that drawing goes into, sized in logical pixels.
  QPixmap& Surface() { return surface_; }
  // Shows what was drawn.
  void Refresh();

 signals:
  // A mouse-button press at client pixel (x, y); releases and moves are not reported.
  void Pressed(Qt::MouseButton button, int x, int y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QPixmap surface_;
};

}  // namespace kestalon
