// A frame's layout cost: resizing the frame (every bar asked for its edge,
// the view moved) against moving the view alone.  The sizes change by a
// pixel each time so that nothing is skipped as unchanged.
#pragma once

#include "bench_harness.h"

#include "win/afxwin.h"

namespace kxbench {

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
