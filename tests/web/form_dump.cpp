// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// Prints what the browser tests hold the page against, as JSON: the form table, the log's
// prefixes, and the exact log after each step of the lesson's worked sequence and the keys of
// each step.
#include <cstdio>
#include <string>
#include <utility>

#include "core/catalogue.h"
#include "tests/support/worked_sequence.h"
#include "window/form.h"

namespace {

using namespace voice_types::form;
using voice_types::VoiceGroup;
using voice_types::tests::SoakKey;
namespace catalogue = voice_types::catalogue;

std::string Json(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (c == '\r') {
      quoted += "\\r";
    } else if (c == '\n') {
      quoted += "\\n";
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

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

std::string Colour(const std::optional<Rgb>& rgb) {
  if (!rgb) return "null";
  char text[16];
  std::snprintf(text, sizeof text, "[%d,%d,%d]", rgb->red, rgb->green, rgb->blue);
  return text;
}

}  // namespace

int main() {
  std::printf("{\"window\":{\"width\":%d,\"height\":%d,\"background\":%s,\"caption\":%s},",
              ToPixels(kWindow.client_width, 96), ToPixels(kWindow.client_height, 96),
              Colour(kWindow.background).c_str(), Json(kWindow.caption).c_str());
  std::printf("\"controls\":[");
  for (std::size_t slot = 0; slot < kControlCount; ++slot) {
    const ControlSpec& c = kControls[slot];
    std::string items = "[";
    for (std::string_view item : c.items) items += (items.size() > 1 ? "," : "") + Json(item);
    std::printf(
        "%s{\"kind\":\"%s\",\"array\":%s,\"index\":%d,\"text\":%s,\"items\":%s],"
        "\"place\":[%d,%d,%d,%d],\"background\":%s,\"name\":%s,\"never_shown\":%s}",
        slot ? "," : "", std::string(NameOf(c.kind)).c_str(), Json(c.array).c_str(), c.index,
        Json(c.text).c_str(), items.c_str(), ToPixels(c.place.left, 96), ToPixels(c.place.top, 96),
        ToPixels(c.place.width, 96), ToPixels(c.place.height, 96), Colour(c.background).c_str(),
        Json(c.accessible_name).c_str(), c.never_shown ? "true" : "false");
  }
  std::printf("],\"chosen_prefix\":%s,\"toggled_prefixes\":[",
              Json(catalogue::kChosenPrefix).c_str());
  for (VoiceGroup group : voice_types::kVoiceGroups) {
    std::printf("%s[%s,%s]", group == VoiceGroup::Female ? "" : ",",
                Json(catalogue::ToggledPrefix(group, false)).c_str(),
                Json(catalogue::ToggledPrefix(group, true)).c_str());
  }
  std::printf("],\"worked_sequence\":[");
  const char* separator = "";
  for (const std::string& log : voice_types::tests::WorkedSequenceLogs()) {
    std::printf("%s%s", separator, Json(log).c_str());
    separator = ",";
  }
  std::printf("],\"keyboard\":[");
  separator = "";
  for (const std::vector<SoakKey>& keys : voice_types::tests::WorkedSequenceKeys()) {
    std::string names;
    for (SoakKey key : keys) names += (names.empty() ? "" : ",") + Json(KeyName(key));
    std::printf("%s[%s]", separator, names.c_str());
    separator = ",";
  }
  std::printf("]}\n");
}
