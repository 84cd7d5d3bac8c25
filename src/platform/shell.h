// The shell port: open a document with its default program, start a program.
#pragma once

#include <string>

namespace tk {

class Shell {
 public:
  virtual ~Shell() = default;
  // Asks the desktop to open the document; the outcome is ignored.
  virtual void ShellOpen(const std::string& document, const std::string& parameters,
                         const std::string& folder) = 0;
  // A fixed system folder standing where other platforms keep their system
  // folder (used for the initial folder of the sound chooser).
  virtual std::string WindowsFolder() const = 0;
};

}  // namespace tk
