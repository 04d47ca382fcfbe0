// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// JSON as the page and its tests read it: texts quoted, lists, and records of named fields.
// Every value given to a list or a record is JSON already.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace voice_types::web {

std::string JsonText(std::string_view text);
std::string JsonList(const std::vector<std::string>& values);
std::string JsonTexts(std::span<const std::string_view> texts);
std::string JsonRecord(std::initializer_list<std::pair<std::string_view, std::string>> fields);
inline std::string JsonFlag(bool flag) { return flag ? "true" : "false"; }

}  // namespace voice_types::web
