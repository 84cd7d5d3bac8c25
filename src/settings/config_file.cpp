#include "settings/config_file.h"

#include <algorithm>
#include <type_traits>

#include "util/text.h"
#include "util/text_file.h"

namespace tk {
namespace {

// A name that names no file: the list paths hold it until the file or the
// fall-back gives them a real one.
const std::string kNoFile;

const SettingDecl* FindDeclaration(const std::string& lowerKey) {
  const auto& declarations = SettingDeclarations();
  auto found = std::find_if(declarations.begin(), declarations.end(),
                            [&](const SettingDecl& d) { return ToLowerAscii(d.key) == lowerKey; });
  return found == declarations.end() ? nullptr : &*found;
}

bool IsMatchLength(int Settings::*field) {
  return field == &Settings::MatchMins || field == &Settings::MatchSecs;
}

// Stores the trimmed `value` of one line under its declaration. Throws
// ConversionError for a whole number that does not convert.
void Store(const SettingDecl& decl, const std::string& value, Settings& settings,
           const StoreMatchLength& storeMatchLength) {
  std::visit(
      [&](auto field) {
        using Field = decltype(field);
        if constexpr (std::is_same_v<Field, int Settings::*>) {
          int number = StrToInt(value);
          if (decl.ranged) number = decl.range.Clamp(number);
          if (storeMatchLength && IsMatchLength(field)) {
            storeMatchLength(field, number);
          } else {
            settings.*field = number;
          }
        } else if constexpr (std::is_same_v<Field, bool Settings::*>) {
          settings.*field = !value.empty() && value.front() == '1';
        } else if constexpr (std::is_same_v<Field, std::string Settings::*>) {
          settings.*field = value;
        }
        // No member (ColoursSwapped): the line has no effect.
      },
      decl.field);
}

void ReadLine(const std::string& line, Settings& settings,
              const StoreMatchLength& storeMatchLength) {
  // Field 2 ends at a second "=", so the rest of such a line is dropped.
  const std::string key = ToLowerAscii(TrimBlanks(DelimitedField(line, 1, '=')));
  const std::string value = TrimBlanks(DelimitedField(line, 2, '='));
  if (const SettingDecl* decl = FindDeclaration(key)) {
    Store(*decl, value, settings, storeMatchLength);
  }
}

void FallBackIfMissing(std::string& path, const std::string& fallback) {
  if (!FileExists(path)) path = fallback;
}

std::string ValueText(const SettingDecl& decl, const Settings& settings) {
  return std::visit(
      [&](auto field) -> std::string {
        using Field = decltype(field);
        if constexpr (std::is_same_v<Field, int Settings::*>) {
          return std::to_string(settings.*field);
        } else if constexpr (std::is_same_v<Field, bool Settings::*>) {
          return settings.*field ? "1" : "0";
        } else if constexpr (std::is_same_v<Field, std::string Settings::*>) {
          return settings.*field;
        } else {
          return "1";  // ColoursSwapped
        }
      },
      decl.field);
}

}  // namespace

std::string SettingsFilePath(const std::string& executablePath) {
  const std::size_t nameStart = executablePath.find_last_of('/') + 1;  // npos + 1 == 0
  const std::size_t dot = executablePath.find_last_of('.');
  const bool hasExtension = dot != std::string::npos && dot >= nameStart;
  return (hasExtension ? executablePath.substr(0, dot) : executablePath) + ".ini";
}

void ReadConfig(const std::string& path, const std::string& programFolder, Settings& settings,
                const StoreMatchLength& storeMatchLength) {
  settings.LastPlayerListUsed = kNoFile;
  settings.LastPoolsListUsed = kNoFile;
  if (FileExists(path)) {
    for (const std::string& line : ReadTextLines(path)) {
      ReadLine(line, settings, storeMatchLength);
    }
  }
  const std::string folder = WithTrailingBackslash(programFolder);
  FallBackIfMissing(settings.LastPoolsListUsed, folder + "sample_divisions.txt");
  FallBackIfMissing(settings.LastPlayerListUsed, folder + "players.txt");
  settings.ResetLinkvisible = true;
}

std::vector<std::string> ConfigLines(const Settings& settings) {
  std::vector<std::string> lines;
  for (const SettingDecl& decl : SettingDeclarations()) {
    lines.push_back(std::string(decl.key) + " = " + ValueText(decl, settings));
  }
  return lines;
}

void WriteConfig(const std::string& path, const Settings& settings) {
  WriteTextFileAtomic(path, ConfigLines(settings));
}

}  // namespace tk
