#include "media/buzzer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/fakes.h"
#include "support/temp_folder.h"
#include "util/errors.h"

namespace tk {
namespace {

using test::TempFolder;
using test::WriteFileBytes;

// A player that, like a real one, cannot open a file that is not there.
class DiskSound : public test::FakeSound {
 public:
  void Play(const std::string& path) override {
    if (!std::filesystem::is_regular_file(path)) throw Error("File not found: " + path);
    FakeSound::Play(path);
  }
};

// Makes a folder the process's current folder for the life of the object.
class CurrentFolder {
 public:
  explicit CurrentFolder(const std::string& folder) : old_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  ~CurrentFolder() { std::filesystem::current_path(old_); }

 private:
  std::filesystem::path old_;
};

class BuzzerTest : public ::testing::Test {
 protected:
  std::string Fallback() const { return program_.Path() + "/TADA.WAV"; }
  void PutFallback() { WriteFileBytes(Fallback(), "RIFF"); }
  std::string PutSound(const std::string& name) {
    WriteFileBytes(elsewhere_ / name, "RIFF");
    return elsewhere_ / name;
  }

  TempFolder program_;    // the program folder
  TempFolder elsewhere_;  // where the operator keeps sounds
  Settings settings_;
  DiskSound sound_;
  // The program folder as given without its trailing separator.
  Buzzer buzzer_{settings_, sound_, program_.Path()};
};

TEST_F(BuzzerTest, ChosenFileIsPlayedAtEveryCueAndKept) {
  settings_.MajorSound = PutSound("gong.wav");
  PutFallback();
  buzzer_.SoundBuzzer();
  buzzer_.SoundBuzzer();  // a second cue starts the sound again
  buzzer_.TestBuzzer();
  EXPECT_EQ(sound_.played, std::vector<std::string>(3, elsewhere_ / "gong.wav"));
  EXPECT_EQ(settings_.MajorSound, elsewhere_ / "gong.wav");
}

TEST_F(BuzzerTest, BareNameIsLookedUpInTheCurrentFolder) {
  PutSound("gong.wav");
  PutFallback();
  CurrentFolder inSounds(elsewhere_.Path());
  settings_.MajorSound = "gong.wav";
  buzzer_.SoundBuzzer();
  EXPECT_EQ(sound_.played, std::vector<std::string>{"gong.wav"});
  EXPECT_EQ(settings_.MajorSound, "gong.wav");
}

TEST_F(BuzzerTest, MissingChosenFileIsReplacedByTheProgramFoldersDefault) {
  PutFallback();
  CurrentFolder inSounds(elsewhere_.Path());  // no TADA.WAV here
  const std::vector<std::string> missingFiles = {"", "TADA.WAV", elsewhere_ / "deleted.wav"};
  for (const std::string& missing : missingFiles) {
    settings_.MajorSound = missing;
    sound_.played.clear();
    buzzer_.SoundBuzzer();
    EXPECT_EQ(settings_.MajorSound, Fallback()) << "'" << missing << "'";
    EXPECT_EQ(sound_.played, std::vector<std::string>{Fallback()}) << "'" << missing << "'";
  }
}

TEST_F(BuzzerTest, WithNeitherFileTheCueIsSilentAndTheTestReportsIt) {
  settings_.MajorSound = elsewhere_ / "deleted.wav";
  EXPECT_NO_THROW(buzzer_.SoundBuzzer());
  EXPECT_TRUE(sound_.played.empty());
  EXPECT_EQ(settings_.MajorSound, Fallback());

  settings_.MajorSound = elsewhere_ / "deleted.wav";
  EXPECT_THROW(buzzer_.TestBuzzer(), Error);
  EXPECT_EQ(settings_.MajorSound, Fallback());
  EXPECT_TRUE(sound_.played.empty());
}

TEST_F(BuzzerTest, FileThatCannotBePlayedRaisesThePlayersErrorInBothCues) {
  settings_.MajorSound = PutSound("broken.wav");
  sound_.fail = true;
  EXPECT_THROW(buzzer_.SoundBuzzer(), Error);
  EXPECT_THROW(buzzer_.TestBuzzer(), Error);
  EXPECT_EQ(settings_.MajorSound, elsewhere_ / "broken.wav");
}

TEST_F(BuzzerTest, BrowseOpensWhereTheCurrentFileLies) {
  struct Case {
    std::string majorSound, folder, name;
  };
  const std::vector<Case> cases = {
      {"", "/usr/share/media", ""},  // nothing chosen: the system's media folder
      {"/srv/judo/sounds/gong.wav", "/srv/judo/sounds/", "gong.wav"},
      {"TADA.WAV", "", "TADA.WAV"},  // a bare name: the dialog's own folder
  };
  test::FakeDialogs dialogs;
  test::FakeShell shell;
  shell.windowsFolder = "/usr/share";
  for (const auto& c : cases) {
    settings_.MajorSound = c.majorSound;
    buzzer_.BrowseBuzzerFile(dialogs, shell);
    EXPECT_EQ(dialogs.lastFileOptions.initialFolder, c.folder) << c.majorSound;
    EXPECT_EQ(dialogs.lastFileOptions.initialFileName, c.name) << c.majorSound;
    EXPECT_EQ(dialogs.lastFileOptions.filter, "WAV audio files |*.wav");
    EXPECT_EQ(dialogs.lastFileOptions.defaultExtension, ".wav");
  }
}

TEST_F(BuzzerTest, BrowseTakesTheConfirmedFileAndCancelChangesNothing) {
  test::FakeDialogs dialogs;
  test::FakeShell shell;
  settings_.MajorSound = "TADA.WAV";
  buzzer_.BrowseBuzzerFile(dialogs, shell);  // cancelled
  EXPECT_EQ(settings_.MajorSound, "TADA.WAV");

  dialogs.fileToChoose = "/srv/judo/sounds/horn.wav";
  buzzer_.BrowseBuzzerFile(dialogs, shell);
  EXPECT_EQ(settings_.MajorSound, "/srv/judo/sounds/horn.wav");
  EXPECT_TRUE(sound_.played.empty());
}

}  // namespace
}  // namespace tk
