// Placeholder until the files work lands.
#include "shell/game_files.h"

namespace kestalon {

bool LoadGameFile(const QString&, QString*) { return false; }
void LoadGameCommand(QWidget*) {}
void SaveGameCommand(QWidget*) {}
bool ReadSettingsFile(OptionFlags&) { return false; }
void SaveSettingsCommand(QWidget*, OptionFlags) {}

}  // namespace kestalon
