// How fast the board answers the operator: a score key to the repainted
// board, the layout at the common screen sizes, the public board's copy, and
// start-up to the first painted board. Qt runs on the offscreen platform with
// the real text measure and painting.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "board/catalogue.h"
#include "board/layout.h"
#include "board/public_copy.h"
#include "support/fakes.h"
#include "ui/boardWidget.h"
#include "ui/fonts.h"
#include "ui/judoUnit1.h"
#include "ui/qtPorts.h"
#include "ui/slaveU2.h"

namespace tk::bench {
namespace {

constexpr int kLayoutWaitMs = 1200;  // the 900 ms layout one-shot and some
constexpr std::array<int, 12> kNoCounts{};

// The real main window in a fresh program folder, on stand-ins for the
// dialogs, the sound and the monitor list; laid out at the given size with
// the public window beside it at the same size.
class Scoreboard {
 public:
  Scoreboard(int width, int height) {
    screens_.monitors = {{0, 0, width, height}};
    ui::FormjudoOptions options;
    options.executablePath = folder_.filePath("tavelkorn").toStdString();
    options.dialogs = &dialogs_;
    options.sound = &sound_;
    options.screens = &screens_;
    window_ = std::make_unique<ui::TFormjudo>(std::move(options));
    window_->show();
    window_->resize(width, height);
    QTest::qWait(kLayoutWaitMs);
    window_->Slave().resize(width, height);
    RealignPublicBoard(program().PublicBoard());
    window_->activateWindow();
    (void)QTest::qWaitForWindowActive(window_.get());
  }

  ui::TFormjudo& window() { return *window_; }
  Program& program() { return window_->GetProgram(); }
  void ClearCounts() { program().GetMatch().ApplyRewrite(kNoCounts); }

 private:
  QTemporaryDir folder_;
  test::FakeDialogs dialogs_;
  test::FakeSound sound_;
  test::FakeScreens screens_;
  std::unique_ptr<ui::TFormjudo> window_;
};

// From the key press Ctrl+W (a Blue wazari) to the operator's board painted
// again with the new digit.
void BM_ScoreKeyToRepaintedBoard(benchmark::State& state) {
  Scoreboard board(1920, 1080);
  ui::BoardWidget& widget = board.window().Board();
  for (auto _ : state) {
    state.PauseTiming();
    board.ClearCounts();
    widget.repaint();
    state.ResumeTiming();
    QTest::keyClick(&board.window(), Qt::Key_W, Qt::ControlModifier);
    widget.repaint();
  }
  if (board.program().GetMatch().State().blue.wazari != 1) {
    state.SkipWithError("Ctrl+W gave Blue no wazari");
  }
}
BENCHMARK(BM_ScoreKeyToRepaintedBoard)->Unit(benchmark::kMillisecond);

// One RealignPanels of the operator's board after a change of size: each run
// starts from the board as it was laid out at the design size.
void BM_RealignPanels(benchmark::State& state) {
  ui::QtTextMeasure measure;
  BoardModel designed(MainBoardCatalogue(), measure);
  RealignPanels(designed, true);
  std::optional<BoardModel> board;
  for (auto _ : state) {
    state.PauseTiming();
    board.emplace(designed);
    board->SetRootSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    state.ResumeTiming();
    RealignPanels(*board, true);
  }
  benchmark::DoNotOptimize(board->FontSize("Label15"));
}
BENCHMARK(BM_RealignPanels)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);

// One copy of the operator's board onto the public board, as every copy tick
// does, and the public board painted again, at 1920x1080; each copy carries
// a changed score.
void BM_PublicCopyAndRepaint(benchmark::State& state) {
  Scoreboard board(1920, 1080);
  ui::BoardWidget& publicWidget = board.window().Slave().Board();
  Program& program = board.program();
  int wazari = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::array<int, 12> counts{};
    counts[1] = wazari = 1 - wazari;
    program.GetMatch().ApplyRewrite(counts);
    state.ResumeTiming();
    CopyFromMain(program.MainBoard(), program.PublicBoard(), program.ClockBackgroundColour());
    publicWidget.repaint();
  }
  if (program.PublicBoard().Caption("Label12") != program.MainBoard().Caption("Label12")) {
    state.SkipWithError("the public board did not follow");
  }
}
BENCHMARK(BM_PublicCopyAndRepaint)->Unit(benchmark::kMillisecond);

// The two halves of the above apart: the copy alone, and the paint alone.
void BM_PublicCopyOnly(benchmark::State& state) {
  Scoreboard board(1920, 1080);
  Program& program = board.program();
  for (auto _ : state) {
    CopyFromMain(program.MainBoard(), program.PublicBoard(), program.ClockBackgroundColour());
  }
}
BENCHMARK(BM_PublicCopyOnly)->Unit(benchmark::kMicrosecond);

void BM_PublicRepaintOnly(benchmark::State& state) {
  Scoreboard board(1920, 1080);
  ui::BoardWidget& publicWidget = board.window().Slave().Board();
  for (auto _ : state) publicWidget.repaint();
}
BENCHMARK(BM_PublicRepaintOnly)->Unit(benchmark::kMillisecond);

// From creating the main window, as the program's entry does, to its board's
// first paint: the start-up sequence (settings, reset, log line) included.
// The layout for the window's size follows 900 ms later by design.
class FirstPaint : public QObject {
 public:
  bool painted = false;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return false;
  }
};

void BM_StartupToFirstPaintedBoard(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    QTemporaryDir folder;
    test::FakeDialogs dialogs;
    test::FakeSound sound;
    FirstPaint firstPaint;
    ui::FormjudoOptions options;
    options.executablePath = folder.filePath("tavelkorn").toStdString();
    options.dialogs = &dialogs;
    options.sound = &sound;
    std::unique_ptr<ui::TFormjudo> window;
    QElapsedTimer waited;
    state.ResumeTiming();

    window = std::make_unique<ui::TFormjudo>(std::move(options));
    window->Board().installEventFilter(&firstPaint);
    window->ShowAtStart();
    waited.start();
    while (!firstPaint.painted && waited.elapsed() < 5000) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }

    state.PauseTiming();
    if (!firstPaint.painted) state.SkipWithError("the board was never painted");
    window.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartupToFirstPaintedBoard)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace tk::bench

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QApplication application(qtArgc, argv);
  tk::ui::InstallFontSubstitutions();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
