// Type-ahead and Home/End on the keyboard cursor: which free tile a typed name reaches.
#include <gtest/gtest.h>

#include "core/tile_kinds.h"
#include "display/layout/keyboard_cursor.h"
#include "tests/support/board_setup.h"

namespace kestalon {
namespace {

// Free: Red dragon 1, Craks 5 at 3, Circles 5 at 12, Green dragon 13 and Bamboo 5 at 20; the
// Circles 5 at 2 is hemmed in between 1 and 3.
const Game kBoard = testing::BoardWith({{1, kRedDragon},
                                        {2, kFirstCircle + 4},
                                        {3, kFirstCrak + 4},
                                        {12, kFirstCircle + 4},
                                        {13, kGreenDragon},
                                        {20, kFirstBamboo + 4}});

struct TypeCase {
  Position from;
  const char* typed;  // letters in quick succession
  Position to;
  bool found = true;  // false: nothing answers the last letter, and the cursor stays
};

TEST(TypeAhead, ReachesTheNextFreeTileWhoseNameAnswers) {
  const TypeCase cases[] = {
      {0, "c", 3},            // from the start: the first free Craks or Circles tile
      {3, "c", 12},           // a new search moves on
      {12, "c", 3},           // wrapping round, past the blocked 2
      {1, "ci", 12},          // a longer name narrows it
      {3, "cr", 3},           // and may stay on the tile it reached
      {0, "c5", 3},           // digits give the value
      {0, "ci5", 12},         //
      {13, "5", 20},          // a value alone
      {1, "b5", 20},          //
      {1, "gr", 13},          // letter case and blanks aside
      {1, "grx", 13, false},  // nothing answers "grx", nor "x" alone
      {12, "gc", 3},          // nothing answers "gc": "c" alone, from the next tile on
      {1, "c6", 3, false},    //
  };
  for (const TypeCase& c : cases) {
    KeyboardCursor cursor(c.from);
    for (const char* letter = c.typed; *letter != 0; ++letter) {
      cursor.TypeAhead(*letter, letter != c.typed, kBoard);
    }
    EXPECT_EQ(cursor.found(), c.found) << c.from << " " << c.typed;
    EXPECT_EQ(cursor.pos(), c.to) << c.from << " " << c.typed;
  }
}

TEST(TypeAhead, HomeAndEndReachTheFirstAndLastFreeTileEvenWithNoCursorShown) {
  for (Position from : {0, 12}) {
    KeyboardCursor cursor(from);
    cursor.KeyPress(BoardKey::LastTile, kBoard, BuildLayout(false));
    EXPECT_EQ(cursor.pos(), 20);
    cursor.KeyPress(BoardKey::FirstTile, kBoard, BuildLayout(false));
    EXPECT_EQ(cursor.pos(), 1);
  }
}

}  // namespace
}  // namespace kestalon
