// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "tests/support/worked_sequence.h"

namespace voice_types::tests {

namespace {

const std::string kWomen = "Избрано: Глас - жени";
const std::string kAltoOn = "Новопосочен женски глас:  Алт";
const std::string kAltoOff = "Демаркиран женски глас:  Алт";
const std::string kSopranoOn = "Новопосочен женски глас:  Сопран";
const std::string kMen = "Избрано: Глас - мъже";

}  // namespace

std::vector<std::string> WorkedSequenceLogs() {
  const std::string women = kWomen + "\r\n";
  const std::string alto_on = kAltoOn + "\r\n";
  const std::string alto_off = kAltoOff + "\r\n";
  return {women,
          women + alto_on,
          women + alto_on + alto_off,
          women + alto_on + alto_off + kSopranoOn + "\r\n",
          kMen + "\r\n",
          women};
}

std::vector<std::string> WorkedSequenceLines() {
  return {kWomen, kAltoOn, kAltoOff, kSopranoOn, kMen, kWomen};
}

std::vector<std::vector<SoakKey>> WorkedSequenceKeys() {
  using enum SoakKey;
  return {{Tab, Space},               // from the log to women, select
          {Tab, Tab, Tab, Space},     // to alto, check
          {Space},                    // uncheck
          {Backtab, Backtab, Space},  // back to soprano, check
          {Backtab, Right},           // to the radio group, arrow to men
          {Left}};                    // arrow back to women
}

}  // namespace voice_types::tests
