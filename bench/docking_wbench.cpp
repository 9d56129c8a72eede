// Docked toolbars' costs: a docked toolbar's paint (borders, gripper and
// buttons) and the same with 10,000 buttons, each against one BitBlt of the
// same area; and a frame's layout with bars on three edges against moving
// the view alone.
#include "frame_timing.h"
#include "offscreen_pair.h"

#include <afxext.h>

#include <cstdio>
#include <vector>

namespace {

double TimePaint(CToolBar& bar, kxbench::OffscreenPair& pair) {
    return kxbench::TimePerCall([&] {
        bar.SendMessage(WM_PRINT, reinterpret_cast<WPARAM>(pair.target.GetSafeHdc()),
                        PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    });
}

}  // namespace

int main() {
    CWnd view;
    CFrameWnd* pFrame = kxbench::CreateBenchFrame(view);
    if (pFrame == nullptr) return 1;
    CToolBar bars[4];
    const UINT buttons[] = {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE};
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    for (int i = 0; i < 4; ++i) {
        if (!bars[i].CreateEx(pFrame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_SIZE_DYNAMIC,
                              CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR + static_cast<UINT>(i))) {
            std::fprintf(stderr, "cannot create the bars\n");
            return 1;
        }
        bars[i].SetButtons(buttons, 7);
        bars[i].EnableDocking(CBRS_ALIGN_ANY);
    }
    pFrame->DockControlBar(&bars[0]);
    pFrame->DockControlBar(&bars[1], AFX_IDW_DOCKBAR_LEFT);
    pFrame->DockControlBar(&bars[2], AFX_IDW_DOCKBAR_BOTTOM);
    // The fourth holds 10,000 buttons, docked on top: only the frame's width of them shows.
    std::vector<UINT> many(10000);
    for (size_t i = 0; i < many.size(); ++i) many[i] = (i % 8 == 7) ? 0 : ID_FILE_NEW;
    bars[3].SetButtons(many.data(), static_cast<int>(many.size()));
    pFrame->DockControlBar(&bars[3], AFX_IDW_DOCKBAR_TOP);
    pFrame->ShowWindow(SW_SHOWNA);
    pFrame->RecalcLayout();

    CRect rcBar, rcMany;
    bars[0].GetWindowRect(&rcBar);
    bars[3].GetWindowRect(&rcMany);
    kxbench::OffscreenPair pair(rcBar.Width(), rcBar.Height());
    kxbench::OffscreenPair pairMany(rcMany.Width(), rcMany.Height());
    if (!pair.IsValid() || !pairMany.IsValid()) {
        std::fprintf(stderr, "cannot create the contexts\n");
        return 1;
    }
    const double paint = TimePaint(bars[0], pair);
    const double blit = pair.TimeBlit();
    const double paintMany = TimePaint(bars[3], pairMany);
    const double blitMany = pairMany.TimeBlit();

    char name[96];
    std::snprintf(name, sizeof name, "docked toolbar paint %dx%d, 7 buttons", rcBar.Width(), rcBar.Height());
    kxbench::Report(name, paint, blit, "one BitBlt");
    std::snprintf(name, sizeof name, "docked toolbar paint %dx%d, 10,000 buttons", rcMany.Width(), rcMany.Height());
    kxbench::Report(name, paintMany, blitMany, "one BitBlt");
    kxbench::ReportFrameLayout(pFrame, &view, "frame resize with bars docked on three edges");
    pFrame->DestroyWindow();
    return 0;
}
