// The main window: the menu bar and the board, the translation of their events into
// operations on the game, and of what those report into drawing, sound and dialogs.
#include "shell/kestalon_form.h"

#include <optional>

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include "assets/baked_pixels.h"
#include "core/hint.h"
#include "core/rules.h"
#include "core/winnable_deal.h"
#include "dialogs/dialogs.h"
#include "display/board_widget.h"
#include "display/spoken_messages.h"
#include "shell/formats/command_line.h"
#include "shell/game_files.h"
#include "shell/menu_accessibility.h"

namespace kestalon {
namespace {

QAction* AddItem(QMenu* menu, const char* name, const QString& caption) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(QLatin1String(name));
  return item;
}

// A checkable item toggles its own check mark. It is checkable before it joins the menu, so
// that assistive technology meets it as a check item.
QAction* AddCheckItem(QMenu* menu, const char* name, const QString& caption) {
  auto* item = new QAction(caption, menu);
  item->setObjectName(QLatin1String(name));
  item->setCheckable(true);
  menu->addAction(item);
  return item;
}

void AddSeparator(QMenu* menu, const char* name) {
  menu->addSeparator()->setObjectName(QLatin1String(name));
}

// The sound files, played from the program's folder.
QString SoundFileName(GameSound sound) {
  switch (sound) {
    case GameSound::Alert:
      return QStringLiteral("/alert.wav");
    case GameSound::WellDone:
      return QStringLiteral("/welldone.wav");
    case GameSound::GameOver:
      return QStringLiteral("/gameover.wav");
    case GameSound::None:
      break;
  }
  return {};
}

// Centres a window on its screen by its outer size (frame included, once it has one).
void CentreOnScreen(QWidget* window) {
  const QScreen* screen = window->screen();
  if (!screen) return;
  const QRect area = screen->geometry();
  const QSize outer = window->frameGeometry().size();
  window->move(area.x() + (area.width() - outer.width()) / 2,
               area.y() + (area.height() - outer.height()) / 2);
}

}  // namespace

KestalonForm::KestalonForm(std::unique_ptr<RandomSource> random, const QString& programDir)
    : random_(std::move(random)), programDir_(programDir) {
  setObjectName(QStringLiteral("KestalonForm"));
  setWindowTitle(QStringLiteral("PC Kestalon"));
  QIcon icon;
  // The sizes a window frame and task switcher show; the desktop takes larger ones from
  // the installed icon theme. These were decoded when the program was built.
  for (int size : {16, 32, 48}) icon.addPixmap(QPixmap::fromImage(BakedIcon(size)));
  setWindowIcon(icon);

  InstallCheckMenuItemAccessibility();
  board_ = new BoardWidget(game_, this);
  setCentralWidget(board_);
  // The board fixes the client size and the window follows it.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  // The mouse and the board keys reach the game by the same road.
  connect(board_, &BoardWidget::TilePressed, this, &KestalonForm::PressTile);
  connect(board_, &BoardWidget::MenuRequested, this, &KestalonForm::PopupGameMenuAt);
  connect(board_, &BoardWidget::HintRequested, this, &KestalonForm::ShowHint);
  // The board keeps the keyboard: Qt gives it back whenever a dialog or menu closes.
  board_->setFocus();
  BuildMenus();
}

void KestalonForm::BuildMenus() {
  menusGame_ = menuBar()->addMenu(QStringLiteral("&Game"));
  menusGame_->setObjectName(QStringLiteral("Menus_Game"));
  connect(AddItem(menusGame_, "Menus_Game_New", QStringLiteral("&New Game")), &QAction::triggered,
          this, &KestalonForm::NewGame);
  AddSeparator(menusGame_, "Menus_Separator0");
  connect(AddItem(menusGame_, "Menus_Game_Load", QStringLiteral("&Load Game")), &QAction::triggered,
          this, &KestalonForm::LoadGame);
  connect(AddItem(menusGame_, "Menus_Game_Save", QStringLiteral("&Save Game")), &QAction::triggered,
          this, &KestalonForm::SaveGame);
  AddSeparator(menusGame_, "Menus_Separator1");
  connect(AddItem(menusGame_, "Menus_Game_Status", QStringLiteral("Status")), &QAction::triggered,
          this, [this] { OpenStatus(this, game_); });
  connect(AddItem(menusGame_, "Menus_Game_Show", QStringLiteral("Show  Available Moves")),
          &QAction::triggered, this, &KestalonForm::ShowMoves);
  connect(AddItem(menusGame_, "Menus_Game_Hint", QStringLiteral("&Hint")), &QAction::triggered,
          this, &KestalonForm::ShowHint);
  AddSeparator(menusGame_, "Menus_Seperator2");
  menusGameReplay_ = AddItem(menusGame_, "Menus_Game_Replay", QStringLiteral("Replay Moves"));
  connect(menusGameReplay_, &QAction::triggered, this, &KestalonForm::Replay);
  menusGameRedo_ = AddItem(menusGame_, "Menus_Game_Redo", QStringLiteral("Redo Move"));
  connect(menusGameRedo_, &QAction::triggered, this, &KestalonForm::Redo);
  menusGameUndo_ = AddItem(menusGame_, "Menus_Game_Undo", QStringLiteral("&Undo (Last Move Only)"));
  connect(menusGameUndo_, &QAction::triggered, this, &KestalonForm::Undo);
  AddSeparator(menusGame_, "Menus_Separator3");
  connect(AddItem(menusGame_, "Menus_Game_Exit", QStringLiteral("E&xit")), &QAction::triggered,
          this, &KestalonForm::Exit);
  // Opening the menu by mouse or keyboard brings the history items up to date first.
  connect(menusGame_, &QMenu::aboutToShow, this, &KestalonForm::UpdateGameMenu);

  QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
  options->setObjectName(QStringLiteral("optmenu"));
  optsound_ = AddCheckItem(options, "optsound", QStringLiteral("Sound"));
  connect(optsound_, &QAction::triggered, this,
          [this](bool on) { board_->Announce(on ? tr("Sound on") : tr("Sound off")); });
  optlargetiles_ = AddCheckItem(options, "optlargetiles", QStringLiteral("Large Tiles"));
  connect(optlargetiles_, &QAction::triggered, this, &KestalonForm::ToggleLargeTiles);
  optwinnabledeals_ = AddCheckItem(options, "optwinnabledeals", QStringLiteral("Winnable Deals"));
  connect(optwinnabledeals_, &QAction::triggered, this, [this](bool on) {
    board_->Announce(on ? tr("Winnable deals on") : tr("Winnable deals off"));
  });
  AddSeparator(options, "Opts_Seperator");
  connect(AddItem(options, "Menus_Options_Savesettings", QStringLiteral("Save Settings")),
          &QAction::triggered, this, &KestalonForm::SaveSettings);

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("Menus_Help"));
  connect(AddItem(help, "Menus_Help_Rules", QStringLiteral("Rules of Kestalon")),
          &QAction::triggered, this, [this] { OpenRules(this); });
  AddSeparator(help, "Menus_Separator2");
  connect(AddItem(help, "Menus_Help_About", QStringLiteral("About Kestalon")), &QAction::triggered,
          this, [this] { OpenAbout(this); });
}

QAction* KestalonForm::action(const char* name) const {
  return findChild<QAction*>(QLatin1String(name));
}

void KestalonForm::FormLoad(const QStringList& arguments) {
  // Defaults, in force unless the settings file says otherwise.
  optsound_->setChecked(true);
  optlargetiles_->setChecked(false);
  optwinnabledeals_->setChecked(false);
  UseRegularTiles();

  OptionFlags flags{optsound_->isChecked(), optlargetiles_->isChecked(), false};
  if (ReadSettingsFile(programDir_, flags)) {
    optsound_->setChecked(flags.sound);
    optlargetiles_->setChecked(flags.largeTiles);
    optwinnabledeals_->setChecked(flags.winnableDeals);
    if (flags.largeTiles) {
      UseLargeTiles();
    } else {
      UseRegularTiles();
    }
  }

  // A saved game named on the command line, else (or if it cannot be loaded) a new deal.
  const std::string name = ParseCommandLine(arguments.join(QLatin1Char(' ')).toStdString());
  if (name.empty() || !FileExists(name) || !LoadGameFile(QString::fromStdString(name), game_)) {
    const EndCheck check = Deal();
    PlayGameSound(check.sound);
    ShowResults(check.end);
  }
  DrawBoard();
}

void KestalonForm::UpdateGameMenu() {
  const GameMenuState state = CurrentGameMenuState(game_);
  menusGameRedo_->setEnabled(state.redo);
  menusGameUndo_->setEnabled(state.undo);
  menusGameReplay_->setEnabled(state.replay);
}

void KestalonForm::DrawBoard(Position first, Position second) {
  board_->DrawBoard(first, second);
}

void KestalonForm::PopupGameMenuAt(QPoint globalPos) {
  UpdateGameMenu();
  menusGame_->popup(globalPos);
}

void KestalonForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // The frame is known only once the window is shown: centre again by the real outer size.
  if (!shownBefore_) {
    shownBefore_ = true;
    CentreOnScreen(this);
  }
}

// A press shows its board first; then its sound starts and a result dialog opens. What it
// did is said before the drawing moves the keyboard cursor, whose new tile is said after it.
void KestalonForm::PressTile(Position pos) {
  const PressOutcome outcome = kestalon::PressTile(game_, pos);
  board_->Announce(PressMessage(outcome, game_));
  if (outcome.result == PressResult::Picked) DrawBoard(outcome.first);
  if (outcome.result == PressResult::Dropped || outcome.result == PressResult::Removed) DrawBoard();
  PlayGameSound(outcome.sound);
  ShowResults(outcome.check.end);
}

void KestalonForm::PlayGameSound(GameSound sound) {
  if (sound == GameSound::None || !optsound_->isChecked()) return;
  sounds_->Play(programDir_ + SoundFileName(sound));
}

void KestalonForm::ShowResults(GameEnd end) {
  while (end != GameEnd::Playing) {
    std::optional<GameEnd> dealt;
    ShowResultDialog(this, end, [this, &dealt] {
      const EndCheck check = Deal();
      PlayGameSound(check.sound);
      DrawBoard();
      dealt = check.end;
    });
    // Said once the dialog has gone: the way back to the board would cut it short.
    if (dealt) board_->Announce(ChangeMessage(BoardChange::NewGame, game_));
    end = dealt.value_or(GameEnd::Playing);
  }
}

EndCheck KestalonForm::Deal() {
  if (!optwinnabledeals_->isChecked()) return DealNewGame(game_, *random_);
  return DealWinnableGame(game_, *random_, solver_).check;
}

// A deal, Undo and Redo announce the game's end before they draw: Redo of the last pair shows
// the win before the empty board.
void KestalonForm::NewGame() {
  ShowChange(BoardChange::NewGame, Deal());
}

// A move that keeps the game winnable is shown as Show Moves shows its move, its first tile
// picked and the cursor on its second; any other answer opens a message box.
void KestalonForm::ShowHint() {
  const Hint hint = FindHint(game_, solver_);
  if (hint.answer == HintAnswer::Winnable) {
    const auto [first, second] = hint.move;
    if (first == 0) return;  // nothing left on the board
    DropPick(game_);
    kestalon::PressTile(game_, first);
    board_->Announce(HintMessage(game_, first, second));
    DrawBoard(first, second);
    board_->PutCursorOn(second);
    return;
  }
  if (!ShowHintAnswer(this, hint)) return;
  if (hint.answer == HintAnswer::Lost && hint.undoSteps > 0) {
    std::optional<EndCheck> check;
    for (int i = 0; i < hint.undoSteps; ++i) check = kestalon::Undo(game_);
    if (check) ShowChange(BoardChange::Undone, *check);
  } else {
    NewGame();
  }
}

void KestalonForm::Undo() {
  if (const std::optional<EndCheck> check = kestalon::Undo(game_)) {
    ShowChange(BoardChange::Undone, *check);
  }
}

void KestalonForm::Redo() {
  if (const std::optional<EndCheck> check = kestalon::Redo(game_)) {
    ShowChange(BoardChange::Redone, *check);
  }
}

void KestalonForm::ShowChange(BoardChange change, const EndCheck& check) {
  PlayGameSound(check.sound);
  ShowResults(check.end);
  board_->Announce(ChangeMessage(change, game_));
  DrawBoard();
}

BoardView KestalonForm::View() {
  return {[this](Position first, Position second) { DrawBoard(first, second); },
          [this](const QString& message) { board_->Announce(message); }};
}

void KestalonForm::ShowMoves() {
  // Play presses the listed move's second tile, as the player's own press would.
  if (const Position second = OpenShowMoves(this, game_, View())) PressTile(second);
}

void KestalonForm::Replay() {
  OpenReplay(this, game_, View());
}

void KestalonForm::SaveGame() {
  const QString name = SaveGameCommand(this, game_);
  if (!name.isEmpty()) board_->Announce(tr("Game saved as %1").arg(QFileInfo(name).fileName()));
}

void KestalonForm::LoadGame() {
  if (LoadGameCommand(this, game_)) board_->Announce(ChangeMessage(BoardChange::Loaded, game_));
  // Drawn whether a game was loaded, the file was refused or nothing was chosen.
  DrawBoard();
}

// The board gets exactly its client size and the window follows it, so switching back and
// forth never drifts; then the window is centred on its screen by its outer size.
void KestalonForm::UseLargeTiles() {
  ApplyTileSize(true);
}

void KestalonForm::UseRegularTiles() {
  ApplyTileSize(false);
}

void KestalonForm::ApplyTileSize(bool large) {
  board_->SetTileSize(large);
  layout()->activate();
  adjustSize();
  CentreOnScreen(this);
  DrawBoard();
}

void KestalonForm::ToggleLargeTiles() {
  // The action has already toggled its own check mark; apply the size it now shows.
  const Qt::WindowStates state = windowState();
  setWindowState(Qt::WindowNoState);
  DropPick(game_);
  if (optlargetiles_->isChecked()) {
    UseLargeTiles();
  } else {
    UseRegularTiles();
  }
  setWindowState(state);
  board_->Announce(optlargetiles_->isChecked() ? tr("Large tiles on") : tr("Large tiles off"));
}

void KestalonForm::SaveSettings() {
  if (SaveSettingsCommand(
          this, programDir_,
          {optsound_->isChecked(), optlargetiles_->isChecked(), optwinnabledeals_->isChecked()}))
    board_->Announce(tr("Settings saved"));
}

void KestalonForm::Exit() {
  close();
  QCoreApplication::exit(0);
}

}  // namespace kestalon
