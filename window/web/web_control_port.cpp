// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/web/web_control_port.h"

#include <cstdlib>

#include "window/form.h"
#include "window/web/web_page.h"

namespace voice_types::web {
namespace {

std::string CaptionAt(std::size_t slot) {
  char* caption = vt_caption_of(slot);
  std::string copy(caption);
  std::free(caption);
  return copy;
}

}  // namespace

bool WebControlPort::ReadOptionSelected(ControlIndex option) const {
  return vt_is_checked(form::OptionSlot(option));
}

std::string WebControlPort::ReadOptionCaption(ControlIndex option) const {
  return CaptionAt(form::OptionSlot(option));
}

void WebControlPort::WriteVoiceVisible(VoiceGroup group, ControlIndex box, bool visible) {
  vt_set_shown(form::VoiceSlot(group, box), visible);
}

// A page's check box shows the greyed state as "indeterminate" beside its checked flag.
CheckState WebControlPort::ReadVoiceState(VoiceGroup group, ControlIndex box) const {
  const std::size_t slot = form::VoiceSlot(group, box);
  if (vt_is_indeterminate(slot)) return CheckState::Greyed;
  return vt_is_checked(slot) ? CheckState::Checked : CheckState::Unchecked;
}

void WebControlPort::WriteVoiceState(VoiceGroup group, ControlIndex box, CheckState state) {
  vt_set_check_state(form::VoiceSlot(group, box), state == CheckState::Checked,
                     state == CheckState::Greyed);
}

std::string WebControlPort::ReadVoiceCaption(VoiceGroup group, ControlIndex box) const {
  return CaptionAt(form::VoiceSlot(group, box));
}

void WebControlPort::AppendToLog(std::string_view tail) {
  vt_append_text(form::LogSlot(), tail.data(), tail.size());
}

void WebControlPort::ReplaceLog(std::string_view text) {
  vt_replace_text(form::LogSlot(), text.data(), text.size());
}

void WebControlPort::Announce(std::string_view line) { vt_announce(line.data(), line.size()); }

}  // namespace voice_types::web
