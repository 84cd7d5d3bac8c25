// The dialogs port: message boxes, confirmations and file choosers, so that an
// operation can ask the operator mid-way and a test can answer for them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace tk {

enum class ConfirmButtons { YesCancel, YesNo };
enum class Answer { Yes, No, Cancel };

struct FileDialogOptions {
  std::string title;
  std::string filter;            // "WAV audio files |*.wav"
  std::string defaultExtension;  // ".wav"
  std::string initialFolder;     // empty: the dialog's own default
  std::string initialFileName;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void ShowMessage(const std::string& text) = 0;
  virtual Answer Confirm(const std::string& text, ConfirmButtons buttons) = 0;
  // The chosen file's full path, or nothing when the operator cancels.
  virtual std::optional<std::string> OpenFile(const FileDialogOptions& options) = 0;
  virtual std::optional<std::string> SaveFile(const FileDialogOptions& options) = 0;

  // The rewrite dialog: the twelve raw counts (Blue ippon, wazari, yuko,
  // shido, leg grabs, hansoku-make, then White's) already brought into the
  // fields' ranges, Blue's panel in `bluePanelRgb` (0xRRGGBB). Returns true
  // and the edited values on "Ok"; false on "Cancel" or the close box.
  virtual bool EditScores(std::array<int, 12>& counts, std::uint32_t bluePanelRgb) = 0;
};

}  // namespace tk
