// Painting an edit control through its off-screen context (background,
// the platform edit's text, one copy out) against one BitBlt of the same
// area, the floor of any double-buffered paint, and against the platform
// edit painting the same text straight into the target.
#include "offscreen_pair.h"

#include "core/aux_data.h"
#include "core/mem_dc.h"
#include "edit/date_edit.h"

#include <cstdio>

namespace {

// Renders the control's client area into target, as WM_PRINTCLIENT asks.
void PrintInto(CWnd& wnd, CDC& target) {
    wnd.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target.GetSafeHdc()), PRF_CLIENT);
}

}  // namespace

int main() {
    CWnd host;
    if (!host.CreateEx(0, AfxRegisterWndClass(0), "bench", WS_POPUP, 0, 0, 640, 200, nullptr, nullptr)) {
        std::fprintf(stderr, "cannot create the host window\n");
        return 1;
    }
    const CRect rc(10, 10, 410, 34);
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
    CKXEdit edit;
    CKXMaskEdit mask;
    CEdit plain;
    if (!edit.Create(dwStyle, rc, &host, 100) || !mask.Create(dwStyle, rc + CPoint(0, 40), &host, 101) ||
        !plain.Create(dwStyle, rc + CPoint(0, 80), &host, 102)) {
        std::fprintf(stderr, "cannot create the edits\n");
        return 1;
    }
    const char* pszText = "The quick brown fox jumps over the lazy dog 0123456789";
    edit.SetWindowText(pszText);
    plain.SetWindowText(pszText);
    plain.SetFont(&CKXAuxData::Get().fontRegular);
    mask.SetEditMask("(999) 999-9999 >>>>-0000", "(___) ___-____ ____-____", "(555) 123-4567 ABCD-1234");

    CRect rcClient;
    edit.GetClientRect(&rcClient);
    kxbench::OffscreenPair pair(rcClient.Width(), rcClient.Height());
    if (!pair.IsValid()) {
        std::fprintf(stderr, "cannot create the contexts\n");
        return 1;
    }
    CDC& target = pair.target;
    const double blit = pair.TimeBlit();
    const double direct = kxbench::TimePerCall([&] { PrintInto(plain, target); });
    const double buffered = kxbench::TimePerCall([&] { PrintInto(edit, target); });
    const double masked = kxbench::TimePerCall([&] { PrintInto(mask, target); });
    // What buffering itself costs: the off-screen context filled and copied
    // out, and the brush the colour message rebuilds each time.
    const double buffer = kxbench::TimePerCall([&] { CKXMemDC memDC(&target, rcClient, RGB(255, 255, 255)); });
    const double brush = kxbench::TimePerCall([&] { ::DeleteObject(::CreateSolidBrush(RGB(255, 255, 255))); });

    char name[80];
    std::snprintf(name, sizeof name, "edit paint %dx%d via CKXMemDC", rcClient.Width(), rcClient.Height());
    kxbench::Report(name, buffered, blit, "one BitBlt");
    kxbench::Report("masked edit paint via CKXMemDC", masked, blit, "one BitBlt");
    kxbench::Report("edit paint via CKXMemDC", buffered, direct, "platform edit, direct");
    const double ratio =
        kxbench::Report("edit paint via CKXMemDC", buffered, direct + buffer + brush, "direct + buffer + brush");

    host.DestroyWindow();
    // The paint is the platform's text drawing plus the buffer and the brush,
    // and nothing else: allow for noise.
    return ratio <= 1.5 ? 0 : 1;
}
