#include "core/work_area.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

CRect SpiWorkArea() {
    CRect rect;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rect, 0);
    return rect;
}

BOOL CALLBACK CountMonitor(HMONITOR hMonitor, HDC, LPRECT, LPARAM lParam) {
    EXPECT_EQ(KX_PRIMARY_MONITOR, hMonitor);
    ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

TEST(MultiMonitor, BindsTheSystemOrStandsInForOneMonitor) {
    EXPECT_FALSE(KXGetMultiMonitorApi().bSingleMonitor);
    EXPECT_TRUE(KXBindMultiMonitorApi(nullptr).bSingleMonitor);
    EXPECT_TRUE(KXBindMultiMonitorApi(::GetModuleHandleA("KERNEL32")).bSingleMonitor);  // lacks them all
}

TEST(MultiMonitor, TheStandInIsThePrimaryScreen) {
    const KX_MULTIMONITOR_API api = KXBindMultiMonitorApi(nullptr);
    const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);

    EXPECT_EQ(KX_PRIMARY_MONITOR, api.pfnMonitorFromPoint(POINT{cx - 1, cy - 1}, MONITOR_DEFAULTTONULL));
    EXPECT_EQ(nullptr, api.pfnMonitorFromPoint(POINT{cx, 0}, MONITOR_DEFAULTTONULL));
    EXPECT_EQ(KX_PRIMARY_MONITOR, api.pfnMonitorFromPoint(POINT{-5, 0}, MONITOR_DEFAULTTONEAREST));
    const RECT rcOverlap = {-10, -10, 1, 1}, rcAway = {cx, cy, cx + 10, cy + 10};
    EXPECT_EQ(KX_PRIMARY_MONITOR, api.pfnMonitorFromRect(&rcOverlap, MONITOR_DEFAULTTONULL));
    EXPECT_EQ(nullptr, api.pfnMonitorFromRect(&rcAway, MONITOR_DEFAULTTONULL));
    EXPECT_EQ(KX_PRIMARY_MONITOR, api.pfnMonitorFromRect(&rcAway, MONITOR_DEFAULTTOPRIMARY));
    EXPECT_EQ(KX_PRIMARY_MONITOR, api.pfnMonitorFromWindow(::GetDesktopWindow(), MONITOR_DEFAULTTONULL));
    EXPECT_EQ(1, api.pfnGetSystemMetrics(SM_CMONITORS));
    EXPECT_EQ(cx, api.pfnGetSystemMetrics(SM_CXVIRTUALSCREEN));

    MONITORINFOEXA mi = {};
    mi.cbSize = sizeof mi;
    ASSERT_TRUE(api.pfnGetMonitorInfo(KX_PRIMARY_MONITOR, &mi));
    EXPECT_EQ(CRect(0, 0, cx, cy), CRect(mi.rcMonitor));
    EXPECT_EQ(SpiWorkArea(), CRect(mi.rcWork));
    EXPECT_EQ(static_cast<DWORD>(MONITORINFOF_PRIMARY), mi.dwFlags);
    EXPECT_STREQ("DISPLAY", mi.szDevice);
    EXPECT_FALSE(api.pfnGetMonitorInfo(reinterpret_cast<HMONITOR>(1), &mi));

    int nMonitors = 0;
    EXPECT_TRUE(api.pfnEnumDisplayMonitors(nullptr, nullptr, CountMonitor, reinterpret_cast<LPARAM>(&nMonitors)));
    EXPECT_TRUE(api.pfnEnumDisplayMonitors(nullptr, &rcAway, CountMonitor, reinterpret_cast<LPARAM>(&nMonitors)));
    EXPECT_EQ(1, nMonitors);

    DISPLAY_DEVICEA dd = {};
    dd.cb = sizeof dd;
    ASSERT_TRUE(api.pfnEnumDisplayDevices(nullptr, 0, &dd, 0));
    EXPECT_STREQ("DISPLAY", dd.DeviceName);
    EXPECT_TRUE(dd.StateFlags & DISPLAY_DEVICE_PRIMARY_DEVICE);
    EXPECT_FALSE(api.pfnEnumDisplayDevices(nullptr, 1, &dd, 0));

    EXPECT_EQ(SpiWorkArea(), KXGetMonitorWorkArea(api, nullptr));
    EXPECT_EQ(SpiWorkArea(), KXGetMonitorWorkArea(api, KX_PRIMARY_MONITOR));
}

TEST(WorkArea, OffEveryMonitorMeansThePrimaryWorkArea) {
    EXPECT_EQ(SpiWorkArea(), KXGetWorkArea(CRect(-100000, -100000, -99000, -99000)));
    EXPECT_EQ(SpiWorkArea(), KXGetWorkArea(static_cast<const CWnd*>(nullptr)));
    EXPECT_FALSE(KXGetWorkArea().IsRectEmpty());
    EXPECT_FALSE(KXGetWorkArea(CRect(0, 0, 10, 10)).IsRectEmpty());
}

}  // namespace
