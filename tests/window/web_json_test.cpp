// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// The page's JSON writer, read back by JSON.parse, the parser the page reads its records with:
// a quote, a backslash or a control character in a text must not end or break it.
#include <emscripten.h>
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "window/web/web_json.h"

namespace {

// Both sides are strings: == compares them as === would.
EM_JS(int, ReadsBackAs, (const char* json, const char* text), {
  try {
    return JSON.parse(UTF8ToString(json)) == UTF8ToString(text);
  } catch (error) {
    return 0;
  }
});

TEST(WebJsonTest, EveryTextReadsBackAsWritten) {
  for (std::string_view text : {"\"quoted\"", "back\\slash", "\x01 and \x1f", "Глас - жени\r\n"}) {
    const std::string json = voice_types::web::JsonText(text);
    const std::string written(text);
    EXPECT_TRUE(ReadsBackAs(json.c_str(), written.c_str()))
        << "JSON.parse does not read back " << json;
  }
}

}  // namespace
