// A program in a temporary program folder, with the fakes of every port and a
// FakeView, for the tests of the composition root.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "program/fake_view.h"
#include "program/program.h"
#include "records/tournament_log.h"
#include "support/fakes.h"

namespace tk::test {

class ProgramRig : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "tk_program_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override {
    program_.reset();
    std::filesystem::remove_all(folder_);
  }

  // A new program (the previous one, if any, is dropped without closing).
  Program& Create(std::vector<std::string> arguments = {}) {
    program_.reset();
    view_ = FakeView{};
    program_ = std::make_unique<Program>(
        ProgramPorts{measure_, clock_, dialogs_, sound_, screens_, shell_, view_}, ExecutablePath(),
        std::move(arguments));
    program_->MainBoard().SetRootSize(1280, 720);
    program_->PublicBoard().SetRootSize(800, 600);
    return *program_;
  }
  Program& Start(std::vector<std::string> arguments = {}) {
    Create(std::move(arguments));
    program_->OnShow();
    return *program_;
  }

  std::string ExecutablePath() const { return (folder_ / "tavelkorn").string(); }
  std::string InFolder(const std::string& name) const { return (folder_ / name).string(); }
  std::string SettingsFile() const { return InFolder("tavelkorn.ini"); }
  std::string TodaysLog() const { return TournamentLog(folder_.string(), clock_).TodaysFileName(); }

  void WriteFile(const std::string& name, const std::string& contents) const {
    std::ofstream(InFolder(name), std::ios::binary) << contents;
  }
  static std::vector<std::string> Lines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
    }
    return lines;
  }

  Program& P() { return *program_; }
  BoardModel& Board() { return program_->MainBoard(); }
  const MatchState& State() { return program_->GetMatch().State(); }

  FakeTextMeasure measure_;
  FakeClock clock_;
  FakeDialogs dialogs_;
  FakeSound sound_;
  FakeScreens screens_;
  FakeShell shell_;
  FakeView view_;
  std::filesystem::path folder_;
  std::unique_ptr<Program> program_;
};

}  // namespace tk::test
