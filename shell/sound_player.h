// Plays the game's short sound files in the background.
#pragma once

#include <map>
#include <memory>

#include <QObject>
#include <QString>

class QSoundEffect;

namespace kestalon {

class SoundPlayer : public QObject {
  Q_OBJECT

 public:
  explicit SoundPlayer(QObject* parent = nullptr);
  ~SoundPlayer() override;

  // Starts the file playing and returns at once. A missing file, or a machine without an
  // audio device, stays silent: no message, no wait.
  void Play(const QString& path);

 private:
  std::map<QString, QSoundEffect*> effects_;  // owned through Qt parentship
};

}  // namespace kestalon
