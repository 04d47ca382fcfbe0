// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "core/catalogue.h"

// The build sets the publisher's address once for every edition; a plain compiler call gets
// the default.
#ifndef VOICE_TYPES_PUBLISHER_ADDRESS
#define VOICE_TYPES_PUBLISHER_ADDRESS "www.example.org"
#endif

namespace voice_types::catalogue {
namespace {

constexpr std::string_view kOptionCaptions[] = {"Глас - жени", "Глас - мъже"};

constexpr std::string_view kVoiceCaptions[][kVoicesPerGroup] = {
    {"Сопран", "Мецосопран", "Алт", "Контраалт"},
    {"Тенор", "Контратенор", "Баритон", "Бас"},
};

// [group][checked]
constexpr std::string_view kToggledPrefixes[][2] = {
    {"Демаркиран женски глас:  ", "Новопосочен женски глас:  "},
    {"Демаркиран мъжки глас:  ", "Новопосочен мъжки глас:  "},
};

}  // namespace

const std::string_view kChosenPrefix = "Избрано: ";

std::string_view ToggledPrefix(VoiceGroup group, bool checked) {
  RequireVoiceGroup(group);
  return kToggledPrefixes[OptionIndexOf(group)][checked ? 1 : 0];
}

std::string_view OptionCaption(VoiceGroup group) {
  RequireVoiceGroup(group);
  return kOptionCaptions[OptionIndexOf(group)];
}

std::string_view VoiceCaption(VoiceGroup group, ControlIndex box) {
  RequireVoiceBox(group, box);
  return kVoiceCaptions[OptionIndexOf(group)][box];
}

// The publisher's address, two spaces, the title.
const std::string_view kWindowCaption =
    VOICE_TYPES_PUBLISHER_ADDRESS "  Музика - тип гласови диапазони";
const std::string_view kTitleLabel = "Музика - вокални диапазони, гласов тип";
const std::string_view kNotesLabel = "Означения на ноти:";

// En dashes; every item but the last ends in a space.
const std::array<std::string_view, 7> kNoteItems = {
    "C – до ", "D – ре ", "E – ми ", "F – фа ", "G – сол ", "A – ла ", "B – си",
};

const std::string_view kExerciseText =
    "Да се реализира проект, осъществяващ междупредметна връзка Музика и Информатика\r\n"
    "Тема на проекта: Музика - вокални диапазони, гласов тип.\r\n"
    "Проектът да извършва съвместната работа на групи опционални и радиобутони бутони.\r\n"
    "Активирането на произволен радиобутон да довежда до показването само на отделна група "
    "опционални бутони.\r\n"
    "Активирането/деактивирането на опционален бутон да води до поява на нов ред с конкретно "
    "и адекватно съдържание.\r\n"
    "При ново появяване на група опционални бутони всички те да имат една и съща стойност, "
    "която не е обвързана с предходната им стойност.\r\n"
    "Прочетете допълнително за видовете женски и мъжки гласове.\r\n";

const std::string_view kAphorismText =
    "Неприятното в това да си първият, направил нещо по правилния начин, е, че никой не "
    "оценява колко трудно е било. \r\n";

const std::string_view kLogAccessibleName = "Дневник";
const std::string_view kAphorismAccessibleName = "Афоризъм";

const std::string_view kProgramName = "Гласови типове";
const std::string_view kNeedsGraphicalSession =
    "Гласови типове: нужна е графична среда (не е зададена нито DISPLAY, нито WAYLAND_DISPLAY)\n"
    "voice-types: needs a graphical session (neither DISPLAY nor WAYLAND_DISPLAY is set)\n";
const std::string_view kStoppedAfterError =
    "Програмата спря поради грешка. Стартирайте я отново.\n"
    "The program stopped after an error. Start it again.\n"
    "Подробности (details): ";

}  // namespace voice_types::catalogue
