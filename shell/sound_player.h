// Plays the game's short sound files in the background.
#pragma once

#include <QObject>
#include <QString>

namespace kestalon {

class SoundOutput;

class SoundPlayer : public QObject {
  Q_OBJECT

 public:
  explicit SoundPlayer(QObject* parent = nullptr);
  ~SoundPlayer() override;

  // Starts the file playing and returns at once. A missing file, a missing sound module or a
  // machine without an audio device stays silent: no message, no wait.
  void Play(const QString& path);

 signals:
  // A sound file found and handed to the output (silent or not).
  void Started(const QString& path);

 private:
  SoundOutput* Output();

  SoundOutput* output_ = nullptr;  // a child, made by the sound module on first use
  bool moduleTried_ = false;
};

}  // namespace kestalon
