// The layout at both tile sizes (reference positions on every layer and at the board's edges,
// the hit test on the faces), and the keyboard cursor on hand-built boards: Tab order, Home and
// End, arrows, the presses it asks for, where it goes when its tile goes or is covered, and
// which free tile a typed name reaches.
#include <gtest/gtest.h>

#include <tuple>

#include "core/rules.h"
#include "core/tile_kinds.h"
#include "display/layout/board_layout.h"
#include "display/layout/keyboard_cursor.h"
#include "tests/support/board_setup.h"

namespace kestalon {
namespace {

// Position, then its face's top-left corner with large and with regular tiles: the row ends
// at the board's four edges, and every layer, each sitting up and to the right of the one below.
const std::tuple<Position, TilePoint, TilePoint> kReferences[] = {
    {1, {767, 20}, {512, 20}},     {12, {74, 20}, {50, 20}},      {13, {641, 75}, {428, 57}},
    {31, {893, 212}, {596, 150}},  {32, {830, 212}, {554, 150}},  {33, {767, 185}, {512, 131}},
    {57, {11, 212}, {8, 150}},     {87, {74, 405}, {50, 279}},    {88, {582, 71}, {390, 53}},
    {124, {523, 122}, {352, 86}},  {140, {464, 173}, {314, 119}}, {143, {401, 228}, {272, 156}},
    {144, {434, 198}, {295, 136}},  // 434.5 and 198.5 large: halves round to even
};

TEST(BuildLayout, ReferencePositions) {
  for (bool large : {true, false})
    for (const auto& [pos, lg, rg] : kReferences)
      EXPECT_EQ(BuildLayout(large).TilePosXY[pos], large ? lg : rg) << pos;
}

// Faces: regular 1 at (512, 20) 42 x 37, 12 at (50, 20), 23 at (386, 94) under 94 at (390, 90);
// large 1 at (767, 20) 63 x 55, 12 at (74, 20), 23 at (578, 130) under 94 at (582, 126).
// Each size: the four edges of 1 strictly, 12's depth band, the overlap, 23 alone.
const std::tuple<bool, int, int, Position> kHitCases[] = {
    {false, 512, 38, 0},  {false, 513, 38, 1},   {false, 553, 38, 1},   {false, 554, 38, 0},
    {false, 533, 20, 0},  {false, 533, 21, 1},   {false, 533, 56, 1},   {false, 533, 57, 0},
    {false, 47, 38, 0},   {false, 391, 126, 94}, {false, 388, 129, 23}, {true, 767, 47, 0},
    {true, 768, 47, 1},   {true, 829, 47, 1},    {true, 830, 47, 0},    {true, 798, 20, 0},
    {true, 798, 21, 1},   {true, 798, 74, 1},    {true, 798, 75, 0},    {true, 70, 47, 0},
    {true, 583, 180, 94}, {true, 580, 183, 23},
};

TEST(HitTest, StrictFaceEdgesNoDepthBandUpperTileWins) {
  const Game game = testing::BoardWith({{1, 20}, {12, 21}, {23, 22}, {94, 23}});
  for (const auto& [large, x, y, hit] : kHitCases) {
    EXPECT_EQ(HitTest(BuildLayout(large), game.Board, x, y), hit)
        << (large ? "large " : "regular ") << x << "," << y;
  }
}

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
  // clang-format off
  const KeyCase cases[] = {
      // Not shown yet: any key but DropPick shows it on the lowest free tile, and does no more;
      // but Home and End reach the first and last free tile.
      {0, BoardKey::NextTile, 1, {}}, {0, BoardKey::Up, 1, {}}, {0, BoardKey::Press, 1, {}},
      {0, BoardKey::LastTile, 124, {}}, {12, BoardKey::FirstTile, 1, {}},
      {12, BoardKey::Press, 12, 12},
      {12, BoardKey::DropPick, 12, {}},  // nothing picked: nothing to drop
      {1, BoardKey::NextTile, 3, {}},    // Tab skips the blocked 2
      {12, BoardKey::NextTile, 101, {}},
      {124, BoardKey::NextTile, 1, {}},  // wraps round
      {1, BoardKey::PreviousTile, 124, {}}, {12, BoardKey::PreviousTile, 3, {}},
      {2, BoardKey::Right, 1, {}}, {2, BoardKey::Left, 3, {}},  // arrows reach blocked tiles too
      {1, BoardKey::Right, 1, {}},    // nothing further right: stays
      {101, BoardKey::Up, 124, {}},   // the tile on top, never the one hidden under it
      {124, BoardKey::Left, 12, {}},  // within 45 degrees beats a nearer tile further off the line
      {124, BoardKey::Up, 3, {}},     // nothing within 45 degrees: the nearest on that side
  };
  // clang-format on
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
  // clang-format off
  const TypeCase cases[] = {
      {0, "c", 3},    // from the start: the first free Craks or Circles tile
      {3, "c", 12},   // a new search moves on
      {12, "c", 3},   // wrapping round, past the blocked 2
      {1, "ci", 12},  // a longer name narrows it
      {3, "cr", 3},   // and may stay on the tile it reached
      {0, "c5", 3}, {0, "ci5", 12},  // digits give the value
      {13, "5", 20}, {1, "b5", 20},  // a value alone or after a letter
      {1, "gr", 13},          // letter case and blanks aside
      {1, "grx", 13, false},  // nothing answers "grx", nor "x" alone
      {12, "gc", 3}, {1, "c6", 3, false},  // nothing answers "gc": "c" alone, from the next tile on
  };
  // clang-format on
  for (const TypeCase& c : cases) {
    KeyboardCursor cursor(c.from);
    bool found = false;
    for (const char* letter = c.typed; *letter != 0; ++letter)
      found = cursor.TypeAhead(*letter, letter != c.typed, kBoard);
    EXPECT_EQ(found, c.found) << c.from << " " << c.typed;
    EXPECT_EQ(cursor.pos(), c.to) << c.from << " " << c.typed;
  }
}

// = from the cursor (0: not shown) with a pick (0: none): where the cursor goes, and whether a
// match answered. The Circles 5 at 30 is free too.
struct MatchCase {
  Position from, picked, to;
  bool found = true;
};

TEST(KeyboardCursor, MatchKeyReachesTheNextFreeMatchInTabOrder) {
  Game game = kBoard;
  game.Board[30] = kFirstCircle + 4;
  const MatchCase cases[] = {
      {1, 12, 30},         // the pick's match, past the blocked 2 and the pick itself
      {20, 30, 12},        // wrapping round
      {12, 0, 30},         // nothing picked: the cursor's tile's match
      {30, 0, 12},         // and round again
      {13, 0, 13, false},  // the only Green dragon
      {0, 0, 1},           // no cursor, no pick: the cursor shows on the first free tile
      {0, 30, 12},         // no cursor: from the pick
  };
  for (const MatchCase& c : cases) {
    game.SelectedPos = c.picked;
    KeyboardCursor cursor(c.from);
    EXPECT_EQ(cursor.MoveToMatch(game), c.found) << c.from << " " << c.picked;
    EXPECT_EQ(cursor.pos(), c.to) << c.from << " " << c.picked;
  }
}

TEST(KeyboardCursor, PageKeysClimbAndDescendAPile) {
  // 24 on the ground, 95 on it, 124 on top; and the top tile on the third of the four under it.
  const Game pile = testing::BoardWith({{24, kRedDragon},
                                        {95, kRedDragon},
                                        {124, kGreenDragon},
                                        {142, kRedDragon},
                                        {144, kFirstFlower}});
  const std::tuple<Position, bool, Position, bool> cases[] = {
      {24, true, 95, true},    {95, true, 124, true}, {124, true, 124, false},
      {124, false, 95, true},  {95, false, 24, true}, {24, false, 24, false},
      {144, false, 142, true}, {0, true, 124, true},  // not shown yet: shows on the first free tile
  };
  for (const auto& [from, up, to, moved] : cases) {
    KeyboardCursor cursor(from);
    EXPECT_EQ(cursor.MoveInPile(up, pile), moved) << from << (up ? " up" : " down");
    EXPECT_EQ(cursor.pos(), to) << from << (up ? " up" : " down");
  }
}

}  // namespace
}  // namespace kestalon
