// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// User events per second through the selector, on the in-memory port.
#include <benchmark/benchmark.h>

#include "tests/support/memory_port.h"

namespace {

using voice_types::ControlIndex;
using voice_types::VoiceGroup;
using voice_types::tests::Session;
using voice_types::tests::ToggleEvents;

Session Started(ToggleEvents events) {
  Session session(events);
  session.selector.OnWindowLoaded();
  session.Choose(0);
  return session;
}

// Checks and unchecks the four female boxes in turn; each is one user event.
void BM_ToggleVoice(benchmark::State& state) {
  auto session = Started(static_cast<ToggleEvents>(state.range(0)));
  ControlIndex box = 0;
  for (auto _ : state) {
    session.Click(VoiceGroup::Female, box);
    box = static_cast<ControlIndex>((box + 1) % 4);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ToggleVoice)->ArgName("silent")->Arg(0)->Arg(1);

// Switches between the groups with two boxes checked each time, so every switch clears.
void BM_SwitchGroups(benchmark::State& state) {
  auto session = Started(static_cast<ToggleEvents>(state.range(0)));
  ControlIndex option = 1;
  for (auto _ : state) {
    session.Choose(option);
    const auto group = static_cast<VoiceGroup>(option);
    session.Click(group, 0);
    session.Click(group, 2);
    option = static_cast<ControlIndex>(1 - option);
  }
  state.SetItemsProcessed(state.iterations() * 3);
}
BENCHMARK(BM_SwitchGroups)->ArgName("silent")->Arg(0)->Arg(1);

}  // namespace
