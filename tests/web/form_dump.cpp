// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// Prints what the browser tests hold the page against, as JSON: the form table, the log's
// prefixes, and the exact log after each step of the lesson's worked sequence and the keys of
// each step.
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "core/catalogue.h"
#include "tests/support/worked_sequence.h"
#include "window/form.h"
#include "window/web/web_json.h"

namespace {

using namespace voice_types::form;
using voice_types::VoiceGroup;
using voice_types::tests::SoakKey;
using namespace voice_types::web;
namespace catalogue = voice_types::catalogue;

// A key as the browser tests name it.
std::string_view KeyName(SoakKey key) {
  constexpr std::pair<SoakKey, std::string_view> kNames[] = {
      {SoakKey::Space, "space"}, {SoakKey::Tab, "tab"},     {SoakKey::Backtab, "backtab"},
      {SoakKey::Left, "left"},   {SoakKey::Right, "right"}, {SoakKey::Up, "up"},
      {SoakKey::Down, "down"}};
  for (const auto& [named, name] : kNames) {
    if (named == key) return name;
  }
  return "";
}

std::string Number(int number) { return std::to_string(number); }

std::string Colour(const std::optional<Rgb>& rgb) {
  if (!rgb) return "null";
  return JsonList({Number(rgb->red), Number(rgb->green), Number(rgb->blue)});
}

std::string Control(const ControlSpec& c) {
  return JsonRecord(
      {{"kind", JsonText(NameOf(c.kind))},
       {"array", JsonText(c.array)},
       {"index", Number(c.index)},
       {"text", JsonText(c.text)},
       {"items", JsonTexts(c.items)},
       {"place",
        JsonList({Number(ToPixels(c.place.left, 96)), Number(ToPixels(c.place.top, 96)),
                  Number(ToPixels(c.place.width, 96)), Number(ToPixels(c.place.height, 96))})},
       {"background", Colour(c.background)},
       {"name", JsonText(c.accessible_name)},
       {"never_shown", JsonFlag(c.never_shown)}});
}

}  // namespace

int main() {
  std::vector<std::string> controls, toggled, logs, keyboard;
  for (const ControlSpec& control : kControls) controls.push_back(Control(control));
  for (VoiceGroup group : voice_types::kVoiceGroups) {
    toggled.push_back(JsonList({JsonText(catalogue::ToggledPrefix(group, false)),
                                JsonText(catalogue::ToggledPrefix(group, true))}));
  }
  for (const std::string& log : voice_types::tests::WorkedSequenceLogs()) {
    logs.push_back(JsonText(log));
  }
  for (const std::vector<SoakKey>& keys : voice_types::tests::WorkedSequenceKeys()) {
    std::vector<std::string> names;
    for (SoakKey key : keys) names.push_back(JsonText(KeyName(key)));
    keyboard.push_back(JsonList(names));
  }
  const std::string window = JsonRecord({{"width", Number(ToPixels(kWindow.client_width, 96))},
                                         {"height", Number(ToPixels(kWindow.client_height, 96))},
                                         {"background", Colour(kWindow.background)},
                                         {"caption", JsonText(kWindow.caption)}});
  std::printf("%s\n", JsonRecord({{"window", window},
                                  {"controls", JsonList(controls)},
                                  {"chosen_prefix", JsonText(catalogue::kChosenPrefix)},
                                  {"toggled_prefixes", JsonList(toggled)},
                                  {"worked_sequence", JsonList(logs)},
                                  {"keyboard", JsonList(keyboard)},
                                  // What a text may hold that JSON must escape.
                                  {"probe", JsonText("\"quoted\" back\\slash \x01\x1f")}})
                          .c_str());
}
