// Sound playback through the sound module, loaded when the first sound is to play, so that
// starting the game (or playing with Sound off) maps none of Qt Multimedia's libraries.
#include "shell/sound_player.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

#include "shell/sound/sound_output.h"

namespace kestalon {

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::Play(const QString& path) {
  if (!QFileInfo(path).isFile()) return;
  emit Started(path);
  if (SoundOutput* output = Output()) output->Play(path);
}

SoundOutput* SoundPlayer::Output() {
  if (moduleTried_) return output_;
  moduleTried_ = true;
  // Beside the program's real file, which is where the build and the install put it. The
  // module stays loaded after QLibrary goes, as the output's code must.
  QLibrary module(QCoreApplication::applicationDirPath() +
                  QStringLiteral("/" KESTALON_SOUND_MODULE));
  const auto make = reinterpret_cast<MakeSoundOutput>(module.resolve(kMakeSoundOutputName));
  if (make) output_ = make(this);
  return output_;
}

}  // namespace kestalon
