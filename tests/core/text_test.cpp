// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/text.h"

namespace voice_types {
namespace {

TEST(TextTest, VersionsKeepTheirOwnContentWhenTheyBranch) {
  const Text base("ab");
  const Text left = base + "c";
  const Text right = base + "d";
  const Text longer = left + "e";
  EXPECT_EQ(base, "ab");
  EXPECT_EQ(left, "abc");
  EXPECT_EQ(right, "abd");
  EXPECT_EQ(longer, "abce");
}

TEST(TextTest, TailAfterTellsWhatFollowsAnOlderVersion) {
  const Text empty;
  const Text base("ab");
  const Text newer = base + "cd";
  const Text branch = base + "x";
  struct Case {
    const char* name;
    const Text& text;
    const Text& older;
    std::optional<std::string> tail;
  };
  const Case cases[] = {
      {"shared buffer", newer, base, "cd"},
      {"same version", newer, newer, ""},
      {"from empty", base, empty, "ab"},
      {"separate buffers, same prefix", Text("abcd"), base, "cd"},
      {"branch is not an extension", branch, newer, std::nullopt},
      {"older is longer", base, newer, std::nullopt},
      {"different start", Text("xbcd"), base, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.text.TailAfter(c.older), c.tail) << c.name;
  }
}

TEST(TextTest, AppendingItsOwnContentIsSafe) {
  Text text("xyz");
  for (int i = 0; i < 6; ++i) text = text + text.View();
  EXPECT_EQ(text.Size(), 3u * 64u);
  EXPECT_EQ(text.View().substr(189), "xyz");
}

}  // namespace
}  // namespace voice_types
