#include "core/gfx_window.h"

#include <cstring>

namespace {

struct FontScale {
    int nOldWidth = 1, nNewWidth = 1, nOldHeight = 1, nNewHeight = 1;
    int X(int v) const { return MulDivTrunc(v, nNewWidth, nOldWidth); }
    int Y(int v) const { return MulDivTrunc(v, nNewHeight, nOldHeight); }
    // Integer multiply then divide; a zero measure leaves the value as it is.
    static int MulDivTrunc(int v, int num, int den) {
        return den ? static_cast<int>(static_cast<long long>(v) * num / den) : v;
    }
};

// Height (tmHeight + tmExternalLeading) and average width of a font on the screen.
void MeasureFont(HFONT hFont, int& nWidth, int& nHeight) {
    HDC hdc = ::GetDC(nullptr);
    if (hdc == nullptr) return;
    HGDIOBJ hOld = ::SelectObject(hdc, hFont ? static_cast<HGDIOBJ>(hFont) : ::GetStockObject(SYSTEM_FONT));
    TEXTMETRICA tm;
    if (::GetTextMetricsA(hdc, &tm)) {
        nWidth = tm.tmAveCharWidth;
        nHeight = tm.tmHeight + tm.tmExternalLeading;
    }
    ::SelectObject(hdc, hOld);
    ::ReleaseDC(nullptr, hdc);
}

}  // namespace

HWND GfxChildWindowFromPoint(HWND hWndParent, POINT pt) {
    if (hWndParent == nullptr) return nullptr;
    ::ClientToScreen(hWndParent, &pt);
    for (HWND hChild = ::GetWindow(hWndParent, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if ((::GetDlgCtrlID(hChild) & 0xFFFF) == 0xFFFF) continue;
        if (!(::GetWindowLongA(hChild, GWL_STYLE) & WS_VISIBLE)) continue;
        RECT rc;
        ::GetWindowRect(hChild, &rc);
        if (::PtInRect(&rc, pt)) return hChild;
    }
    return nullptr;
}

void GfxChangeWindowFont(CWnd* pWnd, CFont* pFont) {
    HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : nullptr;
    if (hWnd == nullptr) return;
    HFONT hNewFont = pFont ? static_cast<HFONT>(pFont->GetSafeHandle()) : nullptr;

    FontScale s;
    MeasureFont(reinterpret_cast<HFONT>(::SendMessageA(hWnd, WM_GETFONT, 0, 0)), s.nOldWidth, s.nOldHeight);
    MeasureFont(hNewFont, s.nNewWidth, s.nNewHeight);

    // The window: client area scaled, non-client margins kept, centre kept.
    RECT rcWindow, rcClient;
    ::GetWindowRect(hWnd, &rcWindow);
    ::GetClientRect(hWnd, &rcClient);
    const int cxMargin = (rcWindow.right - rcWindow.left) - rcClient.right;
    const int cyMargin = (rcWindow.bottom - rcWindow.top) - rcClient.bottom;
    const int cxNew = s.X(rcClient.right), cyNew = s.Y(rcClient.bottom);
    if (HWND hParent = ::GetParent(hWnd); hParent && (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
        ::MapWindowPoints(nullptr, hParent, reinterpret_cast<POINT*>(&rcWindow), 2);
    const int x = rcWindow.left - (cxNew - rcClient.right) / 2;
    const int y = rcWindow.top - (cyNew - rcClient.bottom) / 2;
    ::MoveWindow(hWnd, x, y, cxNew + cxMargin, cyNew + cyMargin, TRUE);
    ::SendMessageA(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(hNewFont), TRUE);

    for (HWND hChild = ::GetWindow(hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        ::SendMessageA(hChild, WM_SETFONT, reinterpret_cast<WPARAM>(hNewFont), TRUE);
        RECT rc;
        ::GetWindowRect(hChild, &rc);
        char szClass[32] = "";
        ::GetClassNameA(hChild, szClass, sizeof szClass);
        if (::lstrcmpiA(szClass, "COMBOBOX") == 0) {
            // The dropped-down rectangle carries the list height.
            RECT rcDrop;
            if (::SendMessageA(hChild, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&rcDrop))) {
                rc.right = rcDrop.right;
                rc.bottom = rcDrop.bottom;
            }
        }
        ::MapWindowPoints(nullptr, hWnd, reinterpret_cast<POINT*>(&rc), 2);
        const int l = s.X(rc.left), t = s.Y(rc.top), r = s.X(rc.right), b = s.Y(rc.bottom);
        ::MoveWindow(hChild, l, t, r - l, b - t, TRUE);
    }
}
