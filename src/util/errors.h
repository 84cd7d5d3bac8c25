// The program's error types. An error ends the operation or tick that raised
// it; the one guard at the window boundary shows its message in a message box.
#pragma once

#include <stdexcept>
#include <string>

namespace tk {

// Base of every error the program reports to the operator. what() is the
// message exactly as the operator sees it.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A text that should hold a whole number does not: "'%s' is not a valid integer value".
class ConversionError : public Error {
 public:
  explicit ConversionError(const std::string& text)
      : Error("'" + text + "' is not a valid integer value") {}
};

// A file that cannot be created, opened, read or written.
class FileError : public Error {
 public:
  using Error::Error;
  // "Cannot create file %s", with the full path.
  static FileError CannotCreate(const std::string& path) {
    return FileError("Cannot create file " + path);
  }
};

}  // namespace tk
