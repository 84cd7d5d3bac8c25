// The program's text-file conventions, shared by the settings file, the
// player list, the divisions, the slides, the signal file and the logs.
// Lines are written ended by CR LF; rewrites replace the file atomically.
#pragma once

#include <string>
#include <vector>

namespace tk {

// The lines of a text file. A CR ends a line and an LF right after it is
// skipped; a lone LF also ends a line (files edited on this platform); a
// character 26 ends the file; a last line without a terminator still counts.
// Throws FileError naming the path when the file is missing or cannot be read.
std::vector<std::string> ReadTextLines(const std::string& path);

// Replaces the file with the lines, each ended by CR LF. The lines go to a
// temporary file in the same folder, which is flushed to disk and renamed over
// the old file, so a crash or a full disk never leaves a half-written file and a
// reader sees either the old or the new contents. On any failure the temporary
// file is removed, the old file stays as it was, and
// FileError::CannotCreate(path) is thrown.
void WriteTextFileAtomic(const std::string& path, const std::vector<std::string>& lines);

// Appends the lines, each ended by CR LF, creating the file when needed. The
// lines are written in one piece; when the write fails part-way the file is cut
// back to its old length, so it never ends in half a line. Throws FileError
// naming the path when the file cannot be opened, written or closed.
void AppendTextLines(const std::string& path, const std::vector<std::string>& lines);

// True when the path names an existing regular file (a folder is no file).
bool FileExists(const std::string& path);

}  // namespace tk
