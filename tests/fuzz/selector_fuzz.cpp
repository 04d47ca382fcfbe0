// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// Arbitrary bytes become a sequence of selector events and port calls, indices out of range
// included, on both kinds of in-memory port. The only failure allowed is the clear error
// for a control that does not exist; anything else is a crash for the fuzzer to report.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "tests/support/memory_port.h"

namespace {

using voice_types::CheckState;
using voice_types::ControlError;
using voice_types::ControlIndex;
using voice_types::VoiceGroup;
using voice_types::tests::Session;
using voice_types::tests::ToggleEvents;

class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool Empty() const { return at_ >= size_; }
  std::uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }
  // Mostly valid indices, sometimes far out of range.
  ControlIndex Index() { return static_cast<ControlIndex>(static_cast<std::int8_t>(Next()) % 6); }
  ControlIndex WildIndex() {
    return static_cast<ControlIndex>(static_cast<std::int16_t>(Next() << 8 | Next()));
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

void Step(Session& session, std::uint8_t op, ControlIndex a, ControlIndex b, ControlIndex wild) {
  const auto group = static_cast<VoiceGroup>(a % 3);
  switch (op % 9) {
    case 0:
      session.Choose(a % 3);
      break;
    case 1:
      session.Click(group, b);
      break;
    case 2:
      session.Deliver(group, b);
      break;
    case 3:
      session.port.SetVoiceState(group, b, static_cast<CheckState>(wild % 4));
      break;
    case 4:
      session.port.SetVoiceVisible(group, b, (wild & 1) != 0);
      break;
    case 5:
      session.selector.OnVoiceGroupChosen(wild);
      break;
    case 6:
      session.selector.OnFemaleVoiceToggled(wild);
      break;
    case 7:
      session.port.VoiceCaption(group, wild);
      break;
    case 8:
      session.selector.OnWindowLoaded();
      break;
  }
}

bool IsClearError(std::string_view message) {
  return message.ends_with(" does not exist") || message.find(" does not exist (") != message.npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Session raising(ToggleEvents::kRaised);
  Session silent(ToggleEvents::kNotRaised);
  for (Session* session : {&raising, &silent}) session->selector.OnWindowLoaded();
  Bytes bytes(data, size);
  while (!bytes.Empty()) {
    const std::uint8_t op = bytes.Next();
    const ControlIndex a = bytes.Index();
    const ControlIndex b = bytes.Index();
    const ControlIndex wild = bytes.WildIndex();
    for (Session* session : {&raising, &silent}) {
      try {
        Step(*session, op, a, b, wild);
      } catch (const ControlError& error) {
        if (!IsClearError(error.what())) {
          std::fprintf(stderr, "unclear error: %s\n", error.what());
          std::abort();
        }
      }
    }
  }
  return 0;
}
