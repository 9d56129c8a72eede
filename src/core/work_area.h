// The work area (screen minus task bars) of a monitor, and the run-time
// binding of the multi-monitor functions behind it.
#pragma once

#include "win/afxwin.h"

// Of the monitor under the mouse cursor.
CRect KXGetWorkArea();
// Of the monitor that holds the window (null: no window).
CRect KXGetWorkArea(const CWnd* pWnd);
// Of the monitor that holds the rectangle.
CRect KXGetWorkArea(const CRect& rect);
// Each answers the primary screen's work area when no monitor is found.

// The multi-monitor functions of USER32.  Where the system lacks any one of
// them, all are replaced by a single-monitor stand-in: the primary screen is
// the one monitor (handle KX_PRIMARY_MONITOR), holding every point inside it
// and every window or rectangle that overlaps it.
struct KX_MULTIMONITOR_API {
    int(WINAPI* pfnGetSystemMetrics)(int);
    HMONITOR(WINAPI* pfnMonitorFromWindow)(HWND, DWORD);
    HMONITOR(WINAPI* pfnMonitorFromRect)(LPCRECT, DWORD);
    HMONITOR(WINAPI* pfnMonitorFromPoint)(POINT, DWORD);
    BOOL(WINAPI* pfnEnumDisplayMonitors)(HDC, LPCRECT, MONITORENUMPROC, LPARAM);
    BOOL(WINAPI* pfnGetMonitorInfo)(HMONITOR, LPMONITORINFO);
    BOOL(WINAPI* pfnEnumDisplayDevices)(LPCSTR, DWORD, PDISPLAY_DEVICEA, DWORD);
    BOOL bSingleMonitor;  // the stand-in answers
};

#define KX_PRIMARY_MONITOR ((HMONITOR)(LONG_PTR)0x12340042)

// The binding the work-area functions use, made on first use.
const KX_MULTIMONITOR_API& KXGetMultiMonitorApi();
// Binds from hUser32; the stand-in when it is null or lacks a function.
KX_MULTIMONITOR_API KXBindMultiMonitorApi(HMODULE hUser32);
// The work area of hMonitor as api answers it; the primary one without.
CRect KXGetMonitorWorkArea(const KX_MULTIMONITOR_API& api, HMONITOR hMonitor);
