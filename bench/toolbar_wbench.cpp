// The library toolbar's costs: a docked bar's own part (face, flat borders,
// gripper) and its whole paint (the buttons too) with 7 buttons against one
// BitBlt of the same area, and against the common control painting its
// buttons alone; the part shown of a bar of 10,000 buttons against one
// BitBlt of it; and the docked layout at 10,000 buttons against the same
// at 7 (the layout reads every button, the paint only what shows).
#include "frame_timing.h"
#include "offscreen_pair.h"

#include <afxext.h>

#include "bars/toolbar.h"

#include <cstdio>
#include <vector>

namespace {

double TimePaint(CKXToolBar& bar, kxbench::OffscreenPair& pair) {
    return kxbench::TimePerCall([&] { bar.DoPaint(&pair.target); });
}

}  // namespace

int main() {
    CWnd view;
    CFrameWnd* pFrame = kxbench::CreateBenchFrame(view);
    if (pFrame == nullptr) return 1;
    CKXToolBar few, many;
    const UINT buttons[] = {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE};
    std::vector<UINT> lots(10000);
    for (size_t i = 0; i < lots.size(); ++i) lots[i] = (i % 8 == 7) ? 0 : ID_FILE_NEW + static_cast<UINT>(i % 8);
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    UINT nID = AFX_IDW_TOOLBAR;
    for (CKXToolBar* pBar : {&few, &many}) {
        if (!pBar->CreateEx(pFrame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_SIZE_DYNAMIC,
                            CRect(0, 0, 0, 0), nID++)) {
            std::fprintf(stderr, "cannot create the bars\n");
            return 1;
        }
        pBar->SendMessage(TB_LOADIMAGES, IDB_STD_SMALL_COLOR, reinterpret_cast<LPARAM>(HINST_COMMCTRL));
        pBar->EnableDocking(CBRS_ALIGN_ANY);
    }
    few.SetButtons(buttons, 7);
    many.SetButtons(lots.data(), static_cast<int>(lots.size()));
    pFrame->DockControlBar(&few);
    pFrame->DockControlBar(&many);
    pFrame->ShowWindow(SW_SHOWNA);
    pFrame->RecalcLayout();

    CRect rcFew, rcMany;
    few.GetWindowRect(&rcFew);
    many.GetWindowRect(&rcMany);
    kxbench::OffscreenPair pairFew(rcFew.Width(), rcFew.Height());
    kxbench::OffscreenPair pairMany(rcMany.Width(), rcMany.Height());
    if (!pairFew.IsValid() || !pairMany.IsValid()) {
        std::fprintf(stderr, "cannot create the contexts\n");
        return 1;
    }
    char name[96];
    // The bar's own part (non-client face, flat border lines, gripper), then
    // the whole bar, against one BitBlt and against the common control
    // painting its buttons alone.
    CDC& dc = pairFew.target;
    const double frame = kxbench::TimePerCall([&] {
        CRect rect(0, 0, rcFew.Width(), rcFew.Height());
        dc.FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
        few.DrawBorders(&dc, rect);
        few.DrawGripper(&dc, rect);
    });
    const double control = kxbench::TimePerCall(
        [&] { few.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), PRF_CLIENT); });
    const double paintFew = TimePaint(few, pairFew);
    std::snprintf(name, sizeof name, "library toolbar frame and gripper %dx%d", rcFew.Width(), rcFew.Height());
    kxbench::Report(name, frame, pairFew.TimeBlit(), "one BitBlt");
    std::snprintf(name, sizeof name, "library toolbar paint %dx%d, 7 buttons", rcFew.Width(), rcFew.Height());
    kxbench::Report(name, paintFew, pairFew.TimeBlit(), "one BitBlt");
    kxbench::Report(name, paintFew, control, "control's button paint");
    // 10,000 buttons: only what the frame shows of the bar is painted.
    CRect rcShown;
    pFrame->GetClientRect(&rcShown);
    rcShown.bottom = rcMany.Height();
    pairMany.target.IntersectClipRect(&rcShown);
    std::snprintf(name, sizeof name, "library toolbar paint %dx%d shown, 10,000 buttons", rcShown.Width(),
                  rcShown.Height());
    kxbench::Report(name, TimePaint(many, pairMany), pairMany.TimeBlit(rcShown), "one BitBlt");
    const double layoutFew = kxbench::TimePerCall([&] { few.CalcFixedLayout(FALSE, TRUE); });
    const double layoutMany = kxbench::TimePerCall([&] { many.CalcFixedLayout(FALSE, TRUE); });
    kxbench::Report("library toolbar docked layout, 10,000 buttons", layoutMany, layoutFew, "7 buttons");
    pFrame->DestroyWindow();
    return 0;
}
