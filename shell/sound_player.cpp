// Sound playback over QSoundEffect, which copes quietly with a machine that has no audio.
#include "shell/sound_player.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace kestalon {

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::Play(const QString& path) {
  if (!QFileInfo(path).isFile()) return;
  QSoundEffect*& effect = effects_[path];
  if (!effect) {
    // Created on first use, so that starting the game does not load the audio backend.
    effect = new QSoundEffect(this);
    effect->setSource(QUrl::fromLocalFile(path));
  }
  effect->stop();
  effect->play();
}

}  // namespace kestalon
