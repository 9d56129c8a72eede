#include "support/menu_loop.h"

#include "support/host_window.h"
#include "support/input.h"
#include "support/pixel_assert.h"

#include <gtest/gtest.h>

namespace {

TEST(MenuLoop, DrivesAPopupAndAlwaysComesBack) {
  kxtest::HostWindow host;
  HMENU menu = ::CreatePopupMenu();
  ::AppendMenuA(menu, MF_STRING, 101, "First");
  ::AppendMenuA(menu, MF_STRING, 102, "Second");

  // Choose the second item with the keyboard; the popup's pixels show its text.
  kxtest::Capture shot;
  UINT id = kxtest::TrackMenu(host.hwnd(), menu, POINT{300, 300}, [&](HWND popup) {
    shot = kxtest::CaptureMenu(popup);
    kxtest::PostKeyPress(popup, VK_DOWN);
    kxtest::PostKeyPress(popup, VK_DOWN);
    kxtest::PostKeyPress(popup, VK_RETURN);
  });
  EXPECT_EQ(102u, id);
  ASSERT_FALSE(shot.empty());
  EXPECT_GT(shot.height(), 20);
  EXPECT_RECT_CONTAINS(shot, (RECT{0, 0, shot.width(), shot.height()}), ::GetSysColor(COLOR_MENUTEXT));

  // Doing nothing: the menu is closed for the test, nothing chosen.
  bool called = false;
  id = kxtest::TrackMenu(host.hwnd(), menu, POINT{300, 300}, [&](HWND) { called = true; });
  EXPECT_TRUE(called);
  EXPECT_EQ(0u, id);
  ::DestroyMenu(menu);
}

}  // namespace
