// Painting an outlook bar (buttons, the inside rectangle, the items on
// screen, through its off-screen picture) against one BitBlt of the same
// area, the floor of any double-buffered paint; with 10 items and with
// 10,000 items scrolled to the middle, which must cost the same: only what
// shows is painted and item positions are measured once.
#include "bench_harness.h"

#include "bars/outbar.h"

#include <cstdio>

namespace {

// A bar that can be scrolled from here.
class BenchBar : public CKXOutBarCtrl {
public:
    void ScrollTo(int nFirst) { m_nFirstItem = nFirst; }
};

HICON SolidIcon(int cx, COLORREF clr) {
    CClientDC screen(nullptr);
    CBitmap color, mask;
    color.CreateCompatibleBitmap(&screen, cx, cx);
    mask.CreateBitmap(cx, cx, 1, 1, nullptr);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap* pOld = dc.SelectObject(&color);
    dc.FillSolidRect(0, 0, cx, cx, clr);
    dc.SelectObject(&mask);
    dc.PatBlt(0, 0, cx, cx, BLACKNESS);
    dc.SelectObject(pOld);
    ICONINFO ii = {TRUE, 0, 0, static_cast<HBITMAP>(mask.GetSafeHandle()), static_cast<HBITMAP>(color.GetSafeHandle())};
    return ::CreateIconIndirect(&ii);
}

bool Fill(BenchBar& bar, CWnd& host, CImageList& icons, int nItems, int x) {
    if (!bar.Create(WS_CHILD | WS_VISIBLE, CRect(x, 0, x + 200, 600), &host, 100)) return false;
    bar.SetImageList(&icons, OUTBAR_IMAGE_LARGE);
    bar.AddFolder("Mail", 0);
    bar.AddFolder("Notes", 0);
    bar.AddFolder("Tasks", 0);
    for (int i = 0; i < nItems; ++i) {
        CString s;
        s.Format("Item number %d", i);
        bar.InsertItem(0, -1, s, i % icons.GetImageCount());
    }
    bar.EnableItem(0, nItems / 2 + 1, false);
    bar.ScrollTo(nItems > 10 ? nItems / 2 : 0);
    return true;
}

void PrintInto(CWnd& wnd, CDC& target) {
    wnd.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target.GetSafeHdc()), PRF_CLIENT);
}

}  // namespace

int main() {
    CWnd host;
    if (!host.CreateEx(0, AfxRegisterWndClass(0), "bench", WS_POPUP, 0, 0, 420, 600, nullptr, nullptr)) {
        std::fprintf(stderr, "cannot create the host window\n");
        return 1;
    }
    CImageList icons;
    icons.Create(32, 32, ILC_COLOR24 | ILC_MASK, 4, 0);
    for (COLORREF clr : {RGB(200, 0, 0), RGB(0, 150, 0), RGB(0, 0, 200), RGB(220, 180, 0)}) {
        HICON hIcon = SolidIcon(32, clr);
        icons.Add(hIcon);
        ::DestroyIcon(hIcon);
    }
    BenchBar few, many;
    if (!Fill(few, host, icons, 10, 0) || !Fill(many, host, icons, 10000, 210)) {
        std::fprintf(stderr, "cannot create the bars\n");
        return 1;
    }
    CRect rcClient;
    few.GetClientRect(&rcClient);
    CClientDC screen(nullptr);
    CDC target, source;
    CBitmap targetBitmap, sourceBitmap;
    if (!target.CreateCompatibleDC(&screen) || !source.CreateCompatibleDC(&screen) ||
        !targetBitmap.CreateCompatibleBitmap(&screen, rcClient.Width(), rcClient.Height()) ||
        !sourceBitmap.CreateCompatibleBitmap(&screen, rcClient.Width(), rcClient.Height())) {
        std::fprintf(stderr, "cannot create the contexts\n");
        return 1;
    }
    CBitmap* pOldTarget = target.SelectObject(&targetBitmap);
    CBitmap* pOldSource = source.SelectObject(&sourceBitmap);
    PrintInto(many, target);  // measures the long folder once, as its first paint does

    const double blit = kxbench::TimePerCall(
        [&] { target.BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &source, 0, 0, SRCCOPY); });
    const double paintFew = kxbench::TimePerCall([&] { PrintInto(few, target); });
    const double paintMany = kxbench::TimePerCall([&] { PrintInto(many, target); });

    char name[80];
    std::snprintf(name, sizeof name, "outlook bar paint %dx%d, 10 items", rcClient.Width(), rcClient.Height());
    kxbench::Report(name, paintFew, blit, "one BitBlt");
    kxbench::Report("outlook bar paint, 10,000 items (middle)", paintMany, blit, "one BitBlt");
    const double ratio = kxbench::Report("outlook bar paint, 10,000 items (middle)", paintMany, paintFew, "10 items");

    source.SelectObject(pOldSource);
    target.SelectObject(pOldTarget);
    host.DestroyWindow();
    // Items off screen cost nothing: allow for noise.
    return ratio <= 1.5 ? 0 : 1;
}
