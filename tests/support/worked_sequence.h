// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// The lesson's worked sequence: choose the women's voices, check and uncheck alto, check
// soprano, choose the men's voices, choose the women's again.
#pragma once

#include <string>
#include <vector>

namespace voice_types::testing {

// The exact log after each of the six steps.
std::vector<std::string> WorkedSequenceLogs();
// The line each step writes, as screen readers hear it: no line break.
std::vector<std::string> WorkedSequenceLines();

}  // namespace voice_types::testing
