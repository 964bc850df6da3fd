// The board as assistive technology reads it: a list whose items are the present tiles,
// each named by its kind, described as free or blocked, selected when picked and focused
// under the keyboard cursor. The board's description says how the game stands. A last child,
// a notification, carries what the game says: made to show, a screen reader speaks it.
#include "display/board_accessibility.h"

#include <array>

#include <QAccessibleWidget>
#include <QPointer>

#include "core/rules.h"
#include "display/board_widget.h"
#include "display/spoken_messages.h"

namespace kestalon {
namespace {

QAccessibleInterface* BoardInterfaceOf(BoardWidget* board) {
  return QAccessible::queryAccessibleInterface(board);
}

// A part of the board without an object of its own: no children, text read only.
class BoardPartAccessible : public QAccessibleInterface {
 public:
  explicit BoardPartAccessible(BoardWidget* board) : board_(board) {}

  bool isValid() const override { return board_ != nullptr; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return BoardInterfaceOf(board_); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  void setText(QAccessible::Text, const QString&) override {}

 protected:
  QPointer<BoardWidget> board_;
};

// What the game last said. Its role is what makes a screen reader speak it when it is made
// to show, whatever key came before; its rectangle is the board's.
class AnnouncementAccessible final : public BoardPartAccessible {
 public:
  using BoardPartAccessible::BoardPartAccessible;

  QAccessible::Role role() const override { return QAccessible::Notification; }
  QString text(QAccessible::Text t) const override {
    return board_ && t == QAccessible::Name ? board_->announcement() : QString();
  }
  QRect rect() const override {
    return board_ ? QRect(board_->mapToGlobal(QPoint(0, 0)), board_->size()) : QRect();
  }
  QAccessible::State state() const override { return {}; }
};

// One tile position. It stays registered while the board lives and is a child of the board
// only while a tile stands there.
class TileAccessible final : public BoardPartAccessible {
 public:
  TileAccessible(BoardWidget* board, Position pos) : BoardPartAccessible(board), pos_(pos) {}

  bool isValid() const override { return board_ && board_->game().Board[pos_] > 0; }
  QAccessible::Role role() const override { return QAccessible::ListItem; }

  QString text(QAccessible::Text t) const override {
    if (!board_) return {};
    if (t == QAccessible::Name)
      return QString::fromStdString(TileKindName(board_->game().Board[pos_]));
    if (t == QAccessible::Description) {
      return TileDescription(board_->game(), pos_);
    }
    return {};
  }

  QRect rect() const override {
    if (!board_) return {};
    const TileGeometry& geometry = board_->geometry();
    const TilePoint at = geometry.TilePosXY[pos_];
    return {board_->mapToGlobal(QPoint(at.x, at.y)),
            QSize(geometry.TileWidth, geometry.TileHeight)};
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    state.focusable = true;
    state.selectable = true;
    state.selected = board_ && pos_ == board_->game().SelectedPos;
    state.focused = board_ && pos_ == board_->cursor().pos() && board_->hasFocus();
    return state;
  }

 private:
  Position pos_;
};

class BoardAccessible final : public QAccessibleWidget {
 public:
  explicit BoardAccessible(BoardWidget* board) : QAccessibleWidget(board, QAccessible::List) {}

  const BoardWidget& board() const { return *static_cast<const BoardWidget*>(widget()); }
  const BoardTiles& tiles() const { return board().game().Board; }

  ~BoardAccessible() override {
    for (QAccessible::Id id : tileIds_) {
      if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }
    if (announcementId_ != 0) QAccessible::deleteAccessibleInterface(announcementId_);
  }

  // The announcement's interface, made and registered when first asked for.
  QAccessibleInterface* Announcement() const {
    if (announcementId_ == 0) {
      // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks): owned by Qt's cache
      announcementId_ = QAccessible::registerAccessibleInterface(
          new AnnouncementAccessible(static_cast<BoardWidget*>(widget())));
    }
    return QAccessible::accessibleInterface(announcementId_);
  }

  // The tile interface of a position, made and registered when first asked for.
  QAccessibleInterface* Tile(Position pos) const {
    QAccessible::Id& id = tileIds_[pos];
    if (id == 0) {
      // Qt's accessibility cache owns a registered interface; the destructor deletes it.
      auto* tile = new TileAccessible(static_cast<BoardWidget*>(widget()), pos);
      // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks)
      id = QAccessible::registerAccessibleInterface(tile);
    }
    return QAccessible::accessibleInterface(id);
  }

  int childCount() const override {
    int count = 0;
    for (int p = 1; p <= kPositionCount; ++p) count += tiles()[p] > 0;
    return count + 1;  // and the announcement
  }

  QAccessibleInterface* child(int index) const override {
    if (index < 0) return nullptr;
    for (int p = 1; p <= kPositionCount; ++p) {
      if (tiles()[p] > 0 && index-- == 0) return Tile(static_cast<Position>(p));
    }
    return index == 0 ? Announcement() : nullptr;
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child != nullptr && child == Announcement()) return childCount() - 1;
    for (int p = 1, index = 0; p <= kPositionCount; ++p) {
      if (tiles()[p] <= 0) continue;
      if (tileIds_[p] != 0 && QAccessible::accessibleInterface(tileIds_[p]) == child) {
        return index;
      }
      ++index;
    }
    return -1;
  }

  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint at = widget()->mapFromGlobal(QPoint(x, y));
    const Position p = HitTest(board().geometry(), tiles(), at.x(), at.y());
    return p != 0 ? Tile(p) : nullptr;
  }

  QAccessibleInterface* focusChild() const override {
    const Position cursor = board().cursor().pos();
    if (cursor != 0 && tiles()[cursor] > 0 && widget()->hasFocus()) return Tile(cursor);
    return QAccessibleWidget::focusChild();
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return BoardWidget::tr("Board");
    if (t == QAccessible::Description) {
      return CountsMessage(board().game());
    }
    return QAccessibleWidget::text(t);
  }

 private:
  mutable std::array<QAccessible::Id, kBoardEntries> tileIds_{};
  mutable QAccessible::Id announcementId_ = 0;
};

QAccessibleInterface* BoardFactory(const QString&, QObject* object) {
  if (auto* board = qobject_cast<BoardWidget*>(object)) return new BoardAccessible(board);
  return nullptr;
}

}  // namespace

void InstallBoardAccessibility() {
  QAccessible::installFactory(BoardFactory);  // Qt installs a factory only once
}

void AnnounceBoardChange(BoardWidget* board) {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent reorder(board, QAccessible::ObjectReorder);
  QAccessible::updateAccessibility(&reorder);
  QAccessibleEvent description(board, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&description);
}

void SpeakAnnouncement(BoardWidget* board) {
  if (!QAccessible::isActive()) return;
  auto* boardInterface = dynamic_cast<BoardAccessible*>(BoardInterfaceOf(board));
  if (!boardInterface) return;
  QAccessibleEvent show(boardInterface->Announcement(), QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&show);
}

void AnnounceCursorTile(BoardWidget* board) {
  const Position cursor = board->cursor().pos();
  if (!QAccessible::isActive() || cursor == 0 || board->game().Board[cursor] <= 0) return;
  auto* boardInterface = dynamic_cast<BoardAccessible*>(BoardInterfaceOf(board));
  if (!boardInterface) return;
  QAccessibleEvent focus(boardInterface->Tile(cursor), QAccessible::Focus);
  QAccessible::updateAccessibility(&focus);
}

}  // namespace kestalon
