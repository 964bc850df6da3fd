// What the game sees of its sound module: an object that plays a file, made by the module's
// one exported function when the first sound is to play.
#pragma once

#include <QObject>
#include <QString>

namespace kestalon {

class SoundOutput : public QObject {
 public:
  using QObject::QObject;

  // Starts the file playing and returns at once; with no audio device it stays silent.
  virtual void Play(const QString& path) = 0;
};

// The module exports this as a C function, so that QLibrary finds it by its plain name. The
// output it makes is a child of parent.
using MakeSoundOutput = SoundOutput* (*)(QObject* parent);
inline constexpr char kMakeSoundOutputName[] = "kestalon_make_sound_output";

}  // namespace kestalon
