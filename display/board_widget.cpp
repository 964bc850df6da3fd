// The board's persistent surface: drawing goes to an off-screen picture that the paint event
// only shows. Drawing and painting run on the one event thread, so a paint never meets a
// half-drawn board. The keyboard cursor is painted over the surface, never into it.
#include "display/board_widget.h"

#include <cmath>
#include <optional>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "core/keyboard_cursor.h"
#include "display/board_accessibility.h"
#include "display/layout/board_layout.h"

namespace kestalon {
namespace {

std::optional<BoardKey> BoardKeyFor(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Tab:
      return BoardKey::NextTile;
    case Qt::Key_Backtab:
      return BoardKey::PreviousTile;
    case Qt::Key_Left:
      return BoardKey::Left;
    case Qt::Key_Right:
      return BoardKey::Right;
    case Qt::Key_Up:
      return BoardKey::Up;
    case Qt::Key_Down:
      return BoardKey::Down;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return BoardKey::Press;
    case Qt::Key_Escape:
      return BoardKey::DropPick;
    default:
      return std::nullopt;
  }
}

// A black ring with a yellow core around the face: it stands out on the pale tiles and on
// the green ground alike.
void PaintCursorRing(QPainter& painter, Position pos) {
  const QRectF face(TilePosXY[pos].x, TilePosXY[pos].y, TileWidth, TileHeight);
  const QRectF ring = face.adjusted(-2, -2, 2, 2);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::black, 5));
  painter.drawRect(ring);
  painter.setPen(QPen(QColor(255, 214, 0), 3));
  painter.drawRect(ring);
}

}  // namespace

BoardWidget::BoardWidget(QWidget* parent) : QWidget(parent) {
  InstallBoardAccessibility();
  setObjectName(QStringLiteral("Board"));
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAutoFillBackground(false);
}

void BoardWidget::SetBoardSize(QSize size) {
  setFixedSize(size);
}

void BoardWidget::Cls() {
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = size() * ratio;
  if (surface_.size() != pixels || surface_.devicePixelRatio() != ratio) {
    surface_ = QPixmap(pixels);
    surface_.setDevicePixelRatio(ratio);
  }
  surface_.fill(kBoardGreen);
}

void BoardWidget::Refresh() {
  SettleCursor();
  update();
  AnnounceBoardChange(this);
  ShowCursorMoves();  // after a deal or a load, the same place can hold another tile
}

void BoardWidget::ShowCursorMoves() {
  const TileKind kind = CursorPos != 0 ? Board[CursorPos] : 0;
  if (CursorPos == shownCursor_ && kind == shownCursorKind_) return;
  shownCursor_ = CursorPos;
  shownCursorKind_ = kind;
  update();
  if (hasFocus()) AnnounceCursorTile(this);
}

void BoardWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (surface_.isNull()) {
    painter.fillRect(event->rect(), kBoardGreen);
    return;
  }
  painter.drawPixmap(0, 0, surface_);
  if (CursorPos != 0 && Board[CursorPos] > 0) PaintCursorRing(painter, CursorPos);
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
  // A mouse player's board shows no keyboard cursor.
  CursorPos = 0;
  ShowCursorMoves();
  const QPointF at = event->position();
  emit Pressed(event->button(), static_cast<int>(std::floor(at.x())),
               static_cast<int>(std::floor(at.y())));
}

void BoardWidget::keyPressEvent(QKeyEvent* event) {
  const bool menuKey = event->key() == Qt::Key_Menu ||
                       (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
  if (menuKey) {
    const QPoint beside = CursorPos != 0
                              ? QPoint(TilePosXY[CursorPos].x + TileWidth, TilePosXY[CursorPos].y)
                              : QPoint(0, 0);
    emit MenuRequested(mapToGlobal(beside));
    return;
  }
  const std::optional<BoardKey> key = BoardKeyFor(*event);
  if (!key) {
    QWidget::keyPressEvent(event);
    return;
  }
  BoardKeyPress(*key);
  ShowCursorMoves();
}

void BoardWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  // Back from a dialog or menu: the reader hears the tile under the cursor again.
  AnnounceCursorTile(this);
}

bool BoardWidget::focusNextPrevChild(bool) {
  return false;
}

}  // namespace kestalon
