// Painting a flat tab strip against one plain BitBlt of the strip's area (the
// floor of a double-buffered paint), with 10, 1,000 and 10,000 tabs and the
// selection in the middle.  Only the tabs in view are drawn, so the paint
// must cost the same whatever the number of tabs.
#include "offscreen_pair.h"

#include "tabs/flat_tab_ctrl.h"

#include <cstdio>

namespace {

struct Figures {
    double paint;
    double blit;
};

Figures Measure(CWnd& parent, int nTabs) {
    CKXFlatTabCtrl tabs;
    const CRect rc(0, 0, 1200, 300);
    if (!tabs.Create(WS_CHILD | WS_VISIBLE | KX_FTS_HASHOMEEND | KX_FTS_HSCROLL, rc, &parent, 1)) return {0, 0};
    for (int i = 0; i < nTabs; ++i) {
        CString str;
        str.Format("Sheet %d", i + 1);
        tabs.InsertItem(i, str);
    }
    tabs.SetCurSel(nTabs / 2);
    const CRect strip = tabs.GetLayout().GetStripRect();

    kxbench::OffscreenPair pair(rc.Width(), rc.Height());
    if (!pair.IsValid()) return {0, 0};
    Figures f;
    f.blit = pair.TimeBlit(strip);
    f.paint = kxbench::TimePerCall([&] { tabs.Paint(&pair.target); });
    return f;
}

}  // namespace

int main() {
    CWnd parent;
    if (!parent.CreateEx(0, AfxRegisterWndClass(0), "bench", WS_POPUP, 0, 0, 1200, 300, nullptr, nullptr)) {
        std::fprintf(stderr, "cannot create the parent window\n");
        return 1;
    }
    const Figures few = Measure(parent, 10);
    const Figures many = Measure(parent, 1000);
    const Figures huge = Measure(parent, 10000);
    parent.DestroyWindow();
    if (few.paint <= 0 || huge.paint <= 0) {
        std::fprintf(stderr, "cannot create the control\n");
        return 1;
    }
    kxbench::Report("flat tab strip 1200 wide, 10 tabs", few.paint, few.blit, "one BitBlt of the strip");
    kxbench::Report("flat tab strip 1200 wide, 1,000 tabs", many.paint, many.blit, "one BitBlt of the strip");
    kxbench::Report("flat tab strip 1200 wide, 10,000 tabs", huge.paint, huge.blit, "one BitBlt of the strip");
    const double growth = kxbench::Report("10,000 tabs against 10", huge.paint, few.paint, "the paint with 10 tabs");
    // Tabs out of view cost nothing: allow for noise only.
    return growth <= 1.5 ? 0 : 1;
}
