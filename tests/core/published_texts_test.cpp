// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// Every text of the program written out here in full, independently of the catalogue, so
// that a changed letter, space or dash anywhere in it fails.
#include <gtest/gtest.h>

#include <string>

#include "core/catalogue.h"

namespace voice_types {
namespace {

using enum VoiceGroup;

struct Published {
  std::string what;
  std::string_view actual;
  std::string_view expected;
};

TEST(PublishedTextsTest, EveryTextIsExactlyAsPublished) {
  const std::vector<Published> texts = {
      {"women's radio", catalogue::OptionCaption(Female), "Глас - жени"},
      {"men's radio", catalogue::OptionCaption(Male), "Глас - мъже"},
      {"soprano", catalogue::VoiceCaption(Female, 0), "Сопран"},
      {"mezzo-soprano", catalogue::VoiceCaption(Female, 1), "Мецосопран"},
      {"alto", catalogue::VoiceCaption(Female, 2), "Алт"},
      {"contralto", catalogue::VoiceCaption(Female, 3), "Контраалт"},
      {"tenor", catalogue::VoiceCaption(Male, 0), "Тенор"},
      {"countertenor", catalogue::VoiceCaption(Male, 1), "Контратенор"},
      {"baritone", catalogue::VoiceCaption(Male, 2), "Баритон"},
      {"bass", catalogue::VoiceCaption(Male, 3), "Бас"},
      {"chosen", catalogue::kChosenPrefix, "Избрано: "},
      {"female checked", catalogue::ToggledPrefix(Female, true), "Новопосочен женски глас:  "},
      {"female unchecked", catalogue::ToggledPrefix(Female, false), "Демаркиран женски глас:  "},
      {"male checked", catalogue::ToggledPrefix(Male, true), "Новопосочен мъжки глас:  "},
      {"male unchecked", catalogue::ToggledPrefix(Male, false), "Демаркиран мъжки глас:  "},
      {"caption", catalogue::kWindowCaption, "www.example.org  Музика - тип гласови диапазони"},
      {"title label", catalogue::kTitleLabel, "Музика - вокални диапазони, гласов тип"},
      {"notes label", catalogue::kNotesLabel, "Означения на ноти:"},
      {"note C", catalogue::kNoteItems[0], "C – до "},
      {"note D", catalogue::kNoteItems[1], "D – ре "},
      {"note E", catalogue::kNoteItems[2], "E – ми "},
      {"note F", catalogue::kNoteItems[3], "F – фа "},
      {"note G", catalogue::kNoteItems[4], "G – сол "},
      {"note A", catalogue::kNoteItems[5], "A – ла "},
      {"note B", catalogue::kNoteItems[6], "B – си"},
      {"exercise", catalogue::kExerciseText,
       "Да се реализира проект, осъществяващ междупредметна връзка Музика и Информатика\r\n"
       "Тема на проекта: Музика - вокални диапазони, гласов тип.\r\n"
       "Проектът да извършва съвместната работа на групи опционални и радиобутони бутони.\r\n"
       "Активирането на произволен радиобутон да довежда до показването само на отделна група "
       "опционални бутони.\r\n"
       "Активирането/деактивирането на опционален бутон да води до поява на нов ред с конкретно "
       "и адекватно съдържание.\r\n"
       "При ново появяване на група опционални бутони всички те да имат една и съща стойност, "
       "която не е обвързана с предходната им стойност.\r\n"
       "Прочетете допълнително за видовете женски и мъжки гласове.\r\n"},
      {"aphorism", catalogue::kAphorismText,
       "Неприятното в това да си първият, направил нещо по правилния начин, е, че никой не "
       "оценява колко трудно е било. \r\n"},
  };
  for (const Published& text : texts) EXPECT_EQ(text.actual, text.expected) << text.what;
}

}  // namespace
}  // namespace voice_types
