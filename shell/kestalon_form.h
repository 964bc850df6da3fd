// The main window: menus, the board, and the start-up sequence.
#pragma once

#include <memory>

#include <QMainWindow>
#include <QStringList>

#include "core/runtime.h"
#include "shell/qt_runtime.h"

class QAction;
class QMenu;

namespace kestalon {

class BoardWidget;

class KestalonForm final : public QMainWindow, public GameView {
  Q_OBJECT

 public:
  explicit KestalonForm(QWidget* parent = nullptr);
  ~KestalonForm() override;

  // The start-up sequence; arguments are the program's arguments after its name.
  void FormLoad(const QStringList& arguments);

  // Enables Undo, Redo Move and Replay Moves as the move record allows.
  void UpdateGameMenu();

  // GameView: what the game core asks of the main window.
  void DrawBoard(Position highlightPos) override;
  void ShowWellDone() override;
  void ShowNoAvailableMove() override;
  void PopupGameMenu() override;
  // Brings the Game menu's items up to date and pops the menu up at a global position.
  void PopupGameMenuAt(QPoint globalPos);

  BoardWidget* board() const { return board_; }
  QMenu* gameMenu() const { return menusGame_; }
  QAction* action(const char* name) const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildMenus();
  void NewGame();
  void ToggleLargeTiles();
  void SaveSettings();
  void Exit();

  BoardWidget* board_ = nullptr;
  QMenu* menusGame_ = nullptr;
  QAction* optsound_ = nullptr;
  QAction* optlargetiles_ = nullptr;
  QAction* menusGameRedo_ = nullptr;
  QAction* menusGameUndo_ = nullptr;
  QAction* menusGameReplay_ = nullptr;
  std::unique_ptr<QtRuntime> runtime_;
  bool shownBefore_ = false;
};

}  // namespace kestalon
