// The board's persistent surface: drawing goes to an off-screen picture that the paint event
// only shows. Drawing and painting run on the one event thread, so a paint never meets a
// half-drawn board. The keyboard cursor is painted over the surface, never into it.
#include "display/board_widget.h"

#include <cmath>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "display/board_accessibility.h"
#include "display/board_painter.h"
#include "display/spoken_messages.h"

namespace kestalon {
namespace {

std::optional<BoardKey> BoardKeyFor(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Tab:
      return BoardKey::NextTile;
    case Qt::Key_Backtab:
      return BoardKey::PreviousTile;
    case Qt::Key_Home:
      return BoardKey::FirstTile;
    case Qt::Key_End:
      return BoardKey::LastTile;
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
void PaintCursorRing(QPainter& painter, const TileGeometry& geometry, Position pos) {
  const QRectF face(geometry.TilePosXY[pos].x, geometry.TilePosXY[pos].y, geometry.TileWidth,
                    geometry.TileHeight);
  const QRectF ring = face.adjusted(-2, -2, 2, 2);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::black, 5));
  painter.drawRect(ring);
  painter.setPen(QPen(QColor(255, 214, 0), 3));
  painter.drawRect(ring);
}

}  // namespace

BoardWidget::BoardWidget(const Game& game, QWidget* parent)
    : QWidget(parent), game_(game), geometry_(&BuildLayout(false)) {
  InstallBoardAccessibility();
  setObjectName(QStringLiteral("Board"));
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAutoFillBackground(false);
  setFixedSize(geometry_->boardWidth, geometry_->boardHeight);
}

void BoardWidget::SetTileSize(bool large) {
  geometry_ = &BuildLayout(large);
  setFixedSize(geometry_->boardWidth, geometry_->boardHeight);
}

TileImageList& BoardWidget::Pictures() {
  std::optional<TileImageList>& pictures = pictures_[geometry_->large ? 1 : 0];
  if (!pictures) pictures.emplace(geometry_->large);
  return *pictures;
}

void BoardWidget::DrawBoard(Position first, Position second) {
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = size() * ratio;
  if (surface_.size() != pixels || surface_.devicePixelRatio() != ratio) {
    surface_ = QPixmap(pixels);
    surface_.setDevicePixelRatio(ratio);
  }
  surface_.fill(kBoardGreen);
  {
    QPainter painter(&surface_);
    PaintBoard(painter, game_.Board, *geometry_, Pictures(), first, second);
  }
  cursor_.Settle(game_);
  update();
  AnnounceBoardChange(this);
  ShowCursorMoves();  // after a deal or a load, the same place can hold another tile
}

void BoardWidget::Announce(const QString& message) {
  announcement_ = message;
  announcementWaits_ = !window()->isActiveWindow() && !QApplication::activeModalWidget();
  if (!announcementWaits_) SpeakAnnouncement(this);
}

bool BoardWidget::TypeAhead(const QKeyEvent& event) {
  const QString text = event.text();
  const bool plain = (event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0;
  if (!plain || text.size() != 1 || !text[0].isLetterOrNumber() || text[0].unicode() > 127) {
    return false;
  }
  const bool follows =
      lastTyped_.isValid() && lastTyped_.elapsed() < QApplication::keyboardInputInterval();
  lastTyped_.start();
  if (!cursor_.TypeAhead(text[0].toLatin1(), follows, game_)) {
    Announce(NoFreeTileMessage(QString::fromStdString(cursor_.typed())));
  }
  ShowCursorMoves();
  return true;
}

bool BoardWidget::ShapeKey(const QKeyEvent& event) {
  const QString text = event.text();
  const bool pageKey = event.key() == Qt::Key_PageUp || event.key() == Qt::Key_PageDown;
  if (!pageKey && text != QLatin1String("=") && text != QLatin1String("/") &&
      text != QLatin1String("?")) {
    return false;
  }
  lastTyped_.invalidate();
  if (text == QLatin1String("?")) {
    emit HintRequested();
  } else if (text == QLatin1String("/")) {
    Announce(BoardSummaryMessage(game_));
  } else if (pageKey) {
    const bool up = event.key() == Qt::Key_PageUp;
    if (!cursor_.MoveInPile(up, game_)) Announce(PileEndMessage(up, game_.Board[cursor_.pos()]));
  } else {
    const Position before = cursor_.pos();
    const Position wanted = game_.SelectedPos != 0 ? game_.SelectedPos : before;
    if (!cursor_.MoveToMatch(game_)) {
      Announce(NoFreeMatchMessage(game_.Board[wanted]));
    } else if (cursor_.pos() == before) {
      Announce(TileWords(game_, before));  // the cursor stays: nothing else says the tile
    }
  }
  ShowCursorMoves();
  return true;
}

void BoardWidget::PutCursorOn(Position pos) {
  cursor_.MoveTo(pos);
  ShowCursorMoves();
}

void BoardWidget::ShowCursorMoves() {
  const Position pos = cursor_.pos();
  const TileKind kind = pos != 0 ? game_.Board[pos] : TileKind{0};
  if (pos == shownCursor_ && kind == shownCursorKind_) return;
  shownCursor_ = pos;
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
  const Position pos = cursor_.pos();
  if (pos != 0 && game_.Board[pos] > 0) PaintCursorRing(painter, *geometry_, pos);
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
  // A mouse player's board shows no keyboard cursor.
  cursor_.Hide();
  ShowCursorMoves();
  if (event->button() == Qt::RightButton) {
    emit MenuRequested(event->globalPosition().toPoint());
    return;
  }
  if (event->button() != Qt::LeftButton && event->button() != Qt::MiddleButton) return;
  const QPointF at = event->position();
  emit TilePressed(HitTest(*geometry_, game_.Board, static_cast<int>(std::floor(at.x())),
                           static_cast<int>(std::floor(at.y()))));
}

void BoardWidget::keyPressEvent(QKeyEvent* event) {
  const bool menuKey = event->key() == Qt::Key_Menu ||
                       (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
  if (menuKey) {
    const Position pos = cursor_.pos();
    const QPoint beside = pos != 0 ? QPoint(geometry_->TilePosXY[pos].x + geometry_->TileWidth,
                                            geometry_->TilePosXY[pos].y)
                                   : QPoint(0, 0);
    emit MenuRequested(mapToGlobal(beside));
    return;
  }
  const std::optional<BoardKey> key = BoardKeyFor(*event);
  if (!key) {
    if (!ShapeKey(*event) && !TypeAhead(*event)) QWidget::keyPressEvent(event);
    return;
  }
  lastTyped_.invalidate();  // any other board key ends a type-ahead search
  const std::optional<Position> press = cursor_.KeyPress(*key, game_, *geometry_);
  ShowCursorMoves();
  if (press) emit TilePressed(*press);
}

void BoardWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  // Back from a dialog or menu: the reader hears the tile under the cursor again, once it
  // has heard of the window and the board, which Qt tells it after this event.
  QMetaObject::invokeMethod(this, "SayCursorTile", Qt::QueuedConnection);
}

void BoardWidget::SayCursorTile() {
  AnnounceCursorTile(this);
  if (announcementWaits_) SpeakAnnouncement(this);
  announcementWaits_ = false;
}

bool BoardWidget::focusNextPrevChild(bool) {
  return false;
}

}  // namespace kestalon
