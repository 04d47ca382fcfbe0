// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>

#include "core/catalogue.h"
#include "tests/support/utf8.h"

namespace voice_types {
namespace {

using tests::DecodeUtf8;

constexpr char32_t kEnDash = U'\u2013';

struct PrefixCase {
  const char* use;
  std::string_view text;
  std::size_t code_points;
};

TEST(CatalogueTest, PrefixesHaveTheirLengthAndTrailingSpaces) {
  const PrefixCase cases[] = {
      {"chosen", catalogue::kChosenPrefix, 9},
      {"female checked", catalogue::ToggledPrefix(VoiceGroup::Female, true), 26},
      {"female unchecked", catalogue::ToggledPrefix(VoiceGroup::Female, false), 25},
      {"male checked", catalogue::ToggledPrefix(VoiceGroup::Male, true), 25},
      {"male unchecked", catalogue::ToggledPrefix(VoiceGroup::Male, false), 24},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.use);
    const std::u32string text = DecodeUtf8(c.text);
    EXPECT_EQ(text.size(), c.code_points);
    const std::size_t spaces = c.text == catalogue::kChosenPrefix ? 1 : 2;
    EXPECT_EQ(text.find_last_not_of(U' '), text.size() - spaces - 1);
  }
}

TEST(CatalogueTest, PrefixesDifferByStateAndGroup) {
  for (VoiceGroup group : kVoiceGroups) {
    EXPECT_TRUE(catalogue::ToggledPrefix(group, true).starts_with("Новопосочен "));
    EXPECT_TRUE(catalogue::ToggledPrefix(group, false).starts_with("Демаркиран "));
  }
  EXPECT_NE(catalogue::ToggledPrefix(VoiceGroup::Female, true).find("женски"), std::string::npos);
  EXPECT_NE(catalogue::ToggledPrefix(VoiceGroup::Male, true).find("мъжки"), std::string::npos);
}

TEST(CatalogueTest, RadioCaptionsUseAHyphenWithSpaces) {
  for (VoiceGroup group : kVoiceGroups) {
    const std::u32string caption = DecodeUtf8(catalogue::OptionCaption(group));
    EXPECT_EQ(caption.substr(0, 7), U"Глас - ") << static_cast<int>(group);
    EXPECT_EQ(caption.find(kEnDash), std::u32string::npos);
  }
}

TEST(CatalogueTest, NoteItemsUseAnEnDashAndOnlyTheLastLacksATrailingSpace) {
  const char32_t letters[] = U"CDEFGAB";
  for (std::size_t i = 0; i < catalogue::kNoteItems.size(); ++i) {
    SCOPED_TRACE(i);
    const std::u32string item = DecodeUtf8(catalogue::kNoteItems[i]);
    ASSERT_GE(item.size(), 5u);
    EXPECT_EQ(item[0], letters[i]);
    EXPECT_EQ(item.substr(1, 3), (std::u32string{U' ', kEnDash, U' '}));
    EXPECT_EQ(item.find(U'-'), std::u32string::npos);
    const bool last = i + 1 == catalogue::kNoteItems.size();
    EXPECT_EQ(item.back() == U' ', !last);
  }
}

TEST(CatalogueTest, VoiceCaptionsAreDistinctCyrillicWords) {
  std::vector<std::string_view> all;
  for (VoiceGroup group : kVoiceGroups) {
    for (ControlIndex box = 0; box < kVoicesPerGroup; ++box) {
      const std::string_view caption = catalogue::VoiceCaption(group, box);
      for (char32_t c : DecodeUtf8(caption)) EXPECT_TRUE(c >= U'\u0400' && c <= U'\u04FF');
      all.push_back(caption);
    }
  }
  std::sort(all.begin(), all.end());
  EXPECT_EQ(std::adjacent_find(all.begin(), all.end()), all.end());
  EXPECT_EQ(catalogue::VoiceCaption(VoiceGroup::Female, 0), "Сопран");
  EXPECT_EQ(catalogue::VoiceCaption(VoiceGroup::Male, 3), "Бас");
}

// Every line ends in CR LF and no lone CR or LF hides inside a line.
std::vector<std::string_view> CrLfLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find("\r\n");
    if (end == std::string_view::npos) {
      ADD_FAILURE() << "text does not end in CR LF";
      break;
    }
    const std::string_view line = text.substr(0, end);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string_view::npos) << line;
    lines.push_back(line);
    text.remove_prefix(end + 2);
  }
  return lines;
}

TEST(CatalogueTest, BoxTextsAreCrLfLines) {
  const auto exercise = CrLfLines(catalogue::kExerciseText);
  ASSERT_EQ(exercise.size(), 7u);
  EXPECT_TRUE(exercise[1].starts_with("Тема на проекта: "));
  EXPECT_TRUE(exercise[6].ends_with("гласове."));

  const auto aphorism = CrLfLines(catalogue::kAphorismText);
  ASSERT_EQ(aphorism.size(), 1u);
  EXPECT_TRUE(aphorism[0].ends_with("било. "));
}

TEST(CatalogueTest, WindowCaptionIsAnAddressTwoSpacesAndTheTitle) {
  const std::string_view caption = catalogue::kWindowCaption;
  const std::size_t gap = caption.find("  ");
  ASSERT_NE(gap, std::string_view::npos);
  EXPECT_EQ(caption.substr(0, gap).find(' '), std::string_view::npos);
  EXPECT_EQ(caption.substr(gap + 2), "Музика - тип гласови диапазони");
}

TEST(CatalogueTest, EveryTextIsWellFormedUtf8) {
  std::vector<std::string_view> texts = {catalogue::kWindowCaption, catalogue::kTitleLabel,
                                         catalogue::kNotesLabel, catalogue::kExerciseText,
                                         catalogue::kAphorismText};
  texts.insert(texts.end(), catalogue::kNoteItems.begin(), catalogue::kNoteItems.end());
  for (std::string_view text : texts) EXPECT_NO_THROW(DecodeUtf8(text)) << text;
}

}  // namespace
}  // namespace voice_types
