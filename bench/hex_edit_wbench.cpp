// The hex editor on a large block.  A keystroke with its repaint at the end
// of a 100 MB block against the same at the end of a 1 KB block (the edit
// and the paint must not grow with the data: at most twice), and a full
// repaint of the 100 MB view against one BitBlt of the same area (the floor
// of any double-buffered paint).
#include "offscreen_pair.h"

#include "edit/hex_edit.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kWidth = 640, kHeight = 480;

// Sends a key with Ctrl held, as the control reads it (GetKeyState).
void SendCtrlKey(CWnd& wnd, UINT vk) {
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    const BYTE old = keys[VK_CONTROL];
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    wnd.SendMessage(WM_KEYDOWN, vk, 1);
    keys[VK_CONTROL] = old;
    ::SetKeyboardState(keys);
}

// A block of nBytes in a visible editor, the view on its last page and the
// caret on the last byte's low nibble.
bool PrepareAtTheEnd(CKXHexEdit& hex, std::vector<BYTE>& bytes) {
    if (!hex.SetData(bytes.data(), static_cast<int>(bytes.size()), -1)) return false;
    hex.UpdateWindow();
    hex.SetFocus();
    SendCtrlKey(hex, VK_END);  // caret after the last byte, the view a page on
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    hex.GetScrollInfo(SB_VERT, &si, SIF_RANGE);
    hex.SetScrollPos(SB_VERT, si.nMax, FALSE);
    hex.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, si.nMax & 0xFFFF));
    hex.SendMessage(WM_KEYDOWN, VK_LEFT, 1);
    return hex.m_nCurrentAddress == static_cast<int>(bytes.size()) - 1 && hex.m_nEditMode == KX_HEX_MODE_LOW;
}

// One digit over the low nibble (which redraws at once), then back.
void Keystroke(CKXHexEdit& hex) {
    hex.SendMessage(WM_CHAR, '5', 1);
    hex.SendMessage(WM_KEYDOWN, VK_LEFT, 1);
}

}  // namespace

int main() {
    CWnd host;
    if (!host.CreateEx(0, AfxRegisterWndClass(0), "hex bench", WS_POPUP | WS_VISIBLE, 0, 0, 2 * kWidth + 40,
                       kHeight + 40, nullptr, nullptr)) {
        std::fprintf(stderr, "cannot create the host window\n");
        return 1;
    }
    // Two editors side by side, measured in turns so that a busy machine
    // disturbs both alike.
    CKXHexEdit small, large;
    if (!small.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL, CRect(0, 0, kWidth, kHeight), &host, 1) ||
        !large.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL, CRect(kWidth + 20, 0, 2 * kWidth + 20, kHeight), &host, 2)) {
        std::fprintf(stderr, "cannot create the editors\n");
        return 1;
    }
    {
        std::vector<BYTE> bytes(1024, 0x11);
        if (!PrepareAtTheEnd(small, bytes)) {
            std::fprintf(stderr, "cannot reach the end of the 1 KB block\n");
            return 1;
        }
        bytes.assign(100u * 1024u * 1024u, 0x22);
        if (!PrepareAtTheEnd(large, bytes)) {
            std::fprintf(stderr, "cannot reach the end of the 100 MB block\n");
            return 1;
        }
    }
    double tSmall = 1e300, tLarge = 1e300;
    for (int round = 0; round < 6; ++round) {
        small.SetFocus();
        tSmall = std::min(tSmall, kxbench::TimePerCall([&] { Keystroke(small); }, 0.1, 1));
        large.SetFocus();
        tLarge = std::min(tLarge, kxbench::TimePerCall([&] { Keystroke(large); }, 0.1, 1));
    }
    CKXHexEdit& hex = large;

    // The whole client area painted into memory, against one copy of it.
    CRect rc;
    hex.GetClientRect(&rc);
    kxbench::OffscreenPair pair(rc.Width(), rc.Height());
    if (!pair.IsValid()) {
        std::fprintf(stderr, "cannot create the contexts\n");
        return 1;
    }
    CDC& target = pair.target;
    const double tBlit = pair.TimeBlit();
    const double tPaint = kxbench::TimePerCall([&] { hex.Draw(&target); });
    const double tScreen = kxbench::TimePerCall([&] { hex.RedrawWindow(); });

    const double ratio = kxbench::Report("keystroke + repaint at the end, 100 MB", tLarge, tSmall, "the same, 1 KB");
    char szName[64];
    std::snprintf(szName, sizeof szName, "full repaint %dx%d, 100 MB, in memory", rc.Width(), rc.Height());
    kxbench::Report(szName, tPaint, tBlit, "one BitBlt");
    kxbench::Report("full repaint on screen, 100 MB", tScreen, tBlit, "one BitBlt");

    small.DestroyWindow();
    large.DestroyWindow();
    host.DestroyWindow();
    return ratio <= 2.0 ? 0 : 1;
}
