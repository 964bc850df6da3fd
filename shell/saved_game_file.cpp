// Saved-game files: reading and checking one, writing one. Only Qt Core, so that the small
// commands beside the game read saved games with the game's own reader.
#include "shell/saved_game_file.h"

#include <span>

#include <QByteArray>

#include "shell/file_io.h"
#include "shell/formats/save_game_format.h"

namespace kestalon {

bool LoadGameFile(const QString& name, Game& game, QString* error) {
  QByteArray bytes;
  QString reason;
  // Only the first 889 bytes count; anything after them is never read.
  if (!ReadFileHead(name, static_cast<qint64>(kSaveFileSize), bytes, &reason)) {
    if (error) *error = QStringLiteral("The file \"%1\" could not be read: %2.").arg(name, reason);
    return false;
  }
  const auto data = std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                              static_cast<std::size_t>(bytes.size()));
  if (DecodeSavedGame(data, game) != SaveGameFault::None) {
    if (error) *error = QString::fromLatin1(kNotASaveGameMessage);
    return false;
  }
  return true;
}

bool SaveGameFile(const QString& name, const Game& game, QString* error) {
  const auto bytes = EncodeSavedGame(game);
  QString reason;
  if (!WriteFileAtomically(name,
                           QByteArrayView(reinterpret_cast<const char*>(bytes.data()),
                                          static_cast<qsizetype>(bytes.size())),
                           &reason)) {
    if (error) {
      *error = QStringLiteral("The game could not be saved to \"%1\": %2.").arg(name, reason);
    }
    return false;
  }
  return true;
}

}  // namespace kestalon
