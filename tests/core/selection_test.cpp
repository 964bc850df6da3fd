// The press handler: hit test edges, the five-way decision, and removing a pair.
#include <gtest/gtest.h>

#include "core/rules.h"
#include "display/layout/board_layout.h"
#include "tests/support/board_setup.h"
#include "tests/support/fake_runtime.h"

namespace kestalon {
namespace {

using testing::CentreX;
using testing::CentreY;
using testing::FakeGame;
using testing::SetUpBoard;

class HitTestEdges : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override { BuildLayout(GetParam()); }
  FakeGame game;
};

TEST_P(HitTestEdges, FaceEdgesAreStrict) {
  SetUpBoard({{1, 20}});
  const int x = TilePosXY[1].x, y = TilePosXY[1].y;
  const int midY = y + TileHeight / 2, midX = x + TileWidth / 2;
  EXPECT_EQ(HitTest(x, midY), 0);
  EXPECT_EQ(HitTest(x + 1, midY), 1);
  EXPECT_EQ(HitTest(x + TileWidth - 1, midY), 1);
  EXPECT_EQ(HitTest(x + TileWidth, midY), 0);
  EXPECT_EQ(HitTest(midX, y), 0);
  EXPECT_EQ(HitTest(midX, y + 1), 1);
  EXPECT_EQ(HitTest(midX, y + TileHeight - 1), 1);
  EXPECT_EQ(HitTest(midX, y + TileHeight), 0);
  // The depth band left of the face belongs to no tile.
  EXPECT_EQ(HitTest(x - 2, midY), 0);
}

TEST_P(HitTestEdges, BoundaryBetweenRowNeighboursHitsNeither) {
  SetUpBoard({{1, 20}, {2, 21}});
  // 2 stands left of 1; 2's face ends where 1's begins.
  const int boundary = TilePosXY[1].x;
  ASSERT_EQ(TilePosXY[2].x + TileWidth, boundary);
  EXPECT_EQ(HitTest(boundary, CentreY(1)), 0);
  EXPECT_EQ(HitTest(boundary - 1, CentreY(1)), 2);
  EXPECT_EQ(HitTest(boundary + 1, CentreY(1)), 1);
}

TEST_P(HitTestEdges, UpperTileWinsTheOverlap) {
  // 94 (layer 2, row 2, column 9) lies on 23 (layer 1, same row and column), shifted 4 px
  // up and right: a point inside both faces takes the upper one.
  SetUpBoard({{23, 20}, {94, 21}});
  const int x = TilePosXY[94].x + 2, y = TilePosXY[94].y + TileHeight - 2;
  ASSERT_NE(HitTest(x, y), 0);
  EXPECT_EQ(HitTest(x, y), 94);
  Board[94] = 0;
  EXPECT_EQ(HitTest(x, y), 23);
}

INSTANTIATE_TEST_SUITE_P(BothSizes, HitTestEdges, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Large" : "Regular"; });

class Selection : public ::testing::Test {
 protected:
  FakeGame game;
  // Free: 1 (row end) and 12; 2 is blocked by 1 and 3. Kinds: 1 and 12 are Red dragons.
  void SetUp() override { SetUpBoard({{1, 9}, {2, 9}, {3, 10}, {12, 9}, {13, 11}, {20, 12}}); }
  void Press(Position p, MouseButton button = MouseButton::Left) {
    BoardMousePress(button, CentreX(p), CentreY(p));
  }
  void PressEmpty() { BoardMousePress(MouseButton::Left, 2, 2); }
  std::size_t alerts() const { return game.runtime.sounds.size(); }
};

TEST_F(Selection, FirstPickSelectsAndHighlightsSilently) {
  Press(1);
  EXPECT_EQ(SelectedPos, 1);
  EXPECT_EQ(game.view.draws, std::vector<Position>{1});
  EXPECT_EQ(alerts(), 0u);
}

TEST_F(Selection, BlockedTileIsRefusedAndSelectionKept) {
  Press(2);
  EXPECT_EQ(SelectedPos, 0);
  EXPECT_EQ(game.runtime.sounds, std::vector<std::string>{"/game/alert.wav"});
  Press(1);
  Press(2);
  EXPECT_EQ(SelectedPos, 1);
  EXPECT_EQ(alerts(), 2u);
}

TEST_F(Selection, NonMatchingSecondPickIsRefused) {
  Press(1);
  Press(13);  // Green dragon
  EXPECT_EQ(SelectedPos, 1);
  EXPECT_EQ(Board[13], 11);
  EXPECT_EQ(alerts(), 1u);
}

TEST_F(Selection, EmptySpaceClearsSilentlyOrAlertsWhenNothingSelected) {
  PressEmpty();
  EXPECT_EQ(alerts(), 1u);
  EXPECT_TRUE(game.view.draws.empty());
  Press(1);
  PressEmpty();
  EXPECT_EQ(SelectedPos, 0);
  EXPECT_EQ(alerts(), 1u);
  EXPECT_EQ(game.view.draws, (std::vector<Position>{1, 0}));
}

TEST_F(Selection, SameTileTwiceClearsAndChecksAgain) {
  Press(1);
  Press(1);
  EXPECT_EQ(SelectedPos, 0);
  EXPECT_EQ(Board[1], 9);
  EXPECT_EQ(MoveIndex, 1);
  EXPECT_EQ(game.view.journal, (std::vector<std::string>{"draw:1", "draw:0"}));
  EXPECT_EQ(AvailableMoves, 1);  // 1 and 12 are a free pair
}

TEST_F(Selection, MatchingPairIsRemovedAndRecorded) {
  RedoLimit = 1;
  MoveHistory[2] = {7, 7, 7, 7};  // a stale record beyond the new move stays
  Press(12);
  Press(1, MouseButton::Middle);
  EXPECT_EQ(Board[1], 0);
  EXPECT_EQ(Board[12], 0);
  EXPECT_EQ((MoveHistory[1]), (MoveRecord{12, 9, 1, 9}));
  EXPECT_EQ(MoveIndex, 2);
  EXPECT_EQ(RedoLimit, 2);
  EXPECT_EQ(SelectedPos, 0);
  EXPECT_EQ(game.view.draws.back(), 0);
  EXPECT_EQ((MoveHistory[2]), (MoveRecord{7, 7, 7, 7}));
}

TEST_F(Selection, RemovalCutsOffWhatCouldHaveBeenRedone) {
  MoveIndex = 1;
  RedoLimit = 5;
  Press(1);
  Press(12);
  EXPECT_EQ(MoveIndex, 2);
  EXPECT_EQ(RedoLimit, 2);
}

TEST_F(Selection, RightButtonOnlyPopsUpTheMenu) {
  Press(1);
  Press(12, MouseButton::Right);
  EXPECT_EQ(SelectedPos, 1);
  EXPECT_EQ(Board[12], 9);
  EXPECT_EQ(game.view.popups, 1);
}

TEST_F(Selection, FlowersOfDifferentFacesAreRemovedTogetherButNotWithASeason) {
  SetUpBoard({{1, 1}, {12, 4}, {13, 5}});
  Press(1);
  Press(13);
  EXPECT_EQ(Board[13], 5);
  Press(12);
  EXPECT_EQ(Board[1], 0);
  EXPECT_EQ(Board[12], 0);
}

TEST_F(Selection, WithSoundOffRefusalsMakeNoSoundCall) {
  game.runtime.soundChecked = false;
  PressEmpty();
  Press(2);
  EXPECT_TRUE(game.runtime.sounds.empty());
  EXPECT_EQ(SelectedPos, 0);
}

}  // namespace
}  // namespace kestalon
