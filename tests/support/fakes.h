// Fakes of the ports for the core's tests: a clock whose time the test sets,
// dialogs that answer from a script, a sound player that records, and a text
// measure with simple proportional metrics.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/screens.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "platform/text_measure.h"
#include "util/errors.h"

namespace tk::test {

class FakeClock : public Clock {
 public:
  LocalDateTime now{2006, 12, 25, 15, 45, 12};
  std::int64_t monotonicMs = 0;

  LocalDateTime Now() const override { return now; }
  // Day first, four-digit year: 25/12/2006.
  std::string ShortDate(const LocalDateTime& t) const override {
    return std::to_string(t.day) + "/" + std::to_string(t.month) + "/" + std::to_string(t.year);
  }
  // 12-hour clock: 3:45:12 PM.
  std::string LongTime(const LocalDateTime& t) const override {
    int h = t.hour % 12 == 0 ? 12 : t.hour % 12;
    auto two = [](int v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    return std::to_string(h) + ":" + two(t.minute) + ":" + two(t.second) +
           (t.hour < 12 ? " AM" : " PM");
  }
  std::int64_t MonotonicMs() const override { return monotonicMs; }
  void Advance(std::int64_t ms) { monotonicMs += ms; }
};

class FakeDialogs : public Dialogs {
 public:
  std::vector<std::string> messages;
  std::vector<std::string> confirmations;
  std::deque<Answer> answers;  // next answers to Confirm; Yes when empty
  std::optional<std::string> fileToChoose;
  FileDialogOptions lastFileOptions;
  // Edits the rewrite dialog's values; returns the "Ok" (true) or "Cancel".
  std::function<bool(std::array<int, 12>&, std::uint32_t)> editScores;
  std::array<int, 12> lastShownCounts{};
  std::uint32_t lastBluePanel = 0;

  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  Answer Confirm(const std::string& text, ConfirmButtons) override {
    confirmations.push_back(text);
    if (answers.empty()) return Answer::Yes;
    Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  std::optional<std::string> OpenFile(const FileDialogOptions& o) override {
    lastFileOptions = o;
    return fileToChoose;
  }
  std::optional<std::string> SaveFile(const FileDialogOptions& o) override {
    lastFileOptions = o;
    return fileToChoose;
  }
  bool EditScores(std::array<int, 12>& counts, std::uint32_t bluePanel) override {
    lastShownCounts = counts;
    lastBluePanel = bluePanel;
    return editScores ? editScores(counts, bluePanel) : false;
  }
};

class FakeSound : public Sound {
 public:
  std::vector<std::string> played;
  bool fail = false;  // throw as a player that cannot open the file
  void Play(const std::string& path) override {
    if (fail) throw Error("Cannot play " + path);
    played.push_back(path);
  }
};

// A pixel is 4/3 of a point; a character is 0.6 of the pixel size wide and a
// line 1.2 of it high.
class FakeTextMeasure : public TextMeasure {
 public:
  int AdvanceWidth(const Font& f, const std::string& text) const override {
    std::size_t n = text.empty() ? 1 : text.size();
    return static_cast<int>(n * f.pointSize * 4 * 6 / 30);  // n * px * 0.6
  }
  int LineHeight(const Font& f) const override { return f.pointSize * 4 * 12 / 30; }
};

class FakeScreens : public Screens {
 public:
  std::vector<ScreenRect> monitors{{0, 0, 1920, 1080}};
  std::vector<ScreenRect> Monitors() const override { return monitors; }
};

class FakeShell : public Shell {
 public:
  std::vector<std::string> opened;
  std::string windowsFolder = "/usr/share";
  void ShellOpen(const std::string& doc, const std::string&, const std::string&) override {
    opened.push_back(doc);
  }
  std::string WindowsFolder() const override { return windowsFolder; }
};

}  // namespace tk::test
