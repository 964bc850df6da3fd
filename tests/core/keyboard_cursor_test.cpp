// The keyboard cursor on a hand-built board: Tab order, arrows, and where it goes when its
// tile goes or is covered.
#include <gtest/gtest.h>

#include "core/keyboard_cursor.h"
#include "core/rules.h"
#include "tests/support/board_setup.h"
#include "tests/support/fake_runtime.h"

namespace kestalon {
namespace {

// Regular tiles. Free: 1, 3, 12, 101, 124. 2 is hemmed in by 1 and 3; 95 lies under 124,
// and 101 stands right below the pair 95 / 124 in the next row of layer 2.
void SetUpCursorBoard() {
  testing::SetUpBoard({{1, 9}, {2, 10}, {3, 11}, {12, 11}, {95, 12}, {101, 14}, {124, 13}});
}

struct KeyCase {
  Position from;
  BoardKey key;
  Position to;
};

TEST(KeyboardCursor, MovesToTheRightTile) {
  const KeyCase cases[] = {
      {0, BoardKey::NextTile,
       1},  // not shown yet: any movement key shows it on the lowest free tile
      {0, BoardKey::Up, 1},
      {0, BoardKey::Press, 1},
      {1, BoardKey::NextTile, 3},  // Tab skips the blocked 2
      {12, BoardKey::NextTile, 101},
      {124, BoardKey::NextTile, 1},  // wraps round
      {1, BoardKey::PreviousTile, 124},
      {12, BoardKey::PreviousTile, 3},
      {2, BoardKey::Right, 1},  // arrows reach blocked tiles too
      {2, BoardKey::Left, 3},
      {1, BoardKey::Right, 1},    // nothing further right: stays
      {101, BoardKey::Up, 124},   // the tile on top, never the one hidden under it
      {124, BoardKey::Left, 12},  // within 45 degrees beats a nearer tile further off the line
      {124, BoardKey::Up, 3},     // nothing within 45 degrees: the nearest on that side
  };
  testing::FakeGame game;
  for (const KeyCase& c : cases) {
    SetUpCursorBoard();
    CursorPos = c.from;
    BoardKeyPress(c.key);
    EXPECT_EQ(CursorPos, c.to) << "from " << c.from << ", key " << static_cast<int>(c.key);
    EXPECT_EQ(SelectedPos, 0);
  }
  CursorPos = 0;
}

TEST(KeyboardCursor, FollowsTheBoardWhenItsTileGoesOrIsCovered) {
  testing::FakeGame game;
  SetUpCursorBoard();
  CursorPos = 3;
  RemovePair(3, 12);
  SettleCursor();
  EXPECT_EQ(CursorPos, 101);  // the next free tile after the one removed

  Board[124] = 0;
  CursorPos = 95;
  Board[124] = 13;  // put back on it, as Undo would
  SettleCursor();
  EXPECT_EQ(CursorPos, 124);

  testing::SetUpBoard({{1, 9}});
  CursorPos = 1;
  Board[1] = 0;
  SettleCursor();
  EXPECT_EQ(CursorPos, 0);  // no tile left: the cursor disappears
}

}  // namespace
}  // namespace kestalon
