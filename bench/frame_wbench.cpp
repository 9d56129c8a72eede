// A frame's costs: painting its status bar (panes of text) against one
// BitBlt of the same area, and laying out its bars and view (RecalcLayout)
// against moving the view alone.
#include "frame_timing.h"
#include "offscreen_pair.h"

#include <afxext.h>

#include <cstdio>

int main() {
    CWnd view;
    CFrameWnd* pFrame = kxbench::CreateBenchFrame(view);
    if (pFrame == nullptr) return 1;
    CToolBar toolBar;
    CStatusBar statusBar;
    const UINT buttons[] = {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE};
    const UINT indicators[] = {ID_SEPARATOR, ID_SEPARATOR, ID_SEPARATOR};
    if (!toolBar.Create(pFrame) || !statusBar.Create(pFrame) || !statusBar.SetIndicators(indicators, 3)) {
        std::fprintf(stderr, "cannot create the bars\n");
        return 1;
    }
    toolBar.SetButtons(buttons, 7);
    statusBar.SetPaneText(0, "Ready to measure the status bar's paint");
    statusBar.SetPaneText(1, "Line 1, column 1");
    statusBar.SetPaneText(2, "INS");
    pFrame->ShowWindow(SW_SHOWNA);
    pFrame->RecalcLayout();

    CRect rcStatus;
    statusBar.GetClientRect(&rcStatus);
    kxbench::OffscreenPair pair(rcStatus.Width(), rcStatus.Height());
    if (!pair.IsValid()) {
        std::fprintf(stderr, "cannot create the contexts\n");
        return 1;
    }
    const double blit = pair.TimeBlit();
    const double paint = kxbench::TimePerCall([&] {
        statusBar.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(pair.target.GetSafeHdc()), PRF_CLIENT);
    });

    char name[80];
    std::snprintf(name, sizeof name, "status bar paint %dx%d, 3 panes", rcStatus.Width(), rcStatus.Height());
    kxbench::Report(name, paint, blit, "one BitBlt");
    kxbench::ReportFrameLayout(pFrame, &view, "frame resize with toolbar, status bar and view");
    toolBar.DestroyWindow();
    statusBar.DestroyWindow();
    view.DestroyWindow();
    pFrame->DestroyWindow();
    return 0;
}
