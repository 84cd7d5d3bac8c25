// The buzzer: the one audible cue, a WAV file played at the end of a match
// and on demand, with "TADA.WAV" in the program folder as the fall-back.
#pragma once

#include <string>

#include "platform/dialogs.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "settings/settings.h"

namespace tk {

class Buzzer {
 public:
  // `settings.MajorSound` is the buzzer file; a bare name is looked up in the
  // process's current folder.
  Buzzer(Settings& settings, Sound& sound, std::string programFolder);

  // Plays the buzzer; silent when neither the chosen file nor the fall-back
  // exists. A file that exists but cannot be played throws the player's error.
  void SoundBuzzer();
  // As SoundBuzzer, but a missing file is reported (the player's error).
  void TestBuzzer();
  // Lets the operator choose the buzzer file; nothing is played or saved.
  void BrowseBuzzerFile(Dialogs& dialogs, const Shell& shell);

 private:
  // Steps 1 and 2 of both cues: the file to play, falling back to the
  // program folder's TADA.WAV (and remembering it) when the chosen one is gone.
  std::string ResolveFile();

  Settings& settings_;
  Sound& sound_;
  std::string programFolder_;
};

}  // namespace tk
