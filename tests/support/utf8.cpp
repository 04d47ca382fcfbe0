// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "tests/support/utf8.h"

#include <stdexcept>

namespace voice_types::tests {
namespace {

int SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 0;
}

}  // namespace

std::u32string DecodeUtf8(std::string_view text) {
  static constexpr unsigned char kLeadMasks[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
  std::u32string out;
  for (std::size_t at = 0; at < text.size();) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const int length = SequenceLength(lead);
    if (length == 0 || at + length > text.size()) {
      throw std::invalid_argument("malformed UTF-8 at byte " + std::to_string(at));
    }
    char32_t code = lead & kLeadMasks[length];
    for (int i = 1; i < length; ++i) {
      const auto next = static_cast<unsigned char>(text[at + i]);
      if ((next & 0xC0) != 0x80) {
        throw std::invalid_argument("malformed UTF-8 at byte " + std::to_string(at + i));
      }
      code = (code << 6) | (next & 0x3F);
    }
    out.push_back(code);
    at += length;
  }
  return out;
}

}  // namespace voice_types::tests
