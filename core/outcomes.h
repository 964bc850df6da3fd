// What an operation on the game did, for the window to show and sound: the core itself
// never draws, plays or opens anything.
#pragma once

#include "core/game.h"

namespace kestalon {

enum class GameSound { None, Alert, WellDone, GameOver };

// How the game stands after the end-of-game check.
enum class GameEnd { Playing, Won, NoMoveLeft };

struct EndCheck {
  GameEnd end = GameEnd::Playing;
  GameSound sound = GameSound::None;  // welldone or gameover with the end, none while playing
  friend bool operator==(const EndCheck&, const EndCheck&) = default;
};

enum class PressResult {
  Refused,  // nothing changed; the alert sounds
  Picked,   // first is now the pick
  Dropped,  // the pick was let go (first); when it was pressed again the moves were counted
  Removed,  // first and second went as a pair and the moves were counted
};

enum class Refusal { None, EmptySpace, Blocked, NoMatch };

struct PressOutcome {
  PressResult result = PressResult::Refused;
  Refusal refusal = Refusal::None;
  // Picked or Dropped: the tile. Removed: the pair, first pick first. NoMatch: the pick.
  Position first = 0;
  // Removed: the second tile. Blocked and NoMatch: the tile pressed.
  Position second = 0;
  // After a removal, or the pick pressed again: the end-of-game check's result.
  EndCheck check;
  // The press's own sound: the alert when refused, else the check's.
  GameSound sound = GameSound::None;
  friend bool operator==(const PressOutcome&, const PressOutcome&) = default;
};

}  // namespace kestalon
