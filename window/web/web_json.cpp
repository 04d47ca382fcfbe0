// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/web/web_json.h"

namespace voice_types::web {

std::string JsonText(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    if (static_cast<unsigned char>(c) < 0x20) {
      quoted += "\\u00";
      quoted += "0123456789abcdef"[c >> 4];
      quoted += "0123456789abcdef"[c & 0xF];
    } else {
      quoted += c;
    }
  }
  return quoted + '"';
}

std::string JsonList(const std::vector<std::string>& values) {
  std::string list = "[";
  for (const std::string& value : values) list += (list.size() > 1 ? "," : "") + value;
  return list + "]";
}

// A loop of its own: through JsonList, a vector of strings would add about 2 KB to the page.
std::string JsonTexts(std::span<const std::string_view> texts) {
  std::string list = "[";
  for (std::string_view text : texts) list += (list.size() > 1 ? "," : "") + JsonText(text);
  return list + "]";
}

std::string JsonRecord(std::initializer_list<std::pair<std::string_view, std::string>> fields) {
  std::string record = "{";
  for (const auto& [name, value] : fields) {
    record += (record.size() > 1 ? "," : "") + JsonText(name) + ":" + value;
  }
  return record + "}";
}

}  // namespace voice_types::web
