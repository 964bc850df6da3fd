// The main window's board area: shows a game on a drawing surface that keeps what was drawn
// on it, with the keyboard cursor over it, and turns presses and board keys into the
// positions they press.
#pragma once

#include <array>
#include <optional>

#include <QColor>
#include <QElapsedTimer>
#include <QPixmap>
#include <QWidget>

#include "core/game.h"
#include "display/layout/board_layout.h"
#include "display/layout/keyboard_cursor.h"
#include "display/tile_image_list.h"

namespace kestalon {

inline const QColor kBoardGreen(0, 128, 0);

class BoardWidget : public QWidget {
  Q_OBJECT

 public:
  // Shows game, which the caller owns and which outlives the board.
  explicit BoardWidget(const Game& game, QWidget* parent = nullptr);

  // The tile size: its geometry, its pictures and exactly its board size.
  void SetTileSize(bool large);
  const TileGeometry& geometry() const { return *geometry_; }
  const Game& game() const { return game_; }
  const KeyboardCursor& cursor() const { return cursor_; }

  // Clears the surface to green, draws every present tile with first and second (0 = none)
  // highlighted, then shows it in one refresh, the keyboard cursor brought up to date.
  void DrawBoard(Position first, Position second = 0);
  // The surface that drawing goes into, sized in logical pixels.
  const QPixmap& Surface() const { return surface_; }

  // Puts the keyboard cursor on a present tile, as a board key would.
  void PutCursorOn(Position pos);

  // Says message through the player's screen reader, in its own voice and rate. Between a
  // dialog's closing and the board's getting the keyboard back, the message waits for the
  // board: a screen reader would cut it short to say where the keyboard went.
  void Announce(const QString& message);
  // What the board last said.
  const QString& announcement() const { return announcement_; }

 signals:
  // A left or middle click on a tile or on empty space (0), or Space, Return or Escape on the
  // board: what a left click at that position does is wanted.
  void TilePressed(Position pos);
  // The right button (at the pointer), the Menu key or Shift+F10 (beside the cursor): the
  // Game menu wanted at a global position.
  void MenuRequested(QPoint globalPos);
  // ? on the board: a hint wanted.
  void HintRequested();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  // Tab and Shift+Tab move the cursor instead of the focus.
  bool focusNextPrevChild(bool next) override;

 private slots:
  // The cursor's tile said again, then a message that waited for the board (called queued,
  // after Qt has told of the focus).
  void SayCursorTile();

 private:
  // Repaints and tells assistive technology when the cursor marks another tile.
  void ShowCursorMoves();
  // A letter or digit typed on the board; false for any other key.
  bool TypeAhead(const QKeyEvent& event);
  // The keys that say where tiles lie: = (the next free match), Page Up and Page Down (up and
  // down a pile), / (the board in brief) and ? (a hint); false for any other key.
  bool ShapeKey(const QKeyEvent& event);
  TileImageList& Pictures();

  const Game& game_;
  const TileGeometry* geometry_;
  std::array<std::optional<TileImageList>, 2> pictures_;  // regular, large: made on first use
  KeyboardCursor cursor_;
  QPixmap surface_;
  QString announcement_;
  bool announcementWaits_ = false;
  QElapsedTimer lastTyped_;  // type-ahead: letters typed in quick succession extend the search
  Position shownCursor_ = 0;
  TileKind shownCursorKind_ = 0;
};

}  // namespace kestalon
