// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// ControlPort on the Windows window's controls.
#pragma once

#include "core/control_port.h"
#include "window/win32/win32_form.h"

namespace voice_types::win32 {

class Win32ControlPort final : public ControlPort {
 public:
  explicit Win32ControlPort(Win32Form& form);

 private:
  bool ReadOptionSelected(ControlIndex option) const override;
  std::string ReadOptionCaption(ControlIndex option) const override;
  void WriteVoiceVisible(VoiceGroup group, ControlIndex box, bool visible) override;
  CheckState ReadVoiceState(VoiceGroup group, ControlIndex box) const override;
  void WriteVoiceState(VoiceGroup group, ControlIndex box, CheckState state) override;
  std::string ReadVoiceCaption(VoiceGroup group, ControlIndex box) const override;
  Text ReadLogText() const override { return shown_; }
  void WriteLogText(const Text& text) override;

  Win32Form& form_;
  // The log exactly as set; the box is read-only, so this is what it shows.
  Text shown_;
};

}  // namespace voice_types::win32
