#include "ui/qtPorts.h"

#include <QDate>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QSoundEffect>
#include <QTime>
#include <QUrl>

#ifdef TK_HAVE_UI_FORMS
#include "ui/forms/rewriteU1.h"
#endif
#include "ui/qtText.h"
#include "util/errors.h"

namespace tk::ui {

// ---- Text measurement -------------------------------------------------------

int QtTextMeasure::AdvanceWidth(const Font& font, const std::string& text) const {
  return fonts_.Metrics(font).horizontalAdvance(text.empty() ? QStringLiteral(" ")
                                                             : ToQString(text));
}

int QtTextMeasure::LineHeight(const Font& font) const {
  return fonts_.Metrics(font).height();
}

// ---- Dialogs ----------------------------------------------------------------

namespace {

QString BoxTitle() {
  return QCoreApplication::applicationName();
}

std::optional<std::string> RunFileDialog(QWidget* parent, const FileDialogOptions& options,
                                         QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, ToQString(options.title));
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  if (!options.filter.empty()) dialog.setNameFilter(QtFileFilter(options.filter));
  QString suffix = ToQString(options.defaultExtension);
  if (suffix.startsWith('.')) suffix.remove(0, 1);
  if (!suffix.isEmpty()) dialog.setDefaultSuffix(suffix);
  if (!options.initialFolder.empty()) dialog.setDirectory(ToQString(options.initialFolder));
  if (!options.initialFileName.empty()) dialog.selectFile(ToQString(options.initialFileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return FromQString(QDir::toNativeSeparators(dialog.selectedFiles().front()));
}

}  // namespace

void QtDialogs::ShowMessage(const std::string& text) {
  QMessageBox::information(parent_, BoxTitle(), ToQString(text));
}

Answer QtDialogs::Confirm(const std::string& text, ConfirmButtons buttons) {
  const QMessageBox::StandardButton other =
      buttons == ConfirmButtons::YesCancel ? QMessageBox::Cancel : QMessageBox::No;
  const auto pressed =
      QMessageBox::question(parent_, BoxTitle(), ToQString(text), QMessageBox::Yes | other, other);
  if (pressed == QMessageBox::Yes) return Answer::Yes;
  return buttons == ConfirmButtons::YesCancel ? Answer::Cancel : Answer::No;
}

std::optional<std::string> QtDialogs::OpenFile(const FileDialogOptions& options) {
  return RunFileDialog(parent_, options, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtDialogs::SaveFile(const FileDialogOptions& options) {
  return RunFileDialog(parent_, options, QFileDialog::AcceptSave);
}

bool QtDialogs::EditScores(std::array<int, 12>& counts, std::uint32_t bluePanelRgb) {
#ifdef TK_HAVE_UI_FORMS
  return rewrite_ != nullptr && rewrite_->Edit(counts, bluePanelRgb);
#else
  (void)counts;
  (void)bluePanelRgb;
  return false;
#endif
}

QString QtFileFilter(const std::string& filter) {
  const QStringList parts = ToQString(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1].trimmed();
    patterns.replace(';', ' ');
    filters << parts[i].trimmed() + " (" + patterns + ")";
  }
  return filters.join(";;");
}

// ---- Sound ------------------------------------------------------------------

void CheckWaveFile(const std::string& path) {
  QFile file(ToQString(path));
  if (!QFileInfo(file).isFile()) throw Error("Cannot play " + path + ": the file does not exist");
  if (!file.open(QIODevice::ReadOnly)) {
    throw Error("Cannot play " + path + ": " + FromQString(file.errorString()));
  }
  const QByteArray header = file.read(12);
  if (header.size() < 12 || !header.startsWith("RIFF") || header.mid(8, 4) != "WAVE") {
    throw Error("Cannot play " + path + ": it is not a WAV sound file");
  }
}

QtSound::QtSound() : effect_(std::make_unique<QSoundEffect>()) {}
QtSound::~QtSound() = default;

void QtSound::Play(const std::string& path) {
  CheckWaveFile(path);
  const QUrl source = QUrl::fromLocalFile(QFileInfo(ToQString(path)).absoluteFilePath());
  effect_->stop();
  // The effect loads asynchronously and starts as soon as it is loaded.
  if (effect_->source() != source) effect_->setSource(source);
  effect_->play();
}

// ---- Screens ----------------------------------------------------------------

std::vector<ScreenRect> QtScreens::Monitors() const {
  QList<QScreen*> screens = QGuiApplication::screens();
  QScreen* primary = QGuiApplication::primaryScreen();
  if (primary != nullptr && screens.removeOne(primary)) screens.prepend(primary);
  std::vector<ScreenRect> result;
  for (const QScreen* screen : screens) {
    const QRect g = screen->geometry();
    result.push_back({g.left(), g.top(), g.width(), g.height()});
  }
  return result;
}

// ---- Shell ------------------------------------------------------------------

void QtShell::ShellOpen(const std::string& document, const std::string& parameters,
                        const std::string& folder) {
  const QString doc = ToQString(document);
  if (doc.contains("://")) {
    QDesktopServices::openUrl(QUrl(doc));
    return;
  }
  QFileInfo info(doc);
  if (info.isRelative() && !folder.empty()) info = QFileInfo(QDir(ToQString(folder)), doc);
  if (info.isFile() && info.isExecutable()) {
    QProcess::startDetached(info.absoluteFilePath(), QProcess::splitCommand(ToQString(parameters)),
                            folder.empty() ? info.absolutePath() : ToQString(folder));
    return;
  }
  QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}

// ---- Clock ------------------------------------------------------------------

namespace {

// The locale's long time format names the time zone; a time on the board or
// in the log never shows it.
QString WithoutTimeZone(const QString& format) {
  QString result;
  bool quoted = false;
  for (QChar c : format) {
    if (c == '\'') quoted = !quoted;
    if (!quoted && c == 't') continue;
    result += c;
  }
  return result.simplified();
}

}  // namespace

LocalDateTime QtClock::Now() const {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate d = now.date();
  const QTime t = now.time();
  return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

std::string QtClock::ShortDate(const LocalDateTime& when) const {
  return FromQString(
      QLocale::system().toString(QDate(when.year, when.month, when.day), QLocale::ShortFormat));
}

std::string QtClock::LongTime(const LocalDateTime& when) const {
  const QLocale locale = QLocale::system();
  return FromQString(locale.toString(QTime(when.hour, when.minute, when.second),
                                     WithoutTimeZone(locale.timeFormat(QLocale::LongFormat))));
}

}  // namespace tk::ui
