// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// The cost of one check-box toggle on the real Windows window, with the log holding 10
// lines, past 30,000 characters, and 100,000 lines: the click, the two log writes and the
// paint. Google Benchmark has no Windows build here, so this times with the performance
// counter and prints the median of many toggles.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/catalogue.h"
#include "tests/win32/win32_window.h"

namespace {

using voice_types::Text;
using voice_types::VoiceGroup;
using voice_types::win32::tests::Win32Window;

double Seconds() {
  LARGE_INTEGER frequency;
  LARGE_INTEGER count;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&count);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

Text LogOf(int lines) {
  const std::string line =
      std::string(voice_types::catalogue::ToggledPrefix(VoiceGroup::Female, true)) + "Сопран\r\n";
  std::string text = "Избрано: Глас - жени\r\n";
  for (int i = 1; i < lines; ++i) text += line;
  return Text(text);
}

double MedianToggleMicroseconds(Win32Window& window, int toggles) {
  HWND box = window.form.Voice(VoiceGroup::Female, 1);
  std::vector<double> times;
  for (int i = 0; i < toggles; ++i) {
    const double start = Seconds();
    window.Click(box);
    window.Pump();
    times.push_back((Seconds() - start) * 1e6);
  }
  std::nth_element(times.begin(), times.begin() + toggles / 2, times.end());
  return times[static_cast<std::size_t>(toggles / 2)];
}

}  // namespace

int main() {
  Win32Window window;
  window.Click(window.form.Option(0));
  std::printf("%-10s %-12s %s\n", "lines", "characters", "median toggle (us)");
  for (int lines : {10, 1000, 100000}) {
    window.port.SetLogText(LogOf(lines));
    window.Pump();
    const int characters = GetWindowTextLengthW(window.form.Log());
    const double median = MedianToggleMicroseconds(window, 200);
    std::printf("%-10d %-12d %.0f\n", lines, characters, median);
  }
  return 0;
}
