// The yardstick for the game's real-window figures: a bare Qt window of the game's shape, a
// menu bar of three menus over a fixed 640 x 360 painted area, and nothing else.
#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>

namespace {

class PaintedArea final : public QWidget {
 public:
  PaintedArea() { setFixedSize(640, 360); }

 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(0, 128, 0)); }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Bare window"));
  for (const char* title : {"&Game", "&Options", "&Help"}) {
    window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("&Item"));
  }
  window.setCentralWidget(new PaintedArea);  // owned by the window
  window.layout()->setSizeConstraint(QLayout::SetFixedSize);
  window.show();
  return app.exec();
}
