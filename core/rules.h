// The free rule and the game operations that change the board: deal, picks, undo and redo.
#pragma once

#include <string_view>

#include "core/game_state.h"
#include "core/tile_kinds.h"

namespace kestalon {

// Sound file names, appended to the program directory.
inline constexpr std::string_view kAlertSound = "/alert.wav";
inline constexpr std::string_view kWellDoneSound = "/welldone.wav";
inline constexpr std::string_view kGameOverSound = "/gameover.wav";

// Free: nothing on it and at least one side neighbour gone. Looks only at the neighbours'
// presence, never at the position's own entry; callers that need a tile test Board too.
bool IsFree(Position pos);

// Plays ProgramDir + fileName in the background while the Sound option is checked; with it
// unchecked no sound call is made at all.
void PlayGameSound(std::string_view fileName);

// Deals the 144 tiles at random, resets the move record, then runs CheckAvailableMoves.
// Does not draw: callers draw the new board themselves.
void DealNewGame();

// Records the pair at MoveIndex, advances MoveIndex, cuts RedoLimit to it and empties both
// positions. Neither draws nor checks.
void RemovePair(Position first, Position second);

// Counts the pairs of free matching tiles now on the board, i ascending then j ascending.
std::int16_t CountAvailableMoves();

// Finds available move number n (1-based) in the counting order; false when there is none.
bool FindAvailableMove(int n, Position& first, Position& second);

// Recounts AvailableMoves and announces a won or lost game (sound, then modal dialog).
void CheckAvailableMoves();

// Takes back the latest move in force / makes the next undone move again, without any
// check or drawing. Each is guarded: false (and nothing changed) at its end of the record.
bool TakeBackMove();
bool MakeMoveAgain();

// The Game menu's Undo and Redo commands: change the board, check, then draw.
void Undo();
void Redo();

// Which of the Game menu's history items the current state allows.
struct GameMenuState {
  bool redo = false;
  bool undo = false;
  bool replay = false;
};
GameMenuState CurrentGameMenuState();

// A mouse-button press on the board at client pixel (X, Y).
enum class MouseButton { Left, Middle, Right };
// The highest-numbered present tile whose face strictly contains (X, Y), or 0.
Position HitTest(int X, int Y);
void BoardMousePress(MouseButton button, int X, int Y);
// What a left-button press on position p does (p = 0: a press on empty board space): pick,
// drop the pick, remove a matching pair, or refuse with the alert sound.
void PressTile(Position p);

}  // namespace kestalon
