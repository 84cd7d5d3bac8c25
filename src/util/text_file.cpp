#include "util/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "util/errors.h"

namespace tk {

namespace {

constexpr char kEndOfFile = 26;
constexpr std::string_view kLineEnd = "\r\n";

// "Cannot <action> file <path>: <the system's reason>".
FileError SystemFileError(std::string_view action, const std::string& path, int error) {
  return FileError("Cannot " + std::string(action) + " file " + path + ": " + std::strerror(error));
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += kLineEnd;
  }
  return text;
}

// Writes all of the text; false with errno set when the system refuses part of it.
bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(fd, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = EIO;
      return false;
    }
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

std::string ReadAll(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw SystemFileError("open", path, errno);
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      const int error = errno;
      ::close(fd);
      throw SystemFileError("read", path, error);
    }
    if (got == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fd);
  return bytes;
}

// Splits at CR, CR LF and lone LF, stopping at a character 26.
std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::string line;
  bool lineOpen = false;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == kEndOfFile) break;
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(line));
      line.clear();
      lineOpen = false;
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
      continue;
    }
    line += c;
    lineOpen = true;
  }
  if (lineOpen) lines.push_back(std::move(line));
  return lines;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Creates a new, empty file beside `path` that no one else uses; -1 when the
// folder does not take one.
int CreateTemporaryBeside(const std::string& path, std::string& temporaryPath) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporaryPath = path + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(++counter);
    const int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// The new file takes the permissions of the one it replaces.
void KeepModeOf(const std::string& path, int fd) {
  struct stat old {};
  if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) ::fchmod(fd, old.st_mode & 07777);
}

// Makes the rename itself survive a crash; a folder that cannot be synced
// still holds the complete new file, so this is best effort.
void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::vector<std::string> ReadTextLines(const std::string& path) {
  return SplitLines(ReadAll(path));
}

void WriteTextFileAtomic(const std::string& path, const std::vector<std::string>& lines) {
  std::string temporaryPath;
  const int fd = CreateTemporaryBeside(path, temporaryPath);
  if (fd < 0) throw FileError::CannotCreate(path);
  KeepModeOf(path, fd);
  const bool written = WriteAll(fd, JoinLines(lines)) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || ::rename(temporaryPath.c_str(), path.c_str()) != 0) {
    ::unlink(temporaryPath.c_str());
    throw FileError::CannotCreate(path);
  }
  SyncFolder(FolderOf(path));
}

void AppendTextLines(const std::string& path, const std::vector<std::string>& lines) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
  if (fd < 0) throw SystemFileError("open", path, errno);
  struct stat before {};
  const bool knownLength = ::fstat(fd, &before) == 0;
  if (!WriteAll(fd, JoinLines(lines))) {
    const int error = errno;
    if (knownLength) (void)::ftruncate(fd, before.st_size);
    ::close(fd);
    throw SystemFileError("write", path, error);
  }
  if (::close(fd) != 0) throw SystemFileError("write", path, errno);
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace tk
