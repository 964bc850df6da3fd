// The main window's board area: a drawing surface that keeps what was drawn on it, with the
// keyboard cursor shown over it.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

#include "core/game_state.h"

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
  // Shows what was drawn, with the keyboard cursor brought up to date with the board.
  void Refresh();

 signals:
  // A mouse-button press at client pixel (x, y); releases and moves are not reported.
  void Pressed(Qt::MouseButton button, int x, int y);
  // The Menu key or Shift+F10: the Game menu wanted at a global position.
  void MenuRequested(QPoint globalPos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  // Tab and Shift+Tab move the cursor instead of the focus.
  bool focusNextPrevChild(bool next) override;

 private:
  // Repaints and tells assistive technology when the cursor marks another tile.
  void ShowCursorMoves();

  QPixmap surface_;
  Position shownCursor_ = 0;
  TileKind shownCursorKind_ = 0;
};

}  // namespace kestalon
