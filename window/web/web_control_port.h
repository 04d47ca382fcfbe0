// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// ControlPort on the page's controls. Setting a box's state from code raises no event in a
// browser, so this port does not raise toggle events.
#pragma once

#include "core/control_port.h"
#include "window/web/web_form.h"

namespace voice_types::web {

class WebControlPort final : public ControlPort {
 public:
  WebControlPort();

  // The log exactly as set, CR LF included: the page's text box turns CR LF into LF.
  const Text& Log() const { return shown_; }

 private:
  bool ReadOptionSelected(ControlIndex option) const override;
  std::string ReadOptionCaption(ControlIndex option) const override;
  void WriteVoiceVisible(VoiceGroup group, ControlIndex box, bool visible) override;
  CheckState ReadVoiceState(VoiceGroup group, ControlIndex box) const override;
  void WriteVoiceState(VoiceGroup group, ControlIndex box, CheckState state) override;
  std::string ReadVoiceCaption(VoiceGroup group, ControlIndex box) const override;
  Text ReadLogText() const override { return shown_; }
  void WriteLogText(const Text& text) override;

  Text shown_;
};

}  // namespace voice_types::web
