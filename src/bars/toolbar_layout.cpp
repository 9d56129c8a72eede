#include "bars/toolbar_layout.h"

#include <algorithm>

namespace {

// The bar styles this file reads (the window code has them as CBRS_*).
enum : unsigned long {
    kFloating = 0x0001,
    kBorderLeft = 0x0100,
    kBorderTop = 0x0200,
    kBorderRight = 0x0400,
    kBorderBottom = 0x0800,
    kOrientHorz = 0x2000 | 0x8000,
    kGripper = 0x00400000,
};

bool IsHidden(const AFX_TBLAYOUTBUTTON& b) { return (b.fsState & kAfxTbHidden) != 0; }
bool IsWrapped(const AFX_TBLAYOUTBUTTON& b) { return (b.fsState & kAfxTbWrap) != 0; }
bool IsSeparator(const AFX_TBLAYOUTBUTTON& b) { return (b.fsStyle & kAfxTbSep) != 0; }

bool HasGripper(const KX_TOOLBAR_FRAME& frame) {
    return (frame.dwStyle & kGripper) != 0 && (frame.dwStyle & kFloating) == 0;
}

}  // namespace

CSize KXToolBarButtonSize(const AFX_TBLAYOUTBUTTON& b, unsigned long dwComCtlVersion, bool bKeepDropDownWidth) {
    if (!IsWrapped(b)) return b.size;
    if (IsSeparator(b)) {
        // (A row less than 3 pixels high cannot give a negative height.)
        if (dwComCtlVersion < KX_COMCTL_471) return CSize(0, std::max(0, static_cast<int>(b.size.cy) - 3));
        if (dwComCtlVersion == KX_COMCTL_471) return CSize(0, b.size.cy);
        return CSize(0, b.size.cx);
    }
    if ((b.fsStyle & kKXTbDropDown) && !bKeepDropDownWidth) return CSize(0, b.size.cy);
    return b.size;
}

KX_TBMEASUREFN KXToolBarMeasure(unsigned long dwComCtlVersion, bool bKeepDropDownWidth) {
    return [=](const AFX_TBLAYOUTBUTTON& b, int) { return KXToolBarButtonSize(b, dwComCtlVersion, bKeepDropDownWidth); };
}

int KXWrapToolBar(AFX_TBLAYOUTBUTTON* pButtons, int nCount, int nWidth, const KX_TBMEASUREFN& measure) {
    if (pButtons == nullptr || nCount <= 0) return 1;
    int nBreaks = 0;
    int x = 0;
    for (int i = 0; i < nCount; ++i) {
        AFX_TBLAYOUTBUTTON& b = pButtons[i];
        b.fsState &= static_cast<unsigned char>(~kAfxTbWrap);
        if (IsHidden(b)) continue;
        const int dx = measure(b, i).cx;
        if (x + dx <= nWidth) {
            x += dx;
            continue;
        }
        // Where this row may end: a plain separator from here back to the
        // last break, else the nearest button before this one that is no
        // control's place.
        int iBreak = -1;
        for (int j = i; j >= 0 && !IsWrapped(pButtons[j]); --j) {
            if (!IsHidden(pButtons[j]) && IsSeparator(pButtons[j]) && pButtons[j].idCommand == 0) {
                iBreak = j;
                break;
            }
        }
        if (iBreak < 0) {
            for (int j = i - 1; j >= 0 && !IsWrapped(pButtons[j]); --j) {
                const AFX_TBLAYOUTBUTTON& c = pButtons[j];
                if (!IsHidden(c) && (!IsSeparator(c) || c.idCommand == 0)) {
                    iBreak = j;
                    break;
                }
            }
        }
        if (iBreak < 0) {  // nowhere to break: the button stays in the row
            x += dx;
            continue;
        }
        pButtons[iBreak].fsState |= kAfxTbWrap;
        ++nBreaks;
        i = iBreak;  // the walk goes on after the break
        x = 0;
    }
    return nBreaks + 1;
}

CSize KXToolBarCalcSize(const AFX_TBLAYOUTBUTTON* pButtons, int nCount, const KX_TBMEASUREFN& measure) {
    CSize size;
    if (pButtons == nullptr) return size;
    int cxRow = 0, cyRow = 0;
    for (int i = 0; i < nCount; ++i) {
        const AFX_TBLAYOUTBUTTON& b = pButtons[i];
        if (IsHidden(b)) continue;
        const CSize sizeButton = measure(b, i);
        const bool bBreakSeparator = IsWrapped(b) && IsSeparator(b);
        cxRow += sizeButton.cx;
        // A separator that ends a row lies between the rows: its height is
        // its own, not the row's.
        if (!bBreakSeparator) cyRow = std::max(cyRow, static_cast<int>(sizeButton.cy));
        if (!IsWrapped(b)) continue;
        size.cx = std::max(size.cx, static_cast<LONG>(cxRow));
        size.cy += cyRow + (bBreakSeparator ? sizeButton.cy : 0);
        cxRow = cyRow = 0;
    }
    size.cx = std::max(size.cx, static_cast<LONG>(cxRow));
    size.cy += cyRow;
    return size;
}

void KXToolBarInsideRect(const KX_TOOLBAR_FRAME& frame, CRect& rect, bool bHorz) {
    const unsigned long dwStyle = frame.dwStyle;
    if (!(dwStyle & kFloating)) {
        if (dwStyle & kBorderLeft) rect.left += frame.cxLine;
        if (dwStyle & kBorderTop) rect.top += frame.cyLine;
        if (dwStyle & kBorderRight) rect.right -= frame.cxLine;
        if (dwStyle & kBorderBottom) rect.bottom -= frame.cyLine;
    }
    // The widths are a horizontal bar's; a vertical bar turns them.
    const CRect& b = frame.rcBorders;
    const int nGripper = KXToolBarGripperWidth(frame);
    if (bHorz) {
        rect.left += b.left + nGripper;
        rect.top += b.top;
        rect.right -= b.right;
        rect.bottom -= b.bottom;
    } else {
        rect.left += b.top;
        rect.top += b.left + nGripper;
        rect.right -= b.bottom;
        rect.bottom -= b.right;
    }
}

int KXToolBarGripperWidth(const KX_TOOLBAR_FRAME& frame) {
    if (!HasGripper(frame)) return 0;
    int cx = 7;
    if (frame.bFlatStyle) cx += 3;
    if (!frame.bFlatStyle && !frame.bInReBar) cx -= 5;
    return cx;
}

int KXToolBarGripperBars(const KX_TOOLBAR_FRAME& frame, const CRect& rect, CRect arBars[2]) {
    if (!HasGripper(frame)) return 0;
    const bool bHorz = (frame.dwStyle & kOrientHorz) != 0;
    // Offsets of each bar from the leading edge, and the inset at both ends.
    int arOffset[2] = {1, 5};
    int nBars = 2;
    int nInsetStart = frame.rcBorders.top, nInsetEnd = frame.rcBorders.bottom;
    if (frame.bFlatStyle) {
        arOffset[0] = 3;
        arOffset[1] = 6;
        nInsetStart = nInsetEnd = 2;
    } else if (frame.bInReBar) {
        arOffset[0] = 2;
        nBars = 1;
    }
    for (int i = 0; i < nBars; ++i) {
        if (bHorz)
            arBars[i] = CRect(rect.left + arOffset[i], rect.top + nInsetStart, rect.left + arOffset[i] + 3,
                              rect.bottom - nInsetEnd);
        else
            arBars[i] = CRect(rect.left + nInsetStart, rect.top + arOffset[i], rect.right - nInsetEnd,
                              rect.top + arOffset[i] + 3);
    }
    return nBars;
}

int KXToolBarBorderStrips(const KX_TOOLBAR_FRAME& frame, CSize sizeOld, CSize sizeNew, CRect arStrips[4]) {
    if (sizeOld == sizeNew) return 0;
    int n = 0;
    if (frame.dwStyle & kBorderRight) {
        arStrips[n++] = CRect(sizeOld.cx - frame.cxLine, 0, sizeOld.cx, sizeOld.cy);
        arStrips[n++] = CRect(sizeNew.cx - frame.cxLine, 0, sizeNew.cx, sizeNew.cy);
    }
    if (frame.dwStyle & kBorderBottom) {
        arStrips[n++] = CRect(0, sizeOld.cy - frame.cyLine, sizeOld.cx, sizeOld.cy);
        arStrips[n++] = CRect(0, sizeNew.cy - frame.cyLine, sizeNew.cx, sizeNew.cy);
    }
    return n;
}

CRect KXToolBarControlRect(const CRect& rcButton, int cyControl) {
    const int top = static_cast<int>(rcButton.top);
    const int y = std::max(top, top + (rcButton.Height() - cyControl) / 2);
    return CRect(rcButton.left, y, rcButton.right, y + cyControl);
}
