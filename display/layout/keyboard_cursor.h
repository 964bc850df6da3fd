// The keyboard cursor: the present tile that the board keys act on. It is view state, not
// part of the game: never saved, never undone, and not drawn into the board.
#pragma once

#include <optional>
#include <string>

#include "core/game.h"
#include "display/layout/board_layout.h"

namespace kestalon {

enum class BoardKey {
  NextTile,
  PreviousTile,
  FirstTile,
  LastTile,
  Left,
  Right,
  Up,
  Down,
  Press,
  DropPick
};

// The free tiles in position order, wrapping round: the next after pos and the previous
// before it (pos 0 gives the lowest and the highest); 0 when no tile is free.
Position NextFreeTile(const Game& game, Position pos);
Position PreviousFreeTile(const Game& game, Position pos);

// The nearest present, uncovered tile from pos in an arrow's direction on screen, judged by
// the centres of the faces; 0 when there is none.
Position TileInDirection(const Game& game, const TileGeometry& geometry, Position pos,
                         BoardKey arrow);

class KeyboardCursor {
 public:
  explicit KeyboardCursor(Position pos = 0) : pos_(pos) {}

  // The position the cursor marks; 0 while it is not shown.
  Position pos() const { return pos_; }
  void Hide() { pos_ = 0; }

  // One board key. With no cursor shown, a movement key other than Home and End, or Press,
  // only shows the cursor, on the free tile with the lowest position number. Returns the position
  // to press, as a left click there would: the cursor's tile for Press, empty space (0) for
  // DropPick while a tile is picked; nothing for any other key.
  std::optional<Position> KeyPress(BoardKey key, const Game& game, const TileGeometry& geometry);

  // Type-ahead, as in a list: moves to the next free tile, in Tab order and wrapping round,
  // whose name starts with the letters typed so far, in any case; digits typed after them
  // give the tile's value ("cr" reaches a Craks tile, "cr5" or "c5" a Craks 5). A letter that
  // follows the last one closely (follows) extends them, and may stay on the tile they
  // reached; otherwise, or when nothing answers the longer text, the letter alone starts anew.
  // Returns whether a free tile answered; the cursor stays where it was when none does.
  bool TypeAhead(char letter, bool follows, const Game& game);
  // The text the last TypeAhead searched for.
  const std::string& typed() const { return typed_; }

  // Page Up and Page Down: onto the tile lying on the cursor's, or the tile it lies on. False,
  // the cursor staying, when there is none. With no cursor shown, shows it as the arrows do.
  bool MoveInPile(bool up, const Game& game);

  // The next free tile, in Tab order from the cursor and wrapping round, that matches the pick
  // or, with nothing picked, the cursor's tile. False, the cursor staying, when there is none.
  // With neither a pick nor a cursor, shows the cursor as the arrows do.
  bool MoveToMatch(const Game& game);

  // Puts the cursor on a present tile.
  void MoveTo(Position pos) { pos_ = pos; }

  // After a change of the board: a cursor whose tile has gone moves on to the next free tile
  // after it (and disappears with the last tile); one whose tile is now covered moves up onto
  // the tile lying on it.
  void Settle(const Game& game);

 private:
  Position pos_ = 0;
  std::string typed_;
};

}  // namespace kestalon
