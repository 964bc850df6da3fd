// The main window: the menu bar, the board area, and the translation of their events
// into calls on the game.
#include "shell/kestalon_form.h"

#include <QApplication>
#include <QCursor>
#include <QIcon>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

#include "assets/asset_paths.h"
#include "core/rules.h"
#include "dialogs/dialogs.h"
#include "display/board_painter.h"
#include "display/board_widget.h"
#include "display/layout/board_layout.h"
#include "display/tile_size.h"
#include "shell/formats/command_line.h"
#include "shell/game_files.h"

namespace kestalon {

KestalonForm::KestalonForm(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("KestalonForm"));
  setWindowTitle(QStringLiteral("PC Kestalon"));
  QIcon icon;
  // The sizes a window frame and task switcher show; the desktop takes larger ones from
  // the installed icon theme. Each size given here is decoded at start-up.
  for (int size : {16, 32, 48}) icon.addFile(IconPath(size));
  setWindowIcon(icon);

  board_ = new BoardWidget(this);
  setCentralWidget(board_);
  // The board fixes the client size and the window follows it.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  SetBoardWindow(board_);
  connect(board_, &BoardWidget::Pressed, this, [](Qt::MouseButton button, int x, int y) {
    switch (button) {
      case Qt::LeftButton:
        BoardMousePress(MouseButton::Left, x, y);
        break;
      case Qt::MiddleButton:
        BoardMousePress(MouseButton::Middle, x, y);
        break;
      case Qt::RightButton:
        BoardMousePress(MouseButton::Right, x, y);
        break;
      default:
        break;
    }
  });

  // The board keeps the keyboard: Qt gives it back whenever a dialog or menu closes.
  board_->setFocus();
  connect(board_, &BoardWidget::MenuRequested, this, &KestalonForm::PopupGameMenuAt);

  BuildMenus();
  runtime_ = std::make_unique<QtRuntime>([this] { return optsound_->isChecked(); });
  InstallRuntime(runtime_.get());
  InstallView(this);
}

KestalonForm::~KestalonForm() {
  InstallView(nullptr);
  InstallRuntime(nullptr);
  SetBoardWindow(nullptr);
}

namespace {

QAction* AddItem(QMenu* menu, const char* name, const QString& caption) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(QLatin1String(name));
  return item;
}

void AddSeparator(QMenu* menu, const char* name) {
  menu->addSeparator()->setObjectName(QLatin1String(name));
}

}  // namespace

void KestalonForm::BuildMenus() {
  menusGame_ = menuBar()->addMenu(QStringLiteral("&Game"));
  menusGame_->setObjectName(QStringLiteral("Menus_Game"));
  connect(AddItem(menusGame_, "Menus_Game_New", QStringLiteral("&New Game")), &QAction::triggered,
          this, &KestalonForm::NewGame);
  AddSeparator(menusGame_, "Menus_Separator0");
  connect(AddItem(menusGame_, "Menus_Game_Load", QStringLiteral("&Load Game")), &QAction::triggered,
          this, [this] { LoadGameCommand(this); });
  connect(AddItem(menusGame_, "Menus_Game_Save", QStringLiteral("&Save Game")), &QAction::triggered,
          this, [this] { SaveGameCommand(this); });
  AddSeparator(menusGame_, "Menus_Separator1");
  connect(AddItem(menusGame_, "Menus_Game_Status", QStringLiteral("Status")), &QAction::triggered,
          this, [this] { OpenStatus(this); });
  connect(AddItem(menusGame_, "Menus_Game_Show", QStringLiteral("Show  Available Moves")),
          &QAction::triggered, this, [this] { OpenShowMoves(this); });
  AddSeparator(menusGame_, "Menus_Seperator2");
  menusGameReplay_ = AddItem(menusGame_, "Menus_Game_Replay", QStringLiteral("Replay Moves"));
  connect(menusGameReplay_, &QAction::triggered, this, [this] { OpenReplay(this); });
  menusGameRedo_ = AddItem(menusGame_, "Menus_Game_Redo", QStringLiteral("Redo Move"));
  connect(menusGameRedo_, &QAction::triggered, this, [] { Redo(); });
  menusGameUndo_ = AddItem(menusGame_, "Menus_Game_Undo", QStringLiteral("&Undo (Last Move Only)"));
  connect(menusGameUndo_, &QAction::triggered, this, [] { Undo(); });
  AddSeparator(menusGame_, "Menus_Separator3");
  connect(AddItem(menusGame_, "Menus_Game_Exit", QStringLiteral("E&xit")), &QAction::triggered,
          this, &KestalonForm::Exit);
  // Opening the menu by mouse or keyboard brings the history items up to date first.
  connect(menusGame_, &QMenu::aboutToShow, this, &KestalonForm::UpdateGameMenu);

  QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
  options->setObjectName(QStringLiteral("optmenu"));
  optsound_ = AddItem(options, "optsound", QStringLiteral("Sound"));
  optsound_->setCheckable(true);  // a checkable item toggles its own check mark
  optlargetiles_ = AddItem(options, "optlargetiles", QStringLiteral("Large Tiles"));
  optlargetiles_->setCheckable(true);
  connect(optlargetiles_, &QAction::triggered, this, &KestalonForm::ToggleLargeTiles);
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
  UseRegularTiles();

  OptionFlags flags{optsound_->isChecked(), optlargetiles_->isChecked()};
  if (ReadSettingsFile(flags)) {
    optsound_->setChecked(flags.sound);
    optlargetiles_->setChecked(flags.largeTiles);
    if (optlargetiles_->isChecked()) {
      UseLargeTiles();
    } else {
      UseRegularTiles();
    }
  }

  // A saved game named on the command line, else (or if it cannot be loaded) a new deal.
  const std::string name = ParseCommandLine(arguments.join(QLatin1Char(' ')).toStdString());
  if (name.empty() || !FileExists(name) || !LoadGameFile(QString::fromStdString(name))) {
    DealNewGame();
  }

  BuildLayout(optlargetiles_->isChecked());
  kestalon::DrawBoard(0);
}

void KestalonForm::UpdateGameMenu() {
  const GameMenuState state = CurrentGameMenuState();
  menusGameRedo_->setEnabled(state.redo);
  menusGameUndo_->setEnabled(state.undo);
  menusGameReplay_->setEnabled(state.replay);
}

void KestalonForm::DrawBoard(Position highlightPos) {
  kestalon::DrawBoard(highlightPos);
}

void KestalonForm::ShowWellDone() {
  ShowWellDoneDialog(this);
}

void KestalonForm::ShowNoAvailableMove() {
  ShowNoAvailableMoveDialog(this);
}

void KestalonForm::PopupGameMenu() {
  PopupGameMenuAt(QCursor::pos());
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

void KestalonForm::NewGame() {
  DealNewGame();
  kestalon::DrawBoard(0);
}

void KestalonForm::ToggleLargeTiles() {
  // The action has already toggled its own check mark; apply the size it now shows.
  const Qt::WindowStates state = windowState();
  setWindowState(Qt::WindowNoState);
  SelectedPos = 0;
  if (optlargetiles_->isChecked()) {
    UseLargeTiles();
  } else {
    UseRegularTiles();
  }
  setWindowState(state);
}

void KestalonForm::SaveSettings() {
  SaveSettingsCommand(this, {optsound_->isChecked(), optlargetiles_->isChecked()});
}

void KestalonForm::Exit() {
  close();
  QCoreApplication::exit(0);
}

}  // namespace kestalon
