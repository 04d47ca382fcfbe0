// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// ControlPort on the page's controls. Setting a box's state from code raises no event in a
// browser, so this port does not raise toggle events.
#pragma once

#include "window/web/web_form.h"
#include "window/window_port.h"

namespace voice_types::web {

class WebControlPort final : public WindowPort {
 public:
  explicit WebControlPort(WebForm&) {}

 private:
  bool ReadOptionSelected(ControlIndex option) const override;
  std::string ReadOptionCaption(ControlIndex option) const override;
  void WriteVoiceVisible(VoiceGroup group, ControlIndex box, bool visible) override;
  CheckState ReadVoiceState(VoiceGroup group, ControlIndex box) const override;
  void WriteVoiceState(VoiceGroup group, ControlIndex box, CheckState state) override;
  std::string ReadVoiceCaption(VoiceGroup group, ControlIndex box) const override;
  void AppendToLog(std::string_view tail) override;
  void ReplaceLog(std::string_view text) override;
  void Announce(std::string_view line) override;
};

}  // namespace voice_types::web
