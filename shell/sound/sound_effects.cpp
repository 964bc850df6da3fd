// The sound module: the game's only user of Qt Multimedia. QSoundEffect copes quietly with a
// machine that has no audio device or sound server.
#include <map>

#include <QSoundEffect>
#include <QUrl>

#include "shell/sound/sound_output.h"

namespace kestalon {
namespace {

class SoundEffects final : public SoundOutput {
 public:
  using SoundOutput::SoundOutput;

  void Play(const QString& path) override {
    QSoundEffect*& effect = effects_[path];
    if (!effect) {
      effect = new QSoundEffect(this);
      effect->setSource(QUrl::fromLocalFile(path));
    }
    effect->stop();
    effect->play();
  }

 private:
  std::map<QString, QSoundEffect*> effects_;  // owned through Qt parentship
};

}  // namespace
}  // namespace kestalon

extern "C" Q_DECL_EXPORT kestalon::SoundOutput* kestalon_make_sound_output(QObject* parent) {
  return new kestalon::SoundEffects(parent);
}
