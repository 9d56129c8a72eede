// Driving a popup menu's modal loop from a test.
//
//   UINT id = kxtest::TrackMenu(host.hwnd(), hMenu, POINT{200, 200}, [](HWND popup) {
//     kxtest::Capture shot = kxtest::CaptureMenu(popup);   // what the menu drew
//     kxtest::PostKeyPress(popup, VK_DOWN);                 // or choose nothing
//     kxtest::PostKeyPress(popup, VK_RETURN);
//   });
//
// TrackPopupMenu runs its own message loop, so the test acts from a timer
// that fires inside that loop once the popup window exists.  Whatever the
// callback leaves open is closed afterwards (EndMenu), so a test never hangs
// in a menu.
#pragma once

#include <windows.h>

#include <functional>

#include "support/capture.h"

namespace kxtest {

// TrackPopupMenu(menu, TPM_RETURNCMD | flags) at screen point pt for owner,
// calling inMenu with the popup window once it shows (not at all when none
// appears within timeoutMs).  Returns the chosen command, 0 for none.
UINT TrackMenu(HWND owner, HMENU menu, POINT pt, const std::function<void(HWND popup)>& inMenu,
               UINT flags = 0, unsigned timeoutMs = 2000);

// The same for a menu that code under test opens itself: runs open(), which
// shows a popup menu and returns once it has closed, calling inMenu with
// the popup window from a timer of timerOwner inside the menu's loop.
// Returns whether a popup showed.
bool DriveMenu(HWND timerOwner, const std::function<void()>& open,
               const std::function<void(HWND popup)>& inMenu, unsigned timeoutMs = 2000);

// The popup's pixels as they are on the screen (the whole window).
Capture CaptureMenu(HWND popup);

}  // namespace kxtest
