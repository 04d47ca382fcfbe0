#include <gtest/gtest.h>

#include "tests/qt/qt_window.h"
#include "tests/support/window_drills.h"

namespace voice_types::qt {
namespace {

TEST(QtSoakTest, RandomMouseAndKeyboardActionsKeepTheInvariants) {
  // Selecting the radio button that is already selected reports nothing in Qt.
  voice_types::testing::RunSoak<testing::QtWindow>(voice_types::testing::SoakActionCount(20000),
                                                   {false});
}

}  // namespace
}  // namespace voice_types::qt
