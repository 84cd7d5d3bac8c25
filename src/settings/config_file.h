// The settings file: one "Key = value" line per stored setting, beside the
// executable and named after it. Read once at start, written once at close.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "settings/settings.h"

namespace tk {

// Stores a match-length field (MatchMins or MatchSecs), already brought into
// range, so that the owner can run its duration rule when the value changes.
// The callee writes the value into the settings itself.
using StoreMatchLength = std::function<void(int Settings::*field, int value)>;

// The executable's folder and name with the extension replaced by ".ini"
// ("/opt/tk/judo.exe" -> "/opt/tk/judo.ini"); a name without an extension
// gets ".ini" appended.
std::string SettingsFilePath(const std::string& executablePath);

// Reads the settings file at `path` into `settings`. Unknown keys, empty lines
// and lines without "=" change nothing; the last line of a key wins; whole
// numbers are brought into their range. A missing file leaves the settings as
// they are. List paths that name no file fall back to `programFolder` +
// "players.txt" / "sample_divisions.txt", and ResetLinkvisible is forced on.
// A whole number that does not convert throws ConversionError: the lines
// before it stay stored, and neither the fall-backs nor the forcing happen.
// With an empty `storeMatchLength` the match length is stored directly.
void ReadConfig(const std::string& path, const std::string& programFolder, Settings& settings,
                const StoreMatchLength& storeMatchLength = {});

// The 21 lines of the settings file, in file order, without line ends.
std::vector<std::string> ConfigLines(const Settings& settings);

// Replaces the file at `path` with ConfigLines, each ended by CR LF. The old
// file is replaced in one step: on failure it stays as it was and
// FileError "Cannot create file <path>" is thrown.
void WriteConfig(const std::string& path, const Settings& settings);

}  // namespace tk
