// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "tests/support/worked_sequence.h"

namespace voice_types::testing {

std::vector<std::string> WorkedSequenceLogs() {
  const std::string women = "Избрано: Глас - жени\r\n";
  const std::string alto_on = "Новопосочен женски глас:  Алт\r\n";
  const std::string alto_off = "Демаркиран женски глас:  Алт\r\n";
  const std::string soprano_on = "Новопосочен женски глас:  Сопран\r\n";
  return {women,
          women + alto_on,
          women + alto_on + alto_off,
          women + alto_on + alto_off + soprano_on,
          "Избрано: Глас - мъже\r\n",
          women};
}

}  // namespace voice_types::testing
