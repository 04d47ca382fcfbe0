// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// The program's whole behaviour: which voice group is on view, and the event log.
// It keeps no state; the controls behind the port are the model.
#pragma once

#include "core/control_port.h"

namespace voice_types {

class VoiceSelector {
 public:
  explicit VoiceSelector(ControlPort& port) : port_(port) {}

  void OnWindowLoaded();
  void OnVoiceGroupChosen(ControlIndex option);
  void OnFemaleVoiceToggled(ControlIndex box);
  void OnMaleVoiceToggled(ControlIndex box);

 private:
  void ShowFemaleVoices();
  void ShowMaleVoices();
  void ShowVoices(VoiceGroup group);
  void HideAndClearVoices(VoiceGroup group);
  void OnVoiceToggled(VoiceGroup group, ControlIndex box);
  void AppendToLog(std::string_view piece);

  ControlPort& port_;
};

// Routes a box's toggle event to the handler of its array.
void DeliverVoiceToggled(VoiceSelector& selector, VoiceGroup group, ControlIndex box);

}  // namespace voice_types
