#include "support/menu_loop.h"

#include "support/named_lock.h"
#include "support/pump.h"

namespace kxtest {

namespace {

struct MenuDriver {
  const std::function<void(HWND)>* inMenu;
  DWORD deadline;
  bool called;
};

thread_local MenuDriver* t_driver = nullptr;

BOOL CALLBACK FindPopupProc(HWND hwnd, LPARAM lParam) {
  char cls[16] = {};
  ::GetClassNameA(hwnd, cls, sizeof cls);
  if (lstrcmpA(cls, "#32768") != 0 || !::IsWindowVisible(hwnd)) return TRUE;
  *reinterpret_cast<HWND*>(lParam) = hwnd;
  return FALSE;
}

// The visible popup-menu window of this thread (class "#32768").
HWND FindPopup() {
  HWND popup = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), FindPopupProc, reinterpret_cast<LPARAM>(&popup));
  return popup;
}

void CALLBACK OnTimer(HWND owner, UINT, UINT_PTR id, DWORD) {
  MenuDriver* driver = t_driver;
  if (driver == nullptr) return;
  if (!driver->called) {
    if (HWND popup = FindPopup()) {
      driver->called = true;
      ::UpdateWindow(popup);
      (*driver->inMenu)(popup);
      return;  // what it posted is handled by the menu loop; look again later
    }
    if (::GetTickCount() < driver->deadline) return;
  }
  // Done (or nothing showed): whatever is still open is closed.
  ::KillTimer(owner, id);
  ::EndMenu();
}

}  // namespace

bool WithMenu(HWND timer, const std::function<void()>& open, const std::function<void(HWND)>& inMenu,
              unsigned timeoutMs) {
  // A popup closes at once when another program takes the foreground:
  // one popup at a time across test programs.
  NamedLock lock("KXTestPopupMenu");
  // A popup that never showed (a program without the lock, such as the
  // gallery, had the foreground) is opened again.
  for (int attempt = 0; attempt < 3; ++attempt) {
    MenuDriver driver{&inMenu, ::GetTickCount() + timeoutMs, false};
    MenuDriver* outer = t_driver;
    t_driver = &driver;
    const UINT_PTR id = ::SetTimer(timer, 0x4B58, 20, OnTimer);
    // A popup needs its owner in the foreground to take the keyboard.
    ::SetForegroundWindow(::GetAncestor(timer, GA_ROOT));
    open();
    ::KillTimer(timer, id);
    t_driver = outer;
    PumpUntilIdle();
    if (driver.called) return true;
  }
  return false;
}

UINT TrackMenu(HWND owner, HMENU menu, POINT pt, const std::function<void(HWND)>& inMenu, UINT flags,
               unsigned timeoutMs) {
  UINT id = 0;
  WithMenu(
      owner,
      [&] { id = static_cast<UINT>(::TrackPopupMenu(menu, TPM_RETURNCMD | flags, pt.x, pt.y, 0, owner, nullptr)); },
      inMenu, timeoutMs);
  return id;
}

Capture CaptureMenu(HWND popup) {
  RECT rc = {};
  ::GetClientRect(popup, &rc);
  HDC hdc = ::GetDC(popup);
  Capture shot = CaptureDC(hdc, rc);
  ::ReleaseDC(popup, hdc);
  return shot;
}

}  // namespace kxtest
