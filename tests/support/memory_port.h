// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// A ControlPort held in memory, in either of the two ways a platform may behave: raising
// a box's toggle event nested inside SetVoiceState when the state changes, or not.
#pragma once

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "core/control_port.h"
#include "core/voice_selector.h"

namespace voice_types::tests {

enum class ToggleEvents { kRaised, kNotRaised };
void PrintTo(ToggleEvents events, std::ostream* out);

class MemoryPort final : public ControlPort {
 public:
  explicit MemoryPort(ToggleEvents events);

  // Where raised toggle events are delivered.
  void Connect(VoiceSelector& selector) { selector_ = &selector; }

  // What the toolkit does on its own: move the exclusive radio selection, or put a
  // state into a box without any event.
  void SelectOption(ControlIndex option);
  void PutVoiceState(VoiceGroup group, ControlIndex box, CheckState state);

  bool IsVoiceVisible(VoiceGroup group, ControlIndex box) const;
  // Writes the selector made, and raised events, in order: "hide Check1(0)",
  // "clear Check1(0)", "show Check2(3)", "log", "event Check1(2)".
  const std::vector<std::string>& Calls() const { return calls_; }
  void ForgetCalls() { calls_.clear(); }

 private:
  struct Box {
    bool visible = true;
    CheckState state = CheckState::Unchecked;
    std::string caption;
  };

  Box& At(VoiceGroup group, ControlIndex box);
  const Box& At(VoiceGroup group, ControlIndex box) const;
  void Record(std::string_view verb, VoiceGroup group, ControlIndex box);

  bool ReadOptionSelected(ControlIndex option) const override;
  std::string ReadOptionCaption(ControlIndex option) const override;
  void WriteVoiceVisible(VoiceGroup group, ControlIndex box, bool visible) override;
  CheckState ReadVoiceState(VoiceGroup group, ControlIndex box) const override;
  void WriteVoiceState(VoiceGroup group, ControlIndex box, CheckState state) override;
  std::string ReadVoiceCaption(VoiceGroup group, ControlIndex box) const override;
  Text ReadLogText() const override { return log_; }
  void WriteLogText(const Text& text) override;

  ToggleEvents events_;
  VoiceSelector* selector_ = nullptr;
  std::array<bool, kOptionCount> selected_{};
  std::array<std::string, kOptionCount> option_captions_;
  std::array<std::array<Box, kVoicesPerGroup>, 2> boxes_;
  Text log_;
  std::vector<std::string> calls_;
};

// A port and its selector, driven as a user would drive the window.
struct Session {
  explicit Session(ToggleEvents events);

  void Choose(ControlIndex option);
  void Click(VoiceGroup group, ControlIndex box);
  void Deliver(VoiceGroup group, ControlIndex box);

  MemoryPort port;
  VoiceSelector selector;
};

}  // namespace voice_types::tests
