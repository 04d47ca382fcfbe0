// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// The window's published places, sizes, colours and texts, written out here in full rather
// than read from the form table, so that a changed number or a swapped text fails. The two
// text boxes' long texts are known by their first words.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "window/form.h"
#include "window/paint.h"
#include "window/window_port.h"

namespace voice_types::form {
namespace {

using enum ControlKind;

struct Row {
  ControlKind kind;
  std::string_view array;
  ControlIndex index;
  std::string_view text;
  int left, top, width, height;
  std::optional<Rgb> background;
};

constexpr Rgb kOrange{0xFF, 0xC0, 0x80};
constexpr Rgb kPink{0xFF, 0x80, 0xFF};
constexpr Rgb kBlue{0x00, 0x00, 0xFF};

TEST(FormTableTest, EveryControlInTabOrderHasItsPublishedTextPlaceSizeAndColour) {
  const Row rows[kControlCount] = {
      {TextBox, "Text1", 0, "Да се реализира проект,", 120, 3120, 6735, 1815, std::nullopt},
      {TextBox, "Text1", 1, "Неприятното в това", 600, 3480, 6735, 1815, std::nullopt},
      {Label, "Label1", 0, "Музика - вокални диапазони, гласов тип", 960, 0, 4575, 375, kOrange},
      {RadioButton, "Option1", 0, "Глас - жени", 480, 720, 1815, 495, Rgb{0xFF, 0xC0, 0xFF}},
      {RadioButton, "Option1", 1, "Глас - мъже", 2640, 720, 1815, 495, Rgb{0x80, 0x80, 0xFF}},
      {CheckBox, "Check1", 0, "Сопран", 480, 1200, 1815, 375, kPink},
      {CheckBox, "Check1", 1, "Мецосопран", 480, 1560, 1815, 375, kPink},
      {CheckBox, "Check1", 2, "Алт", 480, 1920, 1815, 375, kPink},
      {CheckBox, "Check1", 3, "Контраалт", 480, 2280, 1815, 375, kPink},
      {CheckBox, "Check2", 0, "Тенор", 2640, 1200, 1815, 375, kBlue},
      {CheckBox, "Check2", 1, "Контратенор", 2640, 1560, 1815, 375, kBlue},
      {CheckBox, "Check2", 2, "Баритон", 2640, 1920, 1815, 375, kBlue},
      {CheckBox, "Check2", 3, "Бас", 2640, 2280, 1815, 375, kBlue},
      {ListBox, "List1", kNoIndex, "", 4680, 1320, 1335, 1200, std::nullopt},
      {Label, "Label1", 1, "Означения на ноти:", 4680, 720, 1335, 615, kOrange},
  };
  for (std::size_t tab = 0; tab < kControlCount; ++tab) {
    const Row& row = rows[tab];
    const ControlSpec& control = kControls[tab];
    SCOPED_TRACE(std::string(row.array) + "(" + std::to_string(row.index) + ")");
    EXPECT_EQ(control.kind, row.kind);
    EXPECT_EQ(control.array, row.array);
    EXPECT_EQ(control.index, row.index);
    if (row.kind == TextBox) {
      EXPECT_TRUE(control.text.starts_with(row.text)) << control.text.substr(0, 40);
    } else {
      EXPECT_EQ(control.text, row.text);
    }
    EXPECT_EQ(control.place.left, row.left);
    EXPECT_EQ(control.place.top, row.top);
    EXPECT_EQ(control.place.width, row.width);
    EXPECT_EQ(control.place.height, row.height);
    EXPECT_EQ(control.background, row.background);
    EXPECT_EQ(control.never_shown, tab == 1) << "only the aphorism box is never shown";
  }
}

TEST(FormTableTest, TheWindowHasItsPublishedSizeColourAndFont) {
  EXPECT_EQ(kWindow.client_width, 6915);
  EXPECT_EQ(kWindow.client_height, 5175);
  EXPECT_EQ(kWindow.background, (Rgb{0xC0, 0xC0, 0xFF}));
  EXPECT_EQ(kWindow.font_family, "Times New Roman");
  EXPECT_EQ(kWindow.font_points, 12);
  EXPECT_EQ(kWindow.font_weight, 400);
  EXPECT_EQ(kWindow.font_charset, 204);
}

TEST(NewestLineTest, IsTheLastLineOnceItEndsInALineBreak) {
  const struct {
    std::string_view log;
    std::optional<std::string_view> line;
  } cases[] = {
      {"Избрано: Глас - жени\r\n", "Избрано: Глас - жени"},
      {"Избрано: Глас - мъже\r\nНовопосочен мъжки глас:  Бас\r\n", "Новопосочен мъжки глас:  Бас"},
      {"Избрано: Глас - мъже\r\nНовопосочен мъжки глас:  Бас\r\nДемаркиран мъжки глас:  Бас\r\n",
       "Демаркиран мъжки глас:  Бас"},
      {"Избрано: Глас - мъже\r\nНовопосочен мъжки глас:  ", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(NewestLine(c.log), c.line) << c.log;
}

// The ratios the window's colours give, to two places: black on the table's colours, and the
// white a dark scheme's text would be on them.
TEST(ContrastRatioTest, GivesWcagsRatiosForTheTablesColours) {
  const struct {
    Rgb text, background;
    double ratio;
  } cases[] = {{kBlack, kWhite, 21.0},  {kBlack, kBlue, 2.44},
               {kBlack, kPink, 9.78},   {kWhite, Rgb{0xFF, 0xC0, 0xFF}, 1.48},
               {kWhite, kOrange, 1.60}, {kWhite, kBlack, 21.0}};
  for (const auto& c : cases) EXPECT_NEAR(ContrastRatio(c.text, c.background), c.ratio, 0.005);
}

}  // namespace
}  // namespace voice_types::form
