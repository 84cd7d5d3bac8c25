// Reading, rewriting and appending text files by the program's line rules.
#include "util/text_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "util/errors.h"

namespace tk {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using Lines = std::vector<std::string>;

// A fresh, empty folder per test, removed afterwards.
class TextFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "tk_text_file_XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

  void WriteBytes(const std::string& path, const std::string& bytes) const {
    std::ofstream(path, std::ios::binary) << bytes;
  }

  std::string ReadBytes(const std::string& path) const {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  // Names of everything in the folder, to see that no temporary file stayed.
  std::vector<std::string> FolderEntries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  // What() of the FileError the call throws, or "" when it throws none.
  template <typename Call>
  static std::string FileErrorOf(Call call) {
    try {
      call();
    } catch (const FileError& error) {
      return error.what();
    }
    return "";
  }

  fs::path folder_;
};

TEST_F(TextFileTest, SplitsLinesByTheLineRules) {
  struct Case {
    std::string bytes;
    Lines expected;
  };
  const std::vector<Case> cases = {
      {"", {}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\r\nb", {"a", "b"}},  // a last line without terminator counts
      {"\r\n", {""}},
      {"\r\n\r\n", {"", ""}},
      {"a\r\r\nb", {"a", "", "b"}},  // only one LF belongs to a CR
      {"a\r\n\nb", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},
      {"a\r\nb\x1A"
       "c\r\nd\r\n",
       {"a", "b"}},
      {"a\r\n\x1A\r\n", {"a"}},
      {"\x1A"
       "a",
       {}},
      {"a\rb\x1A", {"a", "b"}},
      {" a\t b \r\n", {" a\t b "}},  // lines come back untrimmed
      {"x\0y\r\n"s, {"x\0y"s}},
      {"\xC3\xA9t\xE9\r\n", {"\xC3\xA9t\xE9"}},
  };
  const std::string path = PathOf("lines.txt");
  for (const auto& c : cases) {
    WriteBytes(path, c.bytes);
    EXPECT_EQ(ReadTextLines(path), c.expected) << testing::PrintToString(c.bytes);
  }
}

TEST_F(TextFileTest, ReadsALargeFileWhole) {
  std::string bytes;
  Lines expected;
  for (int i = 0; i < 20000; ++i) {
    expected.push_back("line " + std::to_string(i));
    bytes += expected.back() + (i % 2 ? "\r\n" : "\n");
  }
  WriteBytes(PathOf("big.txt"), bytes);
  EXPECT_EQ(ReadTextLines(PathOf("big.txt")), expected);
}

TEST_F(TextFileTest, ReadingAMissingFileOrAFolderNamesThePath) {
  const std::string missing = PathOf("missing.txt");
  EXPECT_EQ(FileErrorOf([&] { ReadTextLines(missing); }),
            "Cannot open file " + missing + ": No such file or directory");
  const std::string folder = folder_.string();
  EXPECT_EQ(FileErrorOf([&] { ReadTextLines(folder); }),
            "Cannot read file " + folder + ": Is a directory");
}

TEST_F(TextFileTest, RewriteEndsEveryLineWithCrLfAndReadsBack) {
  const std::string path = PathOf("settings.ini");
  const Lines lines = {"Match = 4", "", " padded \t", "last"};
  WriteTextFileAtomic(path, lines);
  EXPECT_EQ(ReadBytes(path), "Match = 4\r\n\r\n padded \t\r\nlast\r\n");
  EXPECT_EQ(ReadTextLines(path), lines);

  WriteTextFileAtomic(path, {"short"});
  EXPECT_EQ(ReadBytes(path), "short\r\n");
  WriteTextFileAtomic(path, {});
  EXPECT_EQ(ReadBytes(path), "");
  EXPECT_EQ(FolderEntries(), Lines{"settings.ini"});
}

TEST_F(TextFileTest, RewriteKeepsThePermissionsOfTheReplacedFile) {
  const std::string path = PathOf("players.txt");
  WriteBytes(path, "old\r\n");
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  WriteTextFileAtomic(path, {"new"});
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(TextFileTest, RewriteIntoAMissingFolderFailsAndCreatesNothing) {
  const std::string path = PathOf("no_such_folder/settings.ini");
  EXPECT_EQ(FileErrorOf([&] { WriteTextFileAtomic(path, {"a"}); }), "Cannot create file " + path);
  EXPECT_TRUE(FolderEntries().empty());
}

TEST_F(TextFileTest, RewriteOverAFolderFailsAndLeavesItAndNoTemporaryFile) {
  const std::string path = PathOf("slides.sli");
  fs::create_directory(path);
  WriteBytes(path + "/inside.txt", "kept");
  EXPECT_EQ(FileErrorOf([&] { WriteTextFileAtomic(path, {"a"}); }), "Cannot create file " + path);
  EXPECT_EQ(ReadBytes(path + "/inside.txt"), "kept");
  EXPECT_EQ(FolderEntries(), Lines{"slides.sli"});
}

// The file-size limit makes the system refuse writes part-way, as a full disk
// does, while the old file is still in place.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    oldHandler_ = ::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &old_);
    rlimit limited = old_;
    limited.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    ::signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit old_{};
  sighandler_t oldHandler_{};
};

TEST_F(TextFileTest, RewriteThatRunsOutOfSpaceLeavesTheOldFileWhole) {
  const std::string path = PathOf("players.txt");
  const std::string old = "Smith\tJohn\r\nDoe\tJane\r\n";
  WriteBytes(path, old);
  const Lines tooLong(200, std::string(40, 'x'));
  std::string error;
  {
    FileSizeLimit limit(1024);
    error = FileErrorOf([&] { WriteTextFileAtomic(path, tooLong); });
  }
  EXPECT_EQ(error, "Cannot create file " + path);
  EXPECT_EQ(ReadBytes(path), old);
  EXPECT_EQ(FolderEntries(), Lines{"players.txt"});
}

TEST_F(TextFileTest, AppendCreatesTheFileThenAddsWholeLines) {
  const std::string path = PathOf("tournament_log.txt");
  AppendTextLines(path, {"header"});
  AppendTextLines(path, {"match 1", "match 2"});
  AppendTextLines(path, {});
  EXPECT_EQ(ReadBytes(path), "header\r\nmatch 1\r\nmatch 2\r\n");
}

TEST_F(TextFileTest, AppendThatRunsOutOfSpaceLeavesNoHalfLine) {
  const std::string path = PathOf("tournament_log.txt");
  const std::string old = "header\r\n";
  WriteBytes(path, old);
  std::string error;
  {
    FileSizeLimit limit(1024);
    error = FileErrorOf([&] { AppendTextLines(path, {std::string(2000, 'x')}); });
  }
  EXPECT_EQ(error, "Cannot write file " + path + ": File too large");
  EXPECT_EQ(ReadBytes(path), old);
}

TEST_F(TextFileTest, AppendFailuresNameThePath) {
  const std::string missingFolder = PathOf("no_such_folder/log.txt");
  EXPECT_EQ(FileErrorOf([&] { AppendTextLines(missingFolder, {"a"}); }),
            "Cannot open file " + missingFolder + ": No such file or directory");
  const std::string folder = folder_.string();
  EXPECT_EQ(FileErrorOf([&] { AppendTextLines(folder, {"a"}); }),
            "Cannot open file " + folder + ": Is a directory");
}

TEST_F(TextFileTest, FileExistsOnlyForRegularFiles) {
  const std::string file = PathOf("signals.sig");
  EXPECT_FALSE(FileExists(file));
  WriteBytes(file, "");
  EXPECT_TRUE(FileExists(file));
  EXPECT_FALSE(FileExists(folder_.string()));
  EXPECT_FALSE(FileExists(""));
  fs::create_symlink(file, PathOf("link.sig"));
  EXPECT_TRUE(FileExists(PathOf("link.sig")));
  fs::remove(file);
  EXPECT_FALSE(FileExists(PathOf("link.sig")));
}

}  // namespace
}  // namespace tk
