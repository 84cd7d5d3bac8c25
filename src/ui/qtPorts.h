// The ports of the program implemented with Qt: text measurement, dialogs,
// sound, screens, shell and clock.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <memory>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/screens.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "platform/text_measure.h"
#include "ui/fonts.h"

class QWidget;
class QSoundEffect;

namespace tk::ui {

class TFormrewrite;

class QtTextMeasure : public TextMeasure {
 public:
  int AdvanceWidth(const Font& font, const std::string& text) const override;
  int LineHeight(const Font& font) const override;

 private:
  FontCache fonts_;
};

// Message boxes carry the application title, as every message of the
// program does.
class QtDialogs : public Dialogs {
 public:
  // `parent` owns the boxes; `rewrite` is the rewrite dialog (may be null
  // until it exists, then EditScores answers Cancel).
  explicit QtDialogs(QWidget* parent = nullptr, TFormrewrite* rewrite = nullptr)
      : parent_(parent), rewrite_(rewrite) {}
  void SetRewriteDialog(TFormrewrite* rewrite) { rewrite_ = rewrite; }

  void ShowMessage(const std::string& text) override;
  Answer Confirm(const std::string& text, ConfirmButtons buttons) override;
  std::optional<std::string> OpenFile(const FileDialogOptions& options) override;
  std::optional<std::string> SaveFile(const FileDialogOptions& options) override;
  bool EditScores(std::array<int, 12>& counts, std::uint32_t bluePanelRgb) override;

 private:
  QWidget* parent_;
  TFormrewrite* rewrite_;
};

// "WAV audio files |*.wav|All|*.*" -> "WAV audio files (*.wav);;All (*.*)".
QString QtFileFilter(const std::string& filter);

// Checks that the file exists and starts like a RIFF/WAVE file; throws
// tk::Error with the reason otherwise.
void CheckWaveFile(const std::string& path);

// One playback channel: a new sound stops the one still playing.
class QtSound : public Sound {
 public:
  QtSound();
  ~QtSound() override;
  void Play(const std::string& path) override;

 private:
  std::unique_ptr<QSoundEffect> effect_;
};

// The primary monitor first, then the others in the window system's order.
class QtScreens : public Screens {
 public:
  std::vector<ScreenRect> Monitors() const override;
};

class QtShell : public Shell {
 public:
  // A program is started in `folder` with `parameters`; any other document
  // goes to the desktop's open service.
  void ShellOpen(const std::string& document, const std::string& parameters,
                 const std::string& folder) override;
  // The system's shared data folder stands where other platforms keep their
  // system folder.
  std::string WindowsFolder() const override { return "/usr/share"; }
};

class QtClock : public Clock {
 public:
  QtClock() { monotonic_.start(); }
  LocalDateTime Now() const override;
  std::string ShortDate(const LocalDateTime& when) const override;
  std::string LongTime(const LocalDateTime& when) const override;
  std::int64_t MonotonicMs() const override { return monotonic_.elapsed(); }

 private:
  QElapsedTimer monotonic_;
};

}  // namespace tk::ui
