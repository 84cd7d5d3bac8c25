// The Qt ports: text measurement agrees with painting, the board's families
// resolve to installed faces, the WAV check, the file filters, the clock.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <stdexcept>

#include "support/fakes.h"
#include "ui/fonts.h"
#include "ui/guard.h"
#include "ui/qtPorts.h"
#include "util/errors.h"

namespace tk::ui {
namespace {

// Qt's event loop cannot carry an exception: whatever a handler throws ends
// that handler with a message and goes no further.
TEST(ErrorGuard, NothingAHandlerThrowsLeavesTheGuard) {
  const struct {
    const char* kind;
    std::function<void()> handler;
    std::string message;
  } rows[] = {
      {"program error", [] { throw ConversionError("x"); }, "'x' is not a valid integer value"},
      {"library error", [] { throw std::out_of_range("no such element"); }, "no such element"},
      {"anything else", [] { throw 42; }, "Unknown error"},
  };
  for (const auto& row : rows) {
    test::FakeDialogs dialogs;
    EXPECT_NO_THROW(Guarded(dialogs, row.handler)) << row.kind;
    ASSERT_EQ(dialogs.messages.size(), 1u) << row.kind;
    EXPECT_EQ(dialogs.messages.front(), row.message) << row.kind;
  }
}

TEST(FontSizes, PointsAtNinetySixDpiBecomeTheBoardsPixelSizes) {
  // The pairs the board's elements are designed with.
  const struct {
    int points, pixels;
  } rows[] = {{132, 176}, {72, 96}, {48, 64}, {44, 59}, {28, 37}, {24, 32},
              {20, 27},   {16, 21}, {14, 19}, {12, 16}, {8, 11}};
  for (const auto& row : rows) {
    EXPECT_EQ(PixelSizeForPoints(row.points), row.pixels) << row.points << " pt";
    EXPECT_EQ(ToQFont(Font{"Arial", row.points}).pixelSize(), row.pixels) << row.points << " pt";
  }
}

TEST(FontSizes, ABoardFontNeverHasAnInvalidPixelSize) {
  // The layout's fitting loops can reach 0 pt on a board shrunk to nothing.
  EXPECT_GE(ToQFont(Font{"Arial", 0}).pixelSize(), 1);
}

TEST(Families, EveryBoardFamilyResolvesToAnInstalledFace) {
  const struct {
    const char* family;
    const char* face;
    bool bold;
  } rows[] = {
      {"Times New Roman", "Liberation Serif", false}, {"Arial", "Liberation Sans", false},
      {"Arial Black", "Liberation Sans", true},       {"Stencil", "Liberation Sans", true},
      {"MS Sans Serif", "Liberation Sans", false},
  };
  for (const auto& row : rows) {
    const QFontInfo info(ToQFont(Font{row.family, 20}));
    EXPECT_EQ(info.family(), row.face) << row.family;
    EXPECT_EQ(info.bold(), row.bold) << row.family;
  }
}

// The extent of the pixels a painter sets when drawing `text` at (0, 0).
QRect PaintedExtent(const Font& font, const QString& text) {
  QImage image(2000, 400, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setFont(ToQFont(font));
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, image.width(), image.height()), Qt::AlignLeft | Qt::AlignTop,
                     text);
  }
  QRect extent;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 128) extent |= QRect(x, y, 1, 1);
    }
  }
  return extent;
}

TEST(QtTextMeasure, PaintedCaptionsLieInsideTheirMeasuredBox) {
  const QtTextMeasure measure;
  const struct {
    Font font;
    const char* text;
  } rows[] = {
      {{"Times New Roman", 132, true}, "0"},
      {{"Times New Roman", 72, true}, "10:05"},
      {{"Arial", 16, false, false, true}, "Hajime F5"},
      {{"Arial Black", 14, true}, "Player`s name"},
      {{"Stencil", 72}, "00"},
  };
  for (const auto& row : rows) {
    const int width = measure.AdvanceWidth(row.font, row.text);
    const int height = measure.LineHeight(row.font);
    const QRect painted = PaintedExtent(row.font, row.text);
    ASSERT_FALSE(painted.isEmpty()) << row.text;
    EXPECT_LE(painted.right(), width + 1) << row.text;
    EXPECT_LE(painted.bottom(), height) << row.text;
    // The box is the caption's own size, not far larger.
    EXPECT_GE(painted.width(), width / 2) << row.text;
    EXPECT_GE(painted.height(), height / 3) << row.text;
  }
}

TEST(QtTextMeasure, AnEmptyCaptionMeasuresAsOneBlank) {
  const QtTextMeasure measure;
  const Font font{"Arial Black", 14, true};
  EXPECT_GT(measure.AdvanceWidth(font, ""), 0);
  EXPECT_EQ(measure.AdvanceWidth(font, ""), measure.AdvanceWidth(font, " "));
}

TEST(QtTextMeasure, SizesGrowWithThePointSize) {
  // The layout's fitting loops step the size until a measure crosses a bound.
  const QtTextMeasure measure;
  Font font{"Times New Roman", 10, true};
  int lastHeight = 0, lastWidth = 0;
  for (int pt = 10; pt <= 200; pt += 10) {
    font.pointSize = pt;
    EXPECT_GT(measure.LineHeight(font), lastHeight) << pt;
    EXPECT_GT(measure.AdvanceWidth(font, "4:00"), lastWidth) << pt;
    lastHeight = measure.LineHeight(font);
    lastWidth = measure.AdvanceWidth(font, "4:00");
  }
}

TEST(QtFileFilter, TurnsPipeSeparatedFiltersIntoQtFilters) {
  const struct {
    const char* filter;
    const char* expected;
  } rows[] = {
      {"WAV audio files |*.wav", "WAV audio files (*.wav)"},
      {"Pictures|*.jpg;*.bmp|All files|*.*", "Pictures (*.jpg *.bmp);;All files (*.*)"},
      {"", ""},
  };
  for (const auto& row : rows) EXPECT_EQ(QtFileFilter(row.filter), row.expected) << row.filter;
}

class WaveFiles : public testing::Test {
 protected:
  std::string Write(const char* name, const std::string& bytes) {
    const std::string path = dir_.filePath(name).toStdString();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  std::string Path(const char* name) const { return dir_.filePath(name).toStdString(); }
  QTemporaryDir dir_;
};

TEST_F(WaveFiles, OnlyAnExistingRiffWaveFileIsPlayed) {
  const struct {
    std::string path;
    const char* reason;  // empty: accepted
  } rows[] = {
      {Path("missing.wav"), "does not exist"},
      {Write("text.wav", "this is no sound at all"), "not a WAV"},
      {Write("short.wav", "RIFF"), "not a WAV"},
      {Write("avi.wav", std::string("RIFF\x10\0\0\0AVI LIST", 16)), "not a WAV"},
      {Write("ok.wav", std::string("RIFF\x24\0\0\0WAVEfmt ", 16)), ""},
  };
  for (const auto& row : rows) {
    if (*row.reason == '\0') {
      EXPECT_NO_THROW(CheckWaveFile(row.path)) << row.path;
      continue;
    }
    try {
      CheckWaveFile(row.path);
      ADD_FAILURE() << row.path << " was accepted";
    } catch (const Error& error) {
      EXPECT_NE(std::string(error.what()).find(row.reason), std::string::npos) << error.what();
      EXPECT_NE(std::string(error.what()).find(row.path), std::string::npos) << error.what();
    }
  }
}

TEST_F(WaveFiles, PlayingAMissingFileIsReportedNotSilent) {
  QtSound sound;
  EXPECT_THROW(sound.Play(Path("TADA.WAV")), Error);
}

#ifdef TK_MAKE_BUZZER
std::uint32_t LE(const QByteArray& b, int at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(b[at + i]);
  return v;
}

TEST_F(WaveFiles, TheGeneratedBuzzerIsAShortUnclippedPcmWave) {
  const std::string path = Path("TADA.WAV");
  ASSERT_EQ(std::system((std::string(TK_MAKE_BUZZER) + " '" + path + "'").c_str()), 0);
  EXPECT_NO_THROW(CheckWaveFile(path));
  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray b = file.readAll();
  ASSERT_GE(b.size(), 44);
  EXPECT_EQ(LE(b, 4, 4), static_cast<std::uint32_t>(b.size() - 8));  // RIFF size
  EXPECT_EQ(b.mid(12, 4), "fmt ");
  EXPECT_EQ(LE(b, 20, 2), 1u);   // PCM
  EXPECT_EQ(LE(b, 22, 2), 1u);   // mono
  EXPECT_EQ(LE(b, 34, 2), 16u);  // bits
  const std::uint32_t rate = LE(b, 24, 4);
  EXPECT_EQ(LE(b, 28, 4), rate * 2);
  EXPECT_EQ(b.mid(36, 4), "data");
  const std::uint32_t dataBytes = LE(b, 40, 4);
  ASSERT_EQ(dataBytes, static_cast<std::uint32_t>(b.size() - 44));
  const double seconds = dataBytes / 2.0 / rate;
  EXPECT_GE(seconds, 0.5);
  EXPECT_LE(seconds, 1.5);
  int peak = 0;
  for (std::uint32_t i = 0; i < dataBytes / 2; ++i) {
    peak =
        std::max(peak, std::abs(static_cast<int>(static_cast<std::int16_t>(LE(b, 44 + 2 * i, 2)))));
  }
  EXPECT_GT(peak, 16000);  // loud enough for a hall
  EXPECT_LT(peak, 32767);  // and not clipped
  // Starts and ends in silence, so it does not click.
  EXPECT_LT(std::abs(static_cast<std::int16_t>(LE(b, 44, 2))), 1000);
  EXPECT_LT(std::abs(static_cast<std::int16_t>(LE(b, b.size() - 2, 2))), 1000);
}
#endif

TEST(QtClock, TheLongTimeShowsNoTimeZone) {
  const QtClock clock;
  const LocalDateTime when{2006, 12, 25, 15, 45, 12};
  const std::string text = clock.LongTime(when);
  EXPECT_NE(text.find("45"), std::string::npos) << text;
  EXPECT_NE(text.find("12"), std::string::npos) << text;
  const std::string zone = QDateTime::currentDateTime().timeZoneAbbreviation().toStdString();
  if (!zone.empty()) {
    EXPECT_EQ(text.find(zone), std::string::npos) << text;
  }
  const std::string date = clock.ShortDate(when);
  EXPECT_NE(date.find("25"), std::string::npos) << date;
}

TEST(QtScreens, ThePrimaryMonitorComesFirst) {
  const auto monitors = QtScreens().Monitors();
  ASSERT_EQ(monitors.size(), static_cast<std::size_t>(QGuiApplication::screens().size()));
  const QRect primary = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(monitors.front().left, primary.left());
  EXPECT_EQ(monitors.front().width, primary.width());
}

}  // namespace
}  // namespace tk::ui
