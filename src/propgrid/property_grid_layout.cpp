#include "propgrid/property_grid_layout.h"

#include "propgrid/property_grid_defs.h"

#include <algorithm>
#include <cmath>

int KXDividerPos(int cxWindow, double dRatio) {
    const double d = cxWindow * dRatio;
    if (!(d > -2147483648.0 && d < 2147483648.0)) return 0;  // NaN or out of range
    return static_cast<int>(d);
}

bool KXIsOnDivider(int x, int nDivider) {
    const long long d = nDivider;
    return d - 4 < x && x <= d + 2;
}

double KXClampDividerRatio(double dRatio) {
    if (std::isnan(dRatio)) return KX_PG_MIN_RATIO;
    return std::clamp(dRatio, KX_PG_MIN_RATIO, KX_PG_MAX_RATIO);
}

double KXDividerRatioAt(int x, int cxWindow, double dRatio) {
    if (cxWindow <= 0) return dRatio;
    return KXClampDividerRatio(static_cast<double>(x) / cxWindow);
}

double KXMoveDividerRatio(double dRatio, int dx, int cxWindow) {
    if (cxWindow <= 0) return dRatio;
    return KXClampDividerRatio(dRatio + static_cast<double>(dx) / cxWindow);
}

bool KXIsInExpandBand(int nIndent, int x) {
    const long long x0 = nIndent > 1 ? (static_cast<long long>(nIndent) - 1) * KX_PG_INDENT : 0;
    return x0 <= x && x <= x0 + KX_PG_INDENT;
}

CRect KXItemValueRect(const CRect& rcRow, int nDivider, bool bButtonShown) {
    CRect rc = rcRow;
    rc.left = nDivider + 1;
    rc.top += 1;
    rc.bottom -= 1;
    if (bButtonShown) rc.right -= KX_PG_BUTTON_WIDTH;
    return rc;
}

CRect KXInplaceButtonRect(const CRect& rc) {
    return CRect(rc.right - KX_PG_BUTTON_WIDTH, rc.top, rc.right, rc.top + rc.Height() - 1);
}

KX_PROPERTY_ROW_LAYOUT KXLayoutPropertyRow(const CRect& rcRow, int nDivider, int nIndent, bool bIndentAtLeastOne) {
    KX_PROPERTY_ROW_LAYOUT l;
    const CRect& r = rcRow;
    l.rcCaption = CRect(r.left, r.top, r.left + nDivider, r.bottom);
    l.rcValue = CRect(l.rcCaption.right + 4, r.top, r.right, r.bottom - 1);
    l.rcMargin = CRect(r.left, r.top, r.left + KX_PG_INDENT, r.bottom);
    const int nTextIndent = bIndentAtLeastOne ? std::max(nIndent, 1) : nIndent;
    l.rcCaptionText = CRect(nTextIndent * KX_PG_INDENT + 3, r.top, l.rcCaption.right - 1, r.bottom);
    const int y = (l.rcCaption.top + l.rcCaption.bottom) / 2 - 4;
    l.rcExpandBox = CRect(2, y, 11, y + 9);
    if (nIndent > 1) l.rcExpandBox.OffsetRect((nIndent - 1) * KX_PG_INDENT, 0);
    return l;
}

CRect KXCategoryCaptionRect(const CRect& rcRow, int cxCaption) {
    return CRect(13, rcRow.top + 1, 13 + cxCaption + 4, rcRow.bottom - 1);
}

int KXConstraintListLines(int nCount) { return std::clamp(nCount, 0, 10); }

CRect KXPlaceConstraintList(const KX_CONSTRAINT_LIST_METRICS& m) {
    long long cx = static_cast<long long>(m.rcRow.right) - m.xValueLeft;
    cx = std::max(cx, static_cast<long long>(m.cxWidestText) + 2LL * m.cxHThumb);
    cx = std::min(cx, static_cast<long long>(m.rcRow.Width()) - 14);
    cx = std::max(cx, 0LL);
    const long long cy = static_cast<long long>(m.cyLine) * KXConstraintListLines(m.nCount) + 2;
    CRect rc(static_cast<int>(m.rcRow.right - cx), m.rcRow.bottom, m.rcRow.right,
             static_cast<int>(m.rcRow.bottom + cy));
    const int yMiddle = m.rcWork.top + m.rcWork.Height() / 2;
    if (rc.bottom > m.rcWork.bottom && rc.top > yMiddle) rc.OffsetRect(0, m.rcRow.top - rc.bottom);
    return rc;
}

bool KXTextNeedsTip(int cxText, int xLeft, int xRight) {
    return static_cast<long long>(cxText) + 3 > static_cast<long long>(xRight) - xLeft;
}

CRect KXFitTipToWorkArea(const CRect& rcTip, const CRect& rcWork) {
    CRect rc = rcTip;
    if (rc.right > rcWork.right) rc.OffsetRect(std::max(rcWork.right - rc.right, rcWork.left - rc.left), 0);
    return rc;
}

KX_PROPERTY_GRID_LAYOUT KXLayoutPropertyGrid(int cx, int cy, bool bHelpVisible, int nHelpHeight,
                                             bool bToolBarVisible) {
    KX_PROPERTY_GRID_LAYOUT l;
    const int yView = bToolBarVisible ? 25 : 0;
    const int yBottom = bHelpVisible ? cy - nHelpHeight - 3 : cy;
    if (bToolBarVisible) l.rcToolBar.SetRect(1, 1, cx - 1, 24);
    l.rcView.SetRect(0, yView, cx, yBottom > yView ? yBottom : yView);
    if (bHelpVisible) {
        l.rcSplitter.SetRect(0, cy - nHelpHeight - 3, cx, cy - nHelpHeight);
        l.rcHelp.SetRect(0, cy - nHelpHeight, cx, cy);
    }
    return l;
}

int KXClampHelpSplitter(int y, int cyClient) {
    if (y > cyClient - 20) y = cyClient - 20;
    return y < 45 ? 45 : y;
}

int KXHelpHeightFromSplitter(int yBar, int cyClient) { return cyClient - yBar - 2; }
