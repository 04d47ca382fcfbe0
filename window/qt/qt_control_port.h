// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// ControlPort on the Qt window's controls.
#pragma once

#include "core/control_port.h"
#include "window/qt/qt_form.h"

namespace voice_types::qt {

class QtControlPort final : public ControlPort {
 public:
  explicit QtControlPort(QtForm& form);

 private:
  bool ReadOptionSelected(ControlIndex option) const override;
  std::string ReadOptionCaption(ControlIndex option) const override;
  void WriteVoiceVisible(VoiceGroup group, ControlIndex box, bool visible) override;
  CheckState ReadVoiceState(VoiceGroup group, ControlIndex box) const override;
  void WriteVoiceState(VoiceGroup group, ControlIndex box, CheckState state) override;
  std::string ReadVoiceCaption(VoiceGroup group, ControlIndex box) const override;
  Text ReadLogText() const override { return shown_; }
  void WriteLogText(const Text& text) override;

  QtForm& form_;
  // The log exactly as set, CR LF included; the box is read-only, so this is what it shows.
  Text shown_;
};

}  // namespace voice_types::qt
