// The rules and the operations on a game: deal, picks, the end-of-game check, undo and redo.
// Each takes the game it works on and returns what happened.
#pragma once

#include <optional>
#include <vector>

#include "core/game.h"
#include "core/outcomes.h"
#include "core/random_source.h"
#include "core/tile_kinds.h"

namespace kestalon {

// Free: nothing on it and at least one side neighbour gone. Looks only at the neighbours'
// presence, never at the position's own entry; callers that need a tile test Board too.
bool IsFree(const Game& game, Position pos);
// A tile stands at pos and is free.
bool IsFreeTile(const Game& game, Position pos);

// Deals the 144 tiles from random numbers, drops the pick, resets the move record, then runs
// the end-of-game check.
EndCheck DealNewGame(Game& game, RandomSource& random);

// Records the pair at MoveIndex, advances MoveIndex, cuts RedoLimit to it and empties both
// positions. Does not check.
void RemovePair(Game& game, Position first, Position second);

struct MovePair {
  Position first = 0;
  Position second = 0;
  friend bool operator==(const MovePair&, const MovePair&) = default;
};

// Counts the pairs of free matching tiles now on the board, i ascending then j ascending.
std::int16_t CountAvailableMoves(const Game& game);
// Available move number n (1-based) in the counting order.
std::optional<MovePair> FindAvailableMove(const Game& game, int n);
// Picks the first tile of available move n, so that a press on its second tile completes it;
// without such a move the pick is let go.
std::optional<MovePair> PickAvailableMove(Game& game, int n);

// Recounts AvailableMoves (left at 0 once the game is won) and says how the game stands.
EndCheck CheckAvailableMoves(Game& game);

// What a left-button press on position p does (p = 0, or a place without a tile: a press on
// empty board space): pick, drop the pick, remove a matching pair, or refuse.
PressOutcome PressTile(Game& game, Position p);

// The tiles that removing the move's pair made free: present and free now, not free with the
// pair back in place; in position order.
std::vector<Position> TilesFreedBy(const Game& game, const MoveRecord& move);

// Lets go of the pick.
void DropPick(Game& game);

// Takes back the latest move in force / makes the next undone move again, without any check.
// Each is guarded: false (and nothing changed) at its end of the record.
bool TakeBackMove(Game& game);
bool MakeMoveAgain(Game& game);

// The Game menu's Undo and Redo: drop the pick, change the board and check; nothing (beyond
// the pick) when there is no move to take back or make again.
std::optional<EndCheck> Undo(Game& game);
std::optional<EndCheck> Redo(Game& game);

// Which of the Game menu's history items the game allows.
struct GameMenuState {
  bool redo = false;
  bool undo = false;
  bool replay = false;
};
GameMenuState CurrentGameMenuState(const Game& game);

}  // namespace kestalon
