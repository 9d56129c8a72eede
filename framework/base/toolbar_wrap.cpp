#include "base/toolbar_wrap.h"

#include <algorithm>

namespace {

bool IsSeparator(const AFX_TBLAYOUTBUTTON& b) { return (b.fsStyle & kAfxTbSep) != 0; }
bool IsHidden(const AFX_TBLAYOUTBUTTON& b) { return (b.fsState & kAfxTbHidden) != 0; }

}  // namespace

int AfxWrapToolBar(AFX_TBLAYOUTBUTTON* pButtons, int nCount, int cxAvail) {
    if (pButtons == nullptr || nCount <= 0) return 0;
    int nRows = 1;
    int x = 0;
    int iRowStart = 0;
    for (int i = 0; i < nCount; ++i) {
        pButtons[i].fsState &= static_cast<unsigned char>(~kAfxTbWrap);
        if (IsHidden(pButtons[i])) continue;
        // A separator that would start the row is dropped into the break.
        if (x + pButtons[i].size.cx <= cxAvail || i == iRowStart) {
            x += pButtons[i].size.cx;
            continue;
        }
        // Break before button i: at a plain separator of this row if there is
        // one (searching back), else just before i.
        int iBreak = -1;
        for (int j = i; j >= iRowStart; --j) {
            if (!IsHidden(pButtons[j]) && IsSeparator(pButtons[j]) && pButtons[j].idCommand == 0) {
                iBreak = j;
                break;
            }
        }
        if (iBreak < 0) {
            for (int j = i - 1; j >= iRowStart; --j) {
                if (!IsHidden(pButtons[j]) && !(IsSeparator(pButtons[j]) && pButtons[j].idCommand != 0)) {
                    iBreak = j;
                    break;
                }
            }
        }
        if (iBreak < 0) iBreak = i - 1;  // only hidden buttons or controls before: break anyway
        pButtons[iBreak].fsState |= kAfxTbWrap;
        ++nRows;
        iRowStart = iBreak + 1;
        // Measure the new row from the button after the break up to i.
        x = 0;
        for (int j = iRowStart; j <= i; ++j)
            if (!IsHidden(pButtons[j])) x += pButtons[j].size.cx;
        // A new row that is already too wide (a wide button after the break)
        // is broken again at i on the next turn.
        if (x > cxAvail && i > iRowStart) {
            pButtons[i - 1].fsState |= kAfxTbWrap;
            ++nRows;
            iRowStart = i;
            x = pButtons[i].size.cx;
        }
    }
    return nRows;
}

CSize AfxToolBarLayoutSize(const AFX_TBLAYOUTBUTTON* pButtons, int nCount) {
    CSize size;
    if (pButtons == nullptr) return size;
    int x = 0, cyRow = 0;
    for (int i = 0; i < nCount; ++i) {
        const AFX_TBLAYOUTBUTTON& b = pButtons[i];
        if (IsHidden(b)) continue;
        const bool bWrap = (b.fsState & kAfxTbWrap) != 0;
        if (bWrap && IsSeparator(b)) {
            // The separator is the line between rows, two thirds of its width high.
            size.cx = std::max(size.cx, static_cast<LONG>(x));
            size.cy += cyRow + b.size.cx * 2 / 3;
            x = cyRow = 0;
            continue;
        }
        x += b.size.cx;
        cyRow = std::max(cyRow, static_cast<int>(b.size.cy));
        if (bWrap) {
            size.cx = std::max(size.cx, static_cast<LONG>(x));
            size.cy += cyRow;
            x = cyRow = 0;
        }
    }
    size.cx = std::max(size.cx, static_cast<LONG>(x));
    size.cy += cyRow;
    return size;
}

CSize AfxFitToolBar(AFX_TBLAYOUTBUTTON* pButtons, int nCount, int nLength, bool bHorz, const AFX_TBWRAPFN& wrap,
                    const AFX_TBSIZEFN& measure) {
    if (pButtons == nullptr || nCount <= 0) return CSize();
    int cxAll = 0;
    for (int i = 0; i < nCount; ++i)
        if (!IsHidden(pButtons[i])) cxAll += pButtons[i].size.cx;
    if (bHorz) {
        wrap(pButtons, nCount, std::max(nLength, 0));
        return measure(pButtons, nCount);
    }
    // Vertical: the narrowest width whose height fits nLength.
    for (int cx = 0; cx <= cxAll;) {
        wrap(pButtons, nCount, cx);
        const CSize size = measure(pButtons, nCount);
        if (size.cy <= nLength || cx >= cxAll) return size;
        // The next width that changes anything: one more button per row.
        cx = std::max(cx + 1, static_cast<int>(size.cx) + 1);
    }
    wrap(pButtons, nCount, cxAll);
    return measure(pButtons, nCount);
}

CSize AfxToolBarOuterSize(CSize sizeButtons, CSize sizeInset, CSize sizeButton, bool bVert, bool bStretch) {
    CSize size = sizeButtons + sizeInset;
    if (bVert)
        size.cx = std::max(size.cx, sizeButton.cx + sizeInset.cx);
    else
        size.cy = std::max(size.cy, sizeButton.cy + sizeInset.cy);
    if (bStretch) {
        if (bVert)
            size.cy = 32767;
        else
            size.cx = 32767;
    }
    return size;
}
