#include "base/bar_layout.h"

#include <algorithm>

CRect AfxTakeBarEdge(CRect& avail, CSize& sizeTotal, CSize size, DWORD dwAlign) {
    size.cx = std::max(0, std::min<int>(size.cx, avail.Width()));
    size.cy = std::max(0, std::min<int>(size.cy, avail.Height()));
    CRect bar(avail.left, avail.top, avail.left, avail.top);
    if (dwAlign & (kAfxAlignTop | kAfxAlignBottom)) {
        sizeTotal.cy += size.cy;
        sizeTotal.cx = std::max(sizeTotal.cx, size.cx);
        if (dwAlign & kAfxAlignTop) {
            avail.top += size.cy;
        } else {
            bar.top = avail.bottom - size.cy;
            avail.bottom -= size.cy;
        }
    } else if (dwAlign & (kAfxAlignLeft | kAfxAlignRight)) {
        sizeTotal.cx += size.cx;
        sizeTotal.cy = std::max(sizeTotal.cy, size.cy);
        if (dwAlign & kAfxAlignLeft) {
            avail.left += size.cx;
        } else {
            bar.left = avail.right - size.cx;
            avail.right -= size.cx;
        }
    } else {
        return bar;  // not aligned: takes no space
    }
    bar.right = bar.left + size.cx;
    bar.bottom = bar.top + size.cy;
    return bar;
}

void AfxStatusPaneEdges(const int* pWidths, const bool* pStretch, int nCount, int cxTotal, int cxGap,
                        int* pRightEdges) {
    if (nCount <= 0) return;
    int fixed = 0, nStretch = 0;
    for (int i = 0; i < nCount; ++i) {
        fixed += pWidths[i] + cxGap;
        if (pStretch[i]) ++nStretch;
    }
    int extra = nStretch ? std::max(0, cxTotal - fixed) : 0;
    int right = 0, given = 0;
    for (int i = 0; i < nCount; ++i) {
        right += pWidths[i] + cxGap;
        if (pStretch[i]) {
            // The stretching panes share the extra space; the last one takes the rest of it.
            int share = --nStretch == 0 ? extra - given : extra / std::max(1, nStretch + 1);
            given += share;
            right += share;
        }
        pRightEdges[i] = right;
    }
}

void AfxNeededScrollBars(CSize total, CSize client, int cxVScroll, int cyHScroll, bool& bNeedH, bool& bNeedV) {
    bNeedH = total.cx > client.cx;
    bNeedV = total.cy > client.cy;
    // A bar in one direction narrows the other; that may make the other needed.
    if (bNeedH && !bNeedV) bNeedV = total.cy > client.cy - cyHScroll;
    if (bNeedV && !bNeedH) bNeedH = total.cx > client.cx - cxVScroll;
}
