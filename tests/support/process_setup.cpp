#include "support/process_setup.h"

#include <windows.h>
#include <uxtheme.h>

#include <cstdio>

#include "support/color_scheme.h"

namespace kxtest {

void DisableVisualStyles() { ::SetThemeAppProperties(0); }

int MakeDpiAware() {
  // Newer systems take the awareness context; older ones only know the
  // process flag. Both are looked up because the build targets XP headers.
  HMODULE user32 = ::GetModuleHandleA("user32.dll");
  using SetContextFn = BOOL(WINAPI*)(HANDLE);
  using SetAwareFn = BOOL(WINAPI*)();
  bool done = false;
  if (auto setContext = reinterpret_cast<SetContextFn>(
          reinterpret_cast<void*>(::GetProcAddress(user32, "SetProcessDpiAwarenessContext")))) {
    const HANDLE kSystemAware = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-2));
    done = setContext(kSystemAware) != FALSE;
  }
  if (!done) {
    if (auto setAware = reinterpret_cast<SetAwareFn>(
            reinterpret_cast<void*>(::GetProcAddress(user32, "SetProcessDPIAware"))))
      setAware();
  }
  HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
  ::ReleaseDC(nullptr, screen);
  return dpi;
}

bool PrepareTestProcess() {
  // A crashing test must end the program, not wait for someone to close a dialog.
  ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  DisableVisualStyles();
  bool ok = true;
  const int dpi = MakeDpiAware();
  if (dpi != 96) {
    std::fprintf(stderr, "kxtest: the display has %d DPI; pixel tests assume 96\n", dpi);
    ok = false;
  }
  if (!ApplyClassicColorScheme() || !ClassicColorSchemeInForce()) {
    std::fprintf(stderr, "kxtest: could not set the classic colour scheme\n");
    ok = false;
  }
  return ok;
}

}  // namespace kxtest
