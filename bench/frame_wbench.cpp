// A frame's costs: painting its status bar (panes of text) against one
// BitBlt of the same area, and laying out its bars and view (RecalcLayout)
// against moving the view alone.
#include "offscreen_pair.h"

#include <afxext.h>

#include <cstdio>

int main() {
    CFrameWnd* pFrame = new CFrameWnd;  // deletes itself with its window
    if (!pFrame->Create(nullptr, "bench", WS_OVERLAPPEDWINDOW, CRect(0, 0, 800, 600))) {
        std::fprintf(stderr, "cannot create the frame\n");
        return 1;
    }
    CWnd view;
    CToolBar toolBar;
    CStatusBar statusBar;
    const UINT buttons[] = {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE};
    const UINT indicators[] = {ID_SEPARATOR, ID_SEPARATOR, ID_SEPARATOR};
    if (!view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), pFrame, AFX_IDW_PANE_FIRST) ||
        !toolBar.Create(pFrame) || !statusBar.Create(pFrame) || !statusBar.SetIndicators(indicators, 3)) {
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
    // Layout: every bar asked for its edge, the view moved (a size that
    // changes each time, so that nothing is skipped as unchanged).
    int n = 0;
    const double layout = kxbench::TimePerCall([&] {
        pFrame->SetWindowPos(nullptr, 0, 0, 800 + (++n & 1), 600, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    });
    const double move = kxbench::TimePerCall([&] {
        view.SetWindowPos(nullptr, 0, 0, 400 + (++n & 1), 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    });

    char name[80];
    std::snprintf(name, sizeof name, "status bar paint %dx%d, 3 panes", rcStatus.Width(), rcStatus.Height());
    kxbench::Report(name, paint, blit, "one BitBlt");
    kxbench::Report("frame resize with toolbar, status bar and view", layout, move, "moving the view alone");
    toolBar.DestroyWindow();
    statusBar.DestroyWindow();
    view.DestroyWindow();
    pFrame->DestroyWindow();
    return 0;
}
