// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/catalogue.h"
#include "tests/qt/qt_window.h"
#include "tests/support/window_drills.h"

namespace voice_types::qt {
namespace {

using voice_types::testing::ArrowOntoRadio;

// Selecting the radio button that is already selected reports nothing in Qt, and an arrow
// chooses only when it leaves the selected radio button.
constexpr voice_types::testing::SoakRules kQtRules{false, ArrowOntoRadio::kFromSelectedRadio};

TEST(QtSoakTest, RandomMouseAndKeyboardActionsKeepTheInvariants) {
  voice_types::testing::RunSoak<testing::QtWindow>(voice_types::testing::SoakActionCount(20000),
                                                   kQtRules);
}

TEST(QtSoakTest, AnArrowOntoTheRadiosMovesTheFocusOnlyUntilAGroupIsChosen) {
  voice_types::testing::ArrowsOntoTheRadioButtons<testing::QtWindow>(
      kQtRules, std::string(catalogue::kExerciseText));
}

}  // namespace
}  // namespace voice_types::qt
