// CKXHexEdit: layout, scroll bars and painting.  Only the rows in the
// client area, and of them only the cells in it, are formatted and drawn,
// so a paint costs the same at the end of a block of any size.
#include "edit/hex_edit.h"

#include "core/mem_dc.h"
#include "edit/hex_edit_text.h"

#include <algorithm>
#include <memory>
#include <new>

namespace {

using i64 = long long;

// One row of one column: cells of text at x, nCells long, drawn in runs of
// normal and highlighted cells, each run only where it meets the client
// area.  Every cell advances by exactly one cell width.
class CRowPainter {
public:
    CRowPainter(CDC& dc, int cxClient, int cxCell, int cyRow, int* pDx)
        : m_dc(dc), m_cxClient(cxClient), m_cxCell(cxCell), m_cyRow(cyRow), m_pDx(pDx) {}

    void Run(i64 x, int y, const char* pText, int nFirst, int nLast, COLORREF clrText, COLORREF clrBack) {
        // The cells of [nFirst, nLast) that fall into the client area.
        const i64 nVisibleFirst = x >= 0 ? 0 : (-x) / m_cxCell;
        const i64 nVisibleLast = (m_cxClient - x + m_cxCell - 1) / m_cxCell;
        const i64 a = std::max<i64>(nFirst, nVisibleFirst), b = std::min<i64>(nLast, nVisibleLast);
        if (a >= b) return;
        const int x0 = static_cast<int>(x + a * m_cxCell);
        const CRect rc(x0, y, static_cast<int>(x + b * m_cxCell), y + m_cyRow);
        m_dc.SetTextColor(clrText);
        m_dc.SetBkColor(clrBack);
        m_dc.ExtTextOut(x0, y, ETO_OPAQUE | ETO_CLIPPED, &rc, pText + a, static_cast<UINT>(b - a), m_pDx);
    }

private:
    CDC& m_dc;
    int m_cxClient, m_cxCell, m_cyRow;
    int* m_pDx;
};

}  // namespace

void CKXHexEdit::RecalcLayout(CDC* pDC) {
    // pDC has the display font selected.
    int cxZero = 0;
    pDC->GetCharWidth('0', '0', &cxZero);
    const CSize sizeZero = pDC->GetTextExtent("0", 1);
    CRect rc;
    GetClientRect(&rc);
    Layout(cxZero, sizeZero.cy, rc.Width(), rc.Height());
    UpdateScrollbars();
}

void CKXHexEdit::EnsureLayout() {
    if (!m_bUpdate || m_hWnd == nullptr) return;
    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(&m_Font);
    RecalcLayout(&dc);
    dc.SelectObject(pOldFont);
}

void CKXHexEdit::UpdateScrollbars() {
    const DWORD dwStyle = GetStyle();
    if (dwStyle & WS_VSCROLL) {
        if (AdjustView() & KX_HEX_REDRAW) Invalidate();
        SCROLLINFO si = {};
        si.cbSize = sizeof si;
        si.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
        si.nMax = std::max(0, VScrollMax());
        si.nPage = static_cast<UINT>(std::max(0, VScrollPage()));
        si.nPos = TopRow();
        SetScrollInfo(SB_VERT, &si, TRUE);
        EnableScrollBar(SB_VERT, FitsVertically() ? ESB_DISABLE_BOTH : ESB_ENABLE_BOTH);
    }
    if (dwStyle & WS_HSCROLL) {
        SCROLLINFO si = {};
        si.cbSize = sizeof si;
        si.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
        si.nMax = std::max(0, TotalCells() - 1);
        si.nPage = static_cast<UINT>(PageCells());
        si.nPos = GetHorzPos();
        SetScrollInfo(SB_HORZ, &si, TRUE);
    }
}

void CKXHexEdit::OnPaint() {
    CPaintDC dc(this);
    Draw(&dc);
}

LRESULT CKXHexEdit::OnPrintClient(WPARAM wParam, LPARAM) {
    if (CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam))) Draw(pDC);
    return 0;
}

BOOL CKXHexEdit::OnEraseBkgnd(CDC*) { return TRUE; }

void CKXHexEdit::OnNcPaint() { CEdit::OnNcPaint(); }

void CKXHexEdit::Draw(CDC* pDC) {
    CRect rcClient;
    GetClientRect(&rcClient);
    if (pDC == nullptr || rcClient.IsRectEmpty()) return;
    CKXMemDC dc(pDC, rcClient, GetActualBackColor());
    if (!dc.IsValid()) return;
    CFont* pOldFont = dc.SelectObject(&m_Font);
    if (m_bUpdate) RecalcLayout(&dc);

    const int nRowCells = 3 * m_nBPR;
    std::unique_ptr<char[]> text(new (std::nothrow) char[static_cast<size_t>(nRowCells)]);
    std::unique_ptr<int[]> dx(new (std::nothrow) int[static_cast<size_t>(nRowCells)]);
    if (HasData() && text && dx) {
        std::fill(dx.get(), dx.get() + nRowCells, m_nNullWidth);
        CRowPainter painter(dc, rcClient.Width(), m_nNullWidth, m_nLineHeight, dx.get());
        const COLORREF clrText = GetActualTextColor(), clrBack = GetActualBackColor();
        const COLORREF clrHiText = GetActualHighlightTextColor(), clrHiBack = GetActualHighlightBackColor();
        // The selection shows in the caret's column only.
        const bool bSelHex = m_nEditMode == KX_HEX_MODE_HIGH || m_nEditMode == KX_HEX_MODE_LOW;
        const bool bSelAscii = m_nEditMode == KX_HEX_MODE_ASCII;
        const bool bSel = IsAnchored() && m_nSelEnd >= 0;
        const i64 nSelLo = bSel ? std::min(m_nSelStart, m_nSelEnd) : 0;
        const i64 nSelHi = bSel ? std::max(m_nSelStart, m_nSelEnd) : 0;
        dc.SetBkMode(TRANSPARENT);
        for (int r = 0; static_cast<i64>(r) * m_nLineHeight < rcClient.bottom; ++r) {
            const int y = r * m_nLineHeight;
            const i64 nRowStart = m_nTopIndex + static_cast<i64>(r) * m_nBPR;
            if (nRowStart > m_nLength) break;  // the row after a full last row still shows its address
            if (m_bShowAddress) {
                char szAddress[KX_HEX_ADDRESS_CHARS];
                const int n = KXHexFormatAddress(m_dwAddressBase + static_cast<DWORD>(nRowStart), m_bWideAddress != 0,
                                                 szAddress);
                CRect rc(m_nOffAddress, y, m_nOffHex, y + m_nLineHeight);
                dc.SetTextColor(clrText);
                dc.DrawText(szAddress, n, &rc, DT_SINGLELINE | DT_NOPREFIX);
            }
            const int nBytes = static_cast<int>(std::min<i64>(m_nBPR, m_nLength - nRowStart));
            if (nBytes <= 0) continue;
            const BYTE* pRow = m_pData + nRowStart;
            // The selected bytes of this row, [a, b).
            const int a = static_cast<int>(std::clamp<i64>(nSelLo - nRowStart, 0, nBytes));
            const int b = static_cast<int>(std::clamp<i64>(nSelHi - nRowStart, 0, nBytes));
            if (m_bShowHex) {
                KXHexFormatBytes(pRow, static_cast<size_t>(nBytes), text.get());
                std::fill(text.get() + 3 * nBytes, text.get() + nRowCells, ' ');  // a short row is padded
                const int sa = bSelHex ? 3 * a : 3 * nBytes, sb = bSelHex ? 3 * b : 3 * nBytes;
                painter.Run(m_nOffHex, y, text.get(), 0, sa, clrText, clrBack);
                painter.Run(m_nOffHex, y, text.get(), sa, sb, clrHiText, clrHiBack);
                painter.Run(m_nOffHex, y, text.get(), sb, nRowCells, clrText, clrBack);
            }
            if (m_bShowAscii) {
                KXHexFormatChars(pRow, static_cast<size_t>(nBytes), text.get());
                const int sa = bSelAscii ? a : nBytes, sb = bSelAscii ? b : nBytes;
                painter.Run(m_nOffAscii, y, text.get(), 0, sa, clrText, clrBack);
                painter.Run(m_nOffAscii, y, text.get(), sa, sb, clrHiText, clrHiBack);
                painter.Run(m_nOffAscii, y, text.get(), sb, nBytes, clrText, clrBack);
            }
        }
    }
    dc.SelectObject(pOldFont);
}
