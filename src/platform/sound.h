// The sound port: one playback channel for WAV files.
#pragma once

#include <string>

namespace tk {

class Sound {
 public:
  virtual ~Sound() = default;
  // Starts playing the file and returns at once, cutting off any sound still
  // playing. Throws tk::Error with the back end's message when the file cannot
  // be played.
  virtual void Play(const std::string& path) = 0;
};

}  // namespace tk
