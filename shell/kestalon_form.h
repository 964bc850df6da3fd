// The main window: it owns the one game in progress, turns menu commands, presses and board
// keys into operations on it, and shows and sounds what each operation reports.
#pragma once

#include <memory>

#include <QMainWindow>
#include <QStringList>

#include "core/game.h"
#include "core/outcomes.h"
#include "core/random_source.h"
#include "core/solver.h"
#include "dialogs/dialogs.h"
#include "display/spoken_messages.h"
#include "shell/settings_location.h"
#include "shell/sound_player.h"

class QAction;
class QMenu;

namespace kestalon {

class BoardWidget;

class KestalonForm final : public QMainWindow {
  Q_OBJECT

 public:
  // Deals from random, the clock-seeded generator unless a test scripts the deals.
  // The sounds and a settings file are looked for in programDir, the program's own folder
  // by default.
  explicit KestalonForm(
      std::unique_ptr<RandomSource> random = std::make_unique<ClockSeededRandom>(),
      const QString& programDir = ProgramDirPath());

  // The start-up sequence; arguments are the program's arguments after its name.
  void FormLoad(const QStringList& arguments);

  // Enables Undo, Redo Move and Replay Moves as the move record allows.
  void UpdateGameMenu();
  // Redraws the whole board with up to two positions highlighted (0 = none).
  void DrawBoard(Position first = 0, Position second = 0);
  // Brings the Game menu's items up to date and pops the menu up at a global position.
  void PopupGameMenuAt(QPoint globalPos);

  // The game in progress. Tests set up positions through it; the window never caches it.
  Game& game() { return game_; }
  BoardWidget* board() const { return board_; }
  QMenu* gameMenu() const { return menusGame_; }
  QAction* action(const char* name) const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildMenus();
  // A left click on pos (0: empty space), from the mouse, a board key or Show Moves' Play.
  void PressTile(Position pos);
  // Plays a game sound from the program's folder while the Sound item is checked.
  void PlayGameSound(GameSound sound);
  // The result dialog for a won or lost game. A result dialog's New Game can deal a board
  // without a move: that loss is sounded at once and its dialog shown once the open one has
  // closed, so there is never a second result dialog on screen.
  void ShowResults(GameEnd end);
  // A deal, Undo and Redo: the game's end announced, the change said, then the board drawn.
  void ShowChange(BoardChange change, const EndCheck& check);
  // A new deal from random: one the solver proved winnable while Winnable Deals is checked.
  EndCheck Deal();
  void NewGame();
  // Game > Hint and ? on the board.
  void ShowHint();
  void Undo();
  void Redo();
  // The board as the review dialogs draw on it and speak through it.
  BoardView View();
  void ShowMoves();
  void Replay();
  void LoadGame();
  void SaveGame();
  // Each gives the board its tile size, sizes and centres the window and redraws the board.
  void UseLargeTiles();
  void UseRegularTiles();
  void ApplyTileSize(bool large);
  void ToggleLargeTiles();
  void SaveSettings();
  void Exit();

  Game game_;
  std::unique_ptr<RandomSource> random_;
  // Kept from one hint to the next: what it proved of this deal, and its last winning line.
  Solver solver_;
  QString programDir_;
  SoundPlayer* sounds_ = new SoundPlayer(this);
  BoardWidget* board_ = nullptr;
  QMenu* menusGame_ = nullptr;
  QAction* optsound_ = nullptr;
  QAction* optlargetiles_ = nullptr;
  QAction* optwinnabledeals_ = nullptr;
  QAction* menusGameRedo_ = nullptr;
  QAction* menusGameUndo_ = nullptr;
  QAction* menusGameReplay_ = nullptr;
  bool shownBefore_ = false;
};

}  // namespace kestalon
