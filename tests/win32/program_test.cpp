// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>

#include "core/catalogue.h"
#include "window/win32/win32_text.h"

namespace {

using voice_types::win32::Narrow;
using voice_types::win32::Widen;
namespace catalogue = voice_types::catalogue;

// voice-types.exe lies beside the test program, unless VOICE_TYPES_PROGRAM names another
// (the installed one).
std::wstring ProgramPath() {
  if (const DWORD size = GetEnvironmentVariableW(L"VOICE_TYPES_PROGRAM", nullptr, 0)) {
    std::wstring named(size, L'\0');
    named.resize(GetEnvironmentVariableW(L"VOICE_TYPES_PROGRAM", named.data(), size));
    return named;
  }
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L"\\/") + 1) + L"voice-types.exe";
}

TEST(Win32ProgramTest, VersionRecordSaysOnePointZero) {
  const std::wstring path = ProgramPath();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::string data(size, '\0');
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, data.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0u);

  // What Explorer's properties and Task Manager show: the name in Bulgarian, the licence.
  const std::wstring name = Widen(catalogue::kProgramName);
  const std::pair<const wchar_t*, std::wstring> texts[] = {
      {L"FileVersion", L"1.00"},
      {L"ProductVersion", L"1.00"},
      {L"FileDescription", name},
      {L"ProductName", name},
      {L"LegalCopyright", L"Copyright (c) 2026 The voice-types developers. MIT licence."}};
  for (const auto& [key, expected] : texts) {
    wchar_t* text = nullptr;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040204B0\\") + key;
    ASSERT_TRUE(
        VerQueryValueW(data.data(), path.c_str(), reinterpret_cast<void**>(&text), &length));
    EXPECT_EQ(text, expected) << Narrow(key);
  }
}

#pragma pack(push, 2)
struct IconGroupEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bit_count;
  DWORD bytes;
  WORD id;
};
struct IconGroup {
  WORD reserved, type, count;
  IconGroupEntry entries[1];
};
#pragma pack(pop)

BOOL CALLBACK KeepFirstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR first) {
  *reinterpret_cast<LPWSTR*>(first) = name;
  return FALSE;
}

TEST(Win32ProgramTest, FirstIconGroupIsTheThirtyTwoPixelIcon) {
  HMODULE program = LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(program, nullptr);
  LPWSTR first = nullptr;
  EnumResourceNamesW(program, MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */, KeepFirstName,
                     reinterpret_cast<LONG_PTR>(&first));
  EXPECT_TRUE(IS_INTRESOURCE(first));
  EXPECT_EQ(reinterpret_cast<ULONG_PTR>(first), 1u);

  HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14));
  ASSERT_NE(found, nullptr);
  const auto* group = static_cast<const IconGroup*>(LockResource(LoadResource(program, found)));
  ASSERT_EQ(group->count, 1);
  EXPECT_EQ(group->entries[0].width, 32);
  EXPECT_EQ(group->entries[0].height, 32);
  EXPECT_EQ(group->entries[0].bit_count, 8);
  FreeLibrary(program);
}

TEST(Win32ProgramTest, ClosingTheWindowEndsTheProgramWithStatusZero) {
  std::wstring command = L"\"" + ProgramPath() + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process));
  WaitForInputIdle(process.hProcess, 10000);
  HWND window = nullptr;
  for (int tries = 0; tries < 100 && window == nullptr; ++tries) {
    window = FindWindowW(L"VoiceTypesWindow", nullptr);
    if (window == nullptr) Sleep(100);
  }
  ASSERT_NE(window, nullptr);
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
  DWORD status = 99;
  GetExitCodeProcess(process.hProcess, &status);
  EXPECT_EQ(status, 0u);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace
