// A language switch of the shown window on the simulated mouse: pictures, layout and texts
// of the new skin set, the page shown again, and the repaint that follows.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "shell/dialogs_view.h"
#include "shell/main_window_view.h"

namespace {

void BM_LanguageSwitch(benchmark::State& state) {
  orvane::DeviceStackOptions options;
  options.simulate = true;
  std::string error;
  orvane::DeviceStack::Failure failure;
  auto stack = orvane::DeviceStack::Create(options, error, failure);
  if (!stack) {
    state.SkipWithError(error.c_str());
    return;
  }
  orvane::ScriptedDialogs dialogs;
  orvane::MainWindow window(*stack, dialogs, std::nullopt);
  window.show();
  window.Watch().DevTimerTimer();  // read the mouse so the page buttons work
  QApplication::processEvents();
  int language = 1;
  for (auto _ : state) {
    language = language % 3 + 1;
    window.OnMainAction(static_cast<orvane::MainAction>(
        static_cast<int>(orvane::MainAction::kLanguage1) + language - 1));
    window.repaint();
    QApplication::processEvents();
  }
  if (!dialogs.shown.empty()) state.SkipWithError("the switch showed a message");
}
BENCHMARK(BM_LanguageSwitch)->Unit(benchmark::kMillisecond);

}  // namespace
