// Driving a popup menu's modal loop from a test.
//
//   UINT id = kxtest::TrackMenu(host.hwnd(), hMenu, POINT{200, 200}, [](HWND popup) {
//     kxtest::Capture shot = kxtest::CaptureMenu(popup);   // what the menu drew
//     kxtest::PostKeyPress(popup, VK_DOWN);                 // or choose nothing
//     kxtest::PostKeyPress(popup, VK_RETURN);
//   });
//
//   kxtest::WithMenu(hwndCtrl, [&] { ::SendMessage(hwndCtrl, WM_CONTEXTMENU, ...); },
//                    [](HWND popup) { ... });
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

// Runs open(), which tracks a popup menu on this thread (for example by
// sending WM_CONTEXTMENU to a control), and calls inMenu with the popup
// window once it shows, as TrackMenu does; timer owns the timer that drives
// it.  Returns whether a popup showed within timeoutMs.  Test programs
// running side by side take turns with their popups; open() is called again
// (up to three times) when no popup showed.
bool WithMenu(HWND timer, const std::function<void()>& open, const std::function<void(HWND popup)>& inMenu,
              unsigned timeoutMs = 2000);

// The popup's pixels as they are on the screen (the whole window).
Capture CaptureMenu(HWND popup);

}  // namespace kxtest
