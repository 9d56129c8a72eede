// The library's private window messages (WM_USER + n) shared between its
// windows and the application.
#pragma once

#include <windows.h>

// A control to itself after it is attached, to finish its set-up once the
// window is fully attached; the second parameter carries the request count.
#define WM_KX_INITCONTROL (WM_USER + 2527)
