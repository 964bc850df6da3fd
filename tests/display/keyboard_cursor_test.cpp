// The keyboard cursor on a hand-built board: Tab order, arrows, the presses it asks for, and
// where it goes when its tile goes or is covered.
#include <gtest/gtest.h>

#include "core/rules.h"
#include "display/layout/keyboard_cursor.h"
#include "tests/support/board_setup.h"

namespace kestalon {
namespace {

// Regular tiles. Free: 1, 3, 12, 101, 124. 2 is hemmed in by 1 and 3; 95 lies under 124,
// and 101 stands right below the pair 95 / 124 in the next row of layer 2.
Game CursorBoard() {
  return testing::BoardWith({{1, 9}, {2, 10}, {3, 11}, {12, 11}, {95, 12}, {101, 14}, {124, 13}});
}

struct KeyCase {
  Position from;
  BoardKey key;
  Position to;
  std::optional<Position> press;
};

TEST(KeyboardCursor, MovesToTheRightTileAndAsksForTheRightPress) {
  const KeyCase cases[] = {
      // Not shown yet: any key but DropPick shows it on the lowest free tile, and does no more.
      {0, BoardKey::NextTile, 1, {}},
      {0, BoardKey::Up, 1, {}},
      {0, BoardKey::Press, 1, {}},
      {12, BoardKey::Press, 12, 12},
      {12, BoardKey::DropPick, 12, {}},  // nothing picked: nothing to drop
      {1, BoardKey::NextTile, 3, {}},    // Tab skips the blocked 2
      {12, BoardKey::NextTile, 101, {}},
      {124, BoardKey::NextTile, 1, {}},  // wraps round
      {1, BoardKey::PreviousTile, 124, {}},
      {12, BoardKey::PreviousTile, 3, {}},
      {2, BoardKey::Right, 1, {}},  // arrows reach blocked tiles too
      {2, BoardKey::Left, 3, {}},
      {1, BoardKey::Right, 1, {}},    // nothing further right: stays
      {101, BoardKey::Up, 124, {}},   // the tile on top, never the one hidden under it
      {124, BoardKey::Left, 12, {}},  // within 45 degrees beats a nearer tile further off the line
      {124, BoardKey::Up, 3, {}},     // nothing within 45 degrees: the nearest on that side
  };
  const Game game = CursorBoard();
  const TileGeometry& regular = BuildLayout(false);
  for (const KeyCase& c : cases) {
    KeyboardCursor cursor(c.from);
    EXPECT_EQ(cursor.KeyPress(c.key, game, regular), c.press) << "from " << c.from;
    EXPECT_EQ(cursor.pos(), c.to) << "from " << c.from << ", key " << static_cast<int>(c.key);
  }
  Game picked = CursorBoard();
  picked.SelectedPos = 3;
  KeyboardCursor cursor;
  EXPECT_EQ(cursor.KeyPress(BoardKey::DropPick, picked, regular), Position{0});  // empty space
}

TEST(KeyboardCursor, FollowsTheBoardWhenItsTileGoesOrIsCovered) {
  Game game = CursorBoard();
  KeyboardCursor cursor(3);
  RemovePair(game, 3, 12);
  cursor.Settle(game);
  EXPECT_EQ(cursor.pos(), 101);  // the next free tile after the one removed

  cursor = KeyboardCursor(95);  // under 124, as after an Undo that put 124 back
  cursor.Settle(game);
  EXPECT_EQ(cursor.pos(), 124);

  cursor = KeyboardCursor(1);
  cursor.Settle(testing::BoardWith({}));
  EXPECT_EQ(cursor.pos(), 0);  // no tile left: the cursor disappears
}

}  // namespace
}  // namespace kestalon
