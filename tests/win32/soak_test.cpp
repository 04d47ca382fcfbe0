// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "tests/support/window_drills.h"
#include "tests/win32/win32_window.h"

namespace voice_types::win32 {
namespace {

using voice_types::testing::ArrowOntoRadio;

// A platform radio button reports every click, also on the one already selected, and the
// dialog manager selects the radio button an arrow moves to.
constexpr voice_types::testing::SoakRules kWin32Rules{true, ArrowOntoRadio::kAlways};

TEST(Win32SoakTest, RandomClicksAndKeysKeepTheInvariants) {
  voice_types::testing::RunSoak<testing::Win32Window>(voice_types::testing::SoakActionCount(5000),
                                                      kWin32Rules);
}

TEST(Win32SoakTest, AnArrowOntoTheRadiosChoosesEvenBeforeAnyChoice) {
  voice_types::testing::ArrowsOntoTheRadioButtons<testing::Win32Window>(kWin32Rules,
                                                                        "Избрано: Глас - мъже\r\n");
}

}  // namespace
}  // namespace voice_types::win32
