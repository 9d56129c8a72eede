#include "core/work_area.h"

#include "core/load_library.h"

#include <cstring>

namespace {

CRect PrimaryScreen() {
    return CRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
}

CRect PrimaryWorkArea() {
    CRect rect;
    if (!::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rect, 0)) rect = PrimaryScreen();
    return rect;
}

// --- the single-monitor stand-in -----------------------------------------

HMONITOR PrimaryOr(BOOL bOnPrimary, DWORD dwFlags) {
    return (bOnPrimary || (dwFlags & (MONITOR_DEFAULTTOPRIMARY | MONITOR_DEFAULTTONEAREST))) ? KX_PRIMARY_MONITOR
                                                                                              : nullptr;
}

int WINAPI SingleGetSystemMetrics(int nIndex) {
    switch (nIndex) {
    case SM_CMONITORS:
    case SM_SAMEDISPLAYFORMAT:
        return 1;
    case SM_XVIRTUALSCREEN:
    case SM_YVIRTUALSCREEN:
        return 0;
    case SM_CXVIRTUALSCREEN:
        return ::GetSystemMetrics(SM_CXSCREEN);
    case SM_CYVIRTUALSCREEN:
        return ::GetSystemMetrics(SM_CYSCREEN);
    default:
        return ::GetSystemMetrics(nIndex);
    }
}

HMONITOR WINAPI SingleMonitorFromPoint(POINT pt, DWORD dwFlags) {
    return PrimaryOr(PrimaryScreen().PtInRect(pt), dwFlags);
}

HMONITOR WINAPI SingleMonitorFromRect(LPCRECT pRect, DWORD dwFlags) {
    CRect rcCommon;
    const CRect rcScreen = PrimaryScreen();
    return PrimaryOr(pRect && rcCommon.IntersectRect(pRect, &rcScreen), dwFlags);
}

HMONITOR WINAPI SingleMonitorFromWindow(HWND hWnd, DWORD dwFlags) {
    // A minimised window is judged by where it would be restored.
    WINDOWPLACEMENT wp = {sizeof wp, 0, 0, {}, {}, {}};
    if (::IsIconic(hWnd) && ::GetWindowPlacement(hWnd, &wp)) return SingleMonitorFromRect(&wp.rcNormalPosition, dwFlags);
    CRect rect;
    if (!::GetWindowRect(hWnd, &rect)) return PrimaryOr(FALSE, dwFlags);
    return SingleMonitorFromRect(&rect, dwFlags);
}

BOOL WINAPI SingleGetMonitorInfo(HMONITOR hMonitor, LPMONITORINFO pInfo) {
    if (hMonitor != KX_PRIMARY_MONITOR || !pInfo || pInfo->cbSize < sizeof(MONITORINFO)) return FALSE;
    pInfo->rcMonitor = PrimaryScreen();
    pInfo->rcWork = PrimaryWorkArea();
    pInfo->dwFlags = MONITORINFOF_PRIMARY;
    if (pInfo->cbSize >= sizeof(MONITORINFOEXA))
        std::strcpy(reinterpret_cast<MONITORINFOEXA*>(pInfo)->szDevice, "DISPLAY");
    return TRUE;
}

BOOL WINAPI SingleEnumDisplayMonitors(HDC hDC, LPCRECT pClip, MONITORENUMPROC pfnEnum, LPARAM lParam) {
    if (!pfnEnum) return FALSE;
    CRect rcMonitor = PrimaryScreen();
    if (hDC) {
        // The monitor in the context's coordinates, cut to what it can show.
        CRect rcClip;
        if (::GetClipBox(hDC, &rcClip) == ERROR) return FALSE;
        POINT ptOrg;
        if (::GetDCOrgEx(hDC, &ptOrg)) rcMonitor.OffsetRect(-ptOrg.x, -ptOrg.y);
        if (!rcMonitor.IntersectRect(&rcMonitor, &rcClip)) return TRUE;
    }
    if (pClip && !rcMonitor.IntersectRect(&rcMonitor, pClip)) return TRUE;
    pfnEnum(KX_PRIMARY_MONITOR, hDC, &rcMonitor, lParam);
    return TRUE;
}

BOOL WINAPI SingleEnumDisplayDevices(LPCSTR pszDevice, DWORD iDevNum, PDISPLAY_DEVICEA pDevice, DWORD) {
    if (pszDevice || iDevNum != 0 || !pDevice || pDevice->cb < sizeof(DISPLAY_DEVICEA)) return FALSE;
    std::strcpy(pDevice->DeviceName, "DISPLAY");
    std::strcpy(pDevice->DeviceString, "DISPLAY");
    pDevice->StateFlags = DISPLAY_DEVICE_ATTACHED_TO_DESKTOP | DISPLAY_DEVICE_PRIMARY_DEVICE;
    pDevice->DeviceID[0] = pDevice->DeviceKey[0] = '\0';
    return TRUE;
}

template <typename F>
bool Bind(HMODULE hModule, const char* pszName, F& pfn) {
    pfn = KXGetProcAddress<F>(hModule, pszName);
    return pfn != nullptr;
}

}  // namespace

KX_MULTIMONITOR_API KXBindMultiMonitorApi(HMODULE hUser32) {
    KX_MULTIMONITOR_API api{};
    if (hUser32 && Bind(hUser32, "GetSystemMetrics", api.pfnGetSystemMetrics) &&
        Bind(hUser32, "MonitorFromWindow", api.pfnMonitorFromWindow) &&
        Bind(hUser32, "MonitorFromRect", api.pfnMonitorFromRect) &&
        Bind(hUser32, "MonitorFromPoint", api.pfnMonitorFromPoint) &&
        Bind(hUser32, "EnumDisplayMonitors", api.pfnEnumDisplayMonitors) &&
        Bind(hUser32, "GetMonitorInfoA", api.pfnGetMonitorInfo) &&
        Bind(hUser32, "EnumDisplayDevicesA", api.pfnEnumDisplayDevices))
        return api;
    return {SingleGetSystemMetrics, SingleMonitorFromWindow, SingleMonitorFromRect,   SingleMonitorFromPoint,
            SingleEnumDisplayMonitors, SingleGetMonitorInfo, SingleEnumDisplayDevices, TRUE};
}

const KX_MULTIMONITOR_API& KXGetMultiMonitorApi() {
    static const KX_MULTIMONITOR_API s_api = KXBindMultiMonitorApi(::GetModuleHandleA("USER32"));
    return s_api;
}

CRect KXGetMonitorWorkArea(const KX_MULTIMONITOR_API& api, HMONITOR hMonitor) {
    MONITORINFO mi = {sizeof mi, {}, {}, 0};
    if (hMonitor && api.pfnGetMonitorInfo(hMonitor, &mi)) return mi.rcWork;
    return PrimaryWorkArea();
}

CRect KXGetWorkArea() {
    const KX_MULTIMONITOR_API& api = KXGetMultiMonitorApi();
    POINT pt;
    if (!::GetCursorPos(&pt)) return PrimaryWorkArea();
    return KXGetMonitorWorkArea(api, api.pfnMonitorFromPoint(pt, MONITOR_DEFAULTTONULL));
}

CRect KXGetWorkArea(const CWnd* pWnd) {
    const KX_MULTIMONITOR_API& api = KXGetMultiMonitorApi();
    const HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : nullptr;
    if (!hWnd) return PrimaryWorkArea();
    return KXGetMonitorWorkArea(api, api.pfnMonitorFromWindow(hWnd, MONITOR_DEFAULTTONULL));
}

CRect KXGetWorkArea(const CRect& rect) {
    const KX_MULTIMONITOR_API& api = KXGetMultiMonitorApi();
    return KXGetMonitorWorkArea(api, api.pfnMonitorFromRect(&rect, MONITOR_DEFAULTTONULL));
}
