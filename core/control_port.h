// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// The selector's view of the window's controls.
//
// The public operations check every index and value before a front end sees it, so a
// wrong index fails the same way on every toolkit; front ends implement the Read/Write
// hooks only.
#pragma once

#include <string>

#include "core/controls.h"
#include "core/text.h"

namespace voice_types {

class ControlPort {
 public:
  virtual ~ControlPort() = default;

  bool IsOptionSelected(ControlIndex option) const;
  std::string OptionCaption(ControlIndex option) const;
  void SetVoiceVisible(VoiceGroup group, ControlIndex box, bool visible);
  CheckState VoiceState(VoiceGroup group, ControlIndex box) const;
  // May raise the box's toggle event before it returns, as the platform does.
  void SetVoiceState(VoiceGroup group, ControlIndex box, CheckState state);
  std::string VoiceCaption(VoiceGroup group, ControlIndex box) const;
  Text LogText() const;
  void SetLogText(const Text& text);

 private:
  virtual bool ReadOptionSelected(ControlIndex option) const = 0;
  virtual std::string ReadOptionCaption(ControlIndex option) const = 0;
  virtual void WriteVoiceVisible(VoiceGroup group, ControlIndex box, bool visible) = 0;
  virtual CheckState ReadVoiceState(VoiceGroup group, ControlIndex box) const = 0;
  virtual void WriteVoiceState(VoiceGroup group, ControlIndex box, CheckState state) = 0;
  virtual std::string ReadVoiceCaption(VoiceGroup group, ControlIndex box) const = 0;
  virtual Text ReadLogText() const = 0;
  virtual void WriteLogText(const Text& text) = 0;
};

}  // namespace voice_types
