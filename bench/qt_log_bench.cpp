// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// The cost of one check-box toggle on the real Linux window (offscreen), with the log
// already holding 10 to 100,000 lines: the click, the two log writes and the repaint.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "core/catalogue.h"
#include "tests/qt/qt_window.h"

namespace {

using voice_types::Text;
using voice_types::VoiceGroup;
using voice_types::qt::tests::QtWindow;

// A log of `lines` lines as the program writes them.
Text LogOf(std::int64_t lines) {
  const std::string line =
      std::string(voice_types::catalogue::ToggledPrefix(VoiceGroup::Female, true)) + "Сопран\r\n";
  std::string text = "Избрано: Глас - жени\r\n";
  text.reserve(text.size() + line.size() * static_cast<std::size_t>(lines));
  for (std::int64_t i = 1; i < lines; ++i) text += line;
  return Text(text);
}

void BM_ToggleWithLogLines(benchmark::State& state) {
  const std::int64_t lines = state.range(0);
  QtWindow window;
  window.Click(window.form.Option(0));
  const Text log = LogOf(lines);
  const std::int64_t refill_after = std::max<std::int64_t>(100, lines / 10);
  window.port.SetLogText(log);
  QApplication::processEvents();
  QCheckBox& box = window.form.Voice(VoiceGroup::Female, 1);
  std::int64_t since_refill = 0;
  for (auto _ : state) {
    box.click();
    QApplication::processEvents();
    if (++since_refill == refill_after) {
      state.PauseTiming();
      window.port.SetLogText(log);
      QApplication::processEvents();
      since_refill = 0;
      state.ResumeTiming();
    }
  }
  state.counters["log_lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_ToggleWithLogLines)->Arg(10)->Arg(1000)->Arg(10000)->Arg(100000)->MinTime(1.0);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
