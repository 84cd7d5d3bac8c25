#include "media/buzzer.h"

#include <utility>

#include "util/text.h"
#include "util/text_file.h"

namespace tk {
namespace {

constexpr const char* kFallbackName = "TADA.WAV";

// The folder part of a path, separator included ("" for a bare name), and
// the name after it.
std::string FolderPart(const std::string& path) {
  return path.substr(0, path.find_last_of('/') + 1);
}
std::string NamePart(const std::string& path) {
  return path.substr(path.find_last_of('/') + 1);
}

}  // namespace

Buzzer::Buzzer(Settings& settings, Sound& sound, std::string programFolder)
    : settings_(settings), sound_(sound), programFolder_(std::move(programFolder)) {}

std::string Buzzer::ResolveFile() {
  if (!FileExists(settings_.MajorSound)) {
    // Remembered, so the settings file keeps the fall-back from now on.
    settings_.MajorSound = WithTrailingBackslash(programFolder_) + kFallbackName;
  }
  return settings_.MajorSound;
}

void Buzzer::SoundBuzzer() {
  const std::string file = ResolveFile();
  if (FileExists(file)) sound_.Play(file);
}

void Buzzer::TestBuzzer() {
  // No second check: the player's own error tells the operator what is wrong.
  sound_.Play(ResolveFile());
}

void Buzzer::BrowseBuzzerFile(Dialogs& dialogs, const Shell& shell) {
  const std::string& current = settings_.MajorSound;
  FileDialogOptions options;
  options.filter = "WAV audio files |*.wav";
  options.defaultExtension = ".wav";
  options.initialFileName = NamePart(current);
  options.initialFolder = current.empty() ? WithTrailingBackslash(shell.WindowsFolder()) + "media"
                                          : FolderPart(current);
  if (std::optional<std::string> chosen = dialogs.OpenFile(options)) {
    settings_.MajorSound = *chosen;
  }
}

}  // namespace tk
