// The classic "Windows Standard" colour scheme that every Wine test program
// runs with, so that pixel expectations do not depend on the desktop's theme.
#pragma once

#include <windows.h>

#include <cstddef>

namespace kxtest {

struct SysColorEntry {
  int index;        // COLOR_* constant
  COLORREF colour;
};

// COLOR_SCROLLBAR through COLOR_MENUBAR with the scheme's values.
extern const SysColorEntry kClassicColors[];
extern const std::size_t kClassicColorCount;

// The scheme's value of one COLOR_* entry; CLR_INVALID for an index outside it.
COLORREF ClassicColor(int index);

// Sets every entry of the scheme with SetSysColors (for the session, not
// saved). Skips the call, and the WM_SYSCOLORCHANGE broadcast it causes,
// when the scheme is already in force. Returns false when SetSysColors fails.
bool ApplyClassicColorScheme();

// True when GetSysColor answers the scheme's value for every entry.
bool ClassicColorSchemeInForce();

}  // namespace kxtest
