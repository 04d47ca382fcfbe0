// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// The lesson's worked sequence: choose the women's voices, check and uncheck alto, check
// soprano, choose the men's voices, choose the women's again.
#pragma once

#include <string>
#include <vector>

#include "tests/support/soak.h"

namespace voice_types::tests {

// The exact log after each of the six steps.
std::vector<std::string> WorkedSequenceLogs();
// The line each step writes, as screen readers hear it: no line break.
std::vector<std::string> WorkedSequenceLines();
// The keys of each step, from the first focus on the log, as a keyboard user goes through it.
std::vector<std::vector<SoakKey>> WorkedSequenceKeys();

}  // namespace voice_types::tests
