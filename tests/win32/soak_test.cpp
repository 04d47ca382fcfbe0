#include <gtest/gtest.h>

#include "tests/support/window_drills.h"
#include "tests/win32/win32_window.h"

namespace voice_types::win32 {
namespace {

TEST(Win32SoakTest, RandomClicksAndKeysKeepTheInvariants) {
  // A platform radio button reports every click, also on the one already selected.
  voice_types::testing::RunSoak<testing::Win32Window>(voice_types::testing::SoakActionCount(5000),
                                                      {true});
}

}  // namespace
}  // namespace voice_types::win32
