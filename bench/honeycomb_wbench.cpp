// Painting the colour dialog's honeycomb of 144 cells (each a filled
// hexagon, one of them outlined as selected) against one plain BitBlt of
// its area, the floor of a double-buffered paint.
#include "offscreen_pair.h"

#include "colour/color_dialog_ctrls.h"

#include <cstdio>

int main() {
    CWnd parent;
    if (!parent.CreateEx(0, AfxRegisterWndClass(0), "bench", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr)) {
        std::fprintf(stderr, "cannot create the parent window\n");
        return 1;
    }
    const CRect bounds = KXHoneyBounds();
    const int o = CKXHoneycombCtrl::kOrigin;
    const CRect rc(0, 0, bounds.right + 2 * o, bounds.bottom + 2 * o);
    double paint = 0, blit = 0;
    {
        CKXHoneycombCtrl honeycomb;
        if (!honeycomb.Create(rc, &parent, 1)) {
            std::fprintf(stderr, "cannot create the control\n");
            return 1;
        }
        honeycomb.SetColor(RGB(255, 255, 255));
        kxbench::OffscreenPair pair(rc.Width(), rc.Height());
        if (!pair.IsValid()) return 1;
        blit = pair.TimeBlit();
        paint = kxbench::TimePerCall([&] { honeycomb.Paint(&pair.target); });
        honeycomb.DestroyWindow();
    }
    parent.DestroyWindow();
    kxbench::Report("colour honeycomb, 144 cells", paint, blit, "one BitBlt of its area");
    return 0;
}
