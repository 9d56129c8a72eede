// A frame's layout cost: resizing the frame (every bar asked for its edge,
// the view moved) against moving the view alone.  The sizes change by a
// pixel each time so that nothing is skipped as unchanged.
#pragma once

#include "bench_harness.h"

#include "win/afxwin.h"

#include <cstdio>

namespace kxbench {

// An 800 x 600 frame (it deletes itself with its window) holding a plain
// view; null, with a message, when either cannot be made.
inline CFrameWnd* CreateBenchFrame(CWnd& view) {
    CFrameWnd* pFrame = new CFrameWnd;
    if (!pFrame->Create(nullptr, "bench", WS_OVERLAPPEDWINDOW, CRect(0, 0, 800, 600))) {
        std::fprintf(stderr, "cannot create the frame\n");
        return nullptr;
    }
    if (!view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), pFrame, AFX_IDW_PANE_FIRST)) {
        std::fprintf(stderr, "cannot create the view\n");
        pFrame->DestroyWindow();
        return nullptr;
    }
    return pFrame;
}

inline void ReportFrameLayout(CFrameWnd* pFrame, CWnd* pView, const char* lpszName) {
    int n = 0;
    const double layout = TimePerCall([&] {
        pFrame->SetWindowPos(nullptr, 0, 0, 800 + (++n & 1), 600, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    });
    const double move = TimePerCall([&] {
        pView->SetWindowPos(nullptr, 0, 0, 400 + (++n & 1), 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    });
    Report(lpszName, layout, move, "moving the view alone");
}

}  // namespace kxbench
