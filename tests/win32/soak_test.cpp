#include <gtest/gtest.h>

#include "tests/support/soak.h"
#include "tests/win32/win32_window.h"

namespace voice_types::win32 {
namespace {

using testing::ExpectMatches;
using testing::FocusedSlot;
using testing::Win32Window;
using namespace voice_types::testing;

struct VirtualKey {
  WPARAM key;
  bool shift;
};

VirtualKey Win32Key(SoakKey key) {
  switch (key) {
    case SoakKey::Space:
      return {VK_SPACE, false};
    case SoakKey::Tab:
      return {VK_TAB, false};
    case SoakKey::Backtab:
      return {VK_TAB, true};
    case SoakKey::Left:
      return {VK_LEFT, false};
    case SoakKey::Right:
      return {VK_RIGHT, false};
    case SoakKey::Up:
      return {VK_UP, false};
    case SoakKey::Down:
      return {VK_DOWN, false};
  }
  return {VK_SPACE, false};
}

TEST(Win32SoakTest, RandomClicksAndKeysKeepTheInvariants) {
  const int actions = SoakActionCount(5000);
  std::mt19937 random(20261208);
  Win32Window window;
  ReferenceModel model;
  for (int step = 0; step < actions; ++step) {
    const SoakAction action = NextSoakAction(random, model);
    const std::size_t before = FocusedSlot(window.form);
    if (action.click) {
      window.Click(window.form.Control(action.slot));
    } else {
      const VirtualKey key = Win32Key(action.key);
      window.Key(key.key, key.shift);
    }
    // A platform radio button reports every click, also on the one already selected.
    ApplySoakAction(model, action, before, FocusedSlot(window.form), {true});
    ExpectMatches(window, model);
    if (HasFailure()) FAIL() << "at step " << step;
  }
}

}  // namespace
}  // namespace voice_types::win32
