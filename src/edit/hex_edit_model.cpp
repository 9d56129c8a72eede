#include "edit/hex_edit_model.h"

#include "edit/hex_edit_text.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

using i64 = long long;

int ClampInt(i64 v) { return static_cast<int>(std::clamp<i64>(v, INT_MIN, INT_MAX)); }

// Rounds toward minus infinity (points above or left of the client area).
i64 FloorDiv(i64 a, i64 b) {
    i64 q = a / b;
    if (a % b != 0 && (a < 0) != (b < 0)) --q;
    return q;
}

// The room left under a limit that is compared unsigned (-1: none), never
// past the largest int.
i64 Room(int nMaxLength, int nLength) {
    const i64 nLimit = std::min<i64>(static_cast<unsigned>(nMaxLength), INT_MAX);
    return std::max<i64>(0, nLimit - nLength);
}

}  // namespace

CKXHexEditModel::~CKXHexEditModel() { std::free(m_pData); }

// --- data ----------------------------------------------------------------------

bool CKXHexEditModel::SetData(const BYTE* p, int nLength, int nMaxLength) {
    if (nLength < 0 || (p == nullptr && nLength > 0)) return false;
    // An empty block still has a buffer: it is data that typing can grow.
    const int nCapacity = std::max(nLength, 1);
    BYTE* pNew = static_cast<BYTE*>(std::malloc(static_cast<size_t>(nCapacity)));
    if (pNew == nullptr) return false;
    if (nLength > 0) std::memcpy(pNew, p, static_cast<size_t>(nLength));
    std::free(m_pData);
    m_pData = pNew;
    m_nCapacity = nCapacity;
    m_nLength = nLength;
    m_nMaxLength = nMaxLength < 0 ? -1 : std::max(nMaxLength, nLength);
    m_nSelStart = m_nSelEnd = -1;
    m_nCurrentAddress = 0;
    m_nEditMode = KX_HEX_MODE_HIGH;
    m_nTopIndex = 0;
    m_bUpdate = 1;
    return true;
}

int CKXHexEditModel::GetData(BYTE* p, int nMaxLength) const {
    const int n = std::min(nMaxLength, m_nLength);
    if (p != nullptr && n > 0) std::memcpy(p, m_pData, static_cast<size_t>(n));
    return m_nLength;
}

bool CKXHexEditModel::Reserve(i64 nLength) {
    if (nLength <= m_nCapacity) return true;
    if (nLength > INT_MAX) return false;
    const i64 nGrown = std::min<i64>(INT_MAX, std::max<i64>(nLength, m_nCapacity + m_nCapacity / 2 + 16));
    for (i64 nTry : {nGrown, nLength}) {
        if (BYTE* p = static_cast<BYTE*>(std::realloc(m_pData, static_cast<size_t>(nTry)))) {
            m_pData = p;
            m_nCapacity = static_cast<int>(nTry);
            return true;
        }
    }
    return false;
}

// --- options -------------------------------------------------------------------

void CKXHexEditModel::SetOptions(bool bAddress, bool bHex, bool bAscii, bool bWideAddress) {
    m_bShowAddress = bAddress;
    m_bShowHex = bHex;
    m_bShowAscii = bAscii;
    m_bWideAddress = bWideAddress;
    m_bUpdate = 1;
}

bool CKXHexEditModel::SetBPR(int nBPR) {
    if (nBPR < 1 || nBPR > KX_HEX_MAX_BPR) return false;
    m_nBPR = nBPR;
    m_nTopIndex = m_nTopIndex / nBPR * nBPR;
    m_bUpdate = 1;
    return true;
}

DWORD CKXHexEditModel::SetAddressBase(DWORD dwBase) {
    const DWORD dwOld = m_dwAddressBase;
    m_dwAddressBase = dwBase;
    m_bUpdate = 1;
    return dwOld;
}

bool CKXHexEditModel::FitBPR(int cxClient) {
    if (!m_bAutoBPR || m_nNullWidth <= 0 || (!m_bShowHex && !m_bShowAscii)) return false;
    const i64 w = std::max<i64>(0, static_cast<i64>(cxClient) - static_cast<i64>(AddressCells()) * m_nNullWidth);
    i64 nBPR;
    if (m_bShowHex && m_bShowAscii) nBPR = w * 2 / 3 / (3 * static_cast<i64>(m_nNullWidth));
    else if (m_bShowHex) nBPR = w / (3 * static_cast<i64>(m_nNullWidth));
    else nBPR = w / m_nNullWidth;
    nBPR = std::clamp<i64>(nBPR, 1, KX_HEX_MAX_BPR);
    if (nBPR == m_nBPR) return false;
    return SetBPR(static_cast<int>(nBPR));
}

// --- layout --------------------------------------------------------------------

int CKXHexEditModel::AddressCells() const { return m_bShowAddress ? (m_bWideAddress ? 9 : 5) : 0; }

int CKXHexEditModel::TotalCells() const {
    return AddressCells() + (m_bShowHex ? 3 * m_nBPR : 0) + (m_bShowAscii ? m_nBPR : 0);
}

int CKXHexEditModel::PageCells() const {
    return m_nNullWidth > 0 ? std::min(m_nClientWidth / m_nNullWidth, TotalCells()) : TotalCells();
}

void CKXHexEditModel::Layout(int cxCell, int cyRow, int cxClient, int cyClient) {
    m_nNullWidth = std::max(1, cxCell);
    m_nLineHeight = std::max(1, cyRow);
    m_nClientWidth = std::max(0, cxClient);
    m_nClientHeight = std::max(0, cyClient);
    m_nHorzPos = std::clamp(m_nHorzPos, 0, std::max(0, TotalCells() - PageCells()));
    const i64 cell = m_nNullWidth;
    const i64 h = m_nHorzPos * cell;
    m_nOffAddress = ClampInt(-h);
    m_nOffHex = ClampInt(AddressCells() * cell - h);
    m_nOffAscii = ClampInt(m_nOffHex + (m_bShowHex ? 3 * cell * m_nBPR : 0));
    m_nLinesPerPage = std::max(1, m_nClientHeight / m_nLineHeight);
    m_bUpdate = 0;
}

// --- caret and hit testing -----------------------------------------------------------

bool CKXHexEditModel::PlaceCaret(int nAddress) {
    const i64 cell = std::max(1, m_nNullWidth), row = std::max(1, m_nLineHeight);
    const i64 rel = static_cast<i64>(nAddress) - m_nTopIndex;
    const i64 r = FloorDiv(rel, m_nBPR);
    const i64 c = rel - r * m_nBPR;
    i64 x;
    switch (m_nEditMode) {
    case KX_HEX_MODE_ADDRESS: x = m_nOffAddress; break;
    case KX_HEX_MODE_ASCII: x = m_nOffAscii + c * cell; break;
    case KX_HEX_MODE_HIGH: x = m_nOffHex + 3 * c * cell; break;
    default: x = m_nOffHex + (3 * c + 1) * cell; break;
    }
    const i64 y = r * row;
    const i64 w = m_nEditMode == KX_HEX_MODE_ADDRESS ? (m_bWideAddress ? 8 : 4) * cell : cell;
    m_nCaretX = ClampInt(x);
    m_nCaretY = ClampInt(y);
    m_nCaretWidth = static_cast<int>(w);
    m_nCaretHeight = static_cast<int>(row);
    return x < m_nClientWidth && x + w > 0 && y < m_nClientHeight && y + row > 0;
}

CPoint CKXHexEditModel::CalcPos(int x, int y) {
    if (!HasData()) return CPoint(-1, -1);
    const i64 col = FloorDiv(x, std::max(1, m_nNullWidth));
    const i64 row = FloorDiv(y, std::max(1, m_nLineHeight));
    // H: the blank in front of the first digit (after the address), which
    // counts as the first byte's high nibble; every byte's trailing blank
    // likewise belongs to the next byte.
    const i64 H = static_cast<i64>(AddressCells()) - m_nHorzPos - 1;
    const i64 hexEnd = H + (m_bShowHex ? 3 * static_cast<i64>(m_nBPR) : 0);
    const i64 rowStart = m_nTopIndex + row * m_nBPR;
    i64 address;
    int mode;
    if (m_bShowAddress && col < H) {
        address = rowStart;
        mode = KX_HEX_MODE_ADDRESS;
    } else if (m_bShowHex && col >= H && col < hexEnd) {
        const i64 k = col - H;
        address = rowStart + k / 3;
        mode = k % 3 == 2 ? KX_HEX_MODE_LOW : KX_HEX_MODE_HIGH;
    } else if (m_bShowAscii && col >= hexEnd && col <= hexEnd + m_nBPR) {
        address = rowStart + std::max<i64>(0, col - hexEnd - 1);
        mode = KX_HEX_MODE_ASCII;
    } else {
        return CPoint(-1, -1);
    }
    if (address > m_nLength) {
        address = m_nLength;  // the insertion point after the last byte
        if (mode == KX_HEX_MODE_LOW) mode = KX_HEX_MODE_HIGH;
    }
    m_nCurrentAddress = static_cast<int>(std::max<i64>(0, address));
    m_nEditMode = mode;
    return CPoint(mode == KX_HEX_MODE_ADDRESS ? 0 : ClampInt(col), ClampInt(row));
}

UINT CKXHexEditModel::Move(int dx, int dy) {
    i64 a = m_nCurrentAddress;
    switch (m_nEditMode) {
    case KX_HEX_MODE_ADDRESS:
        break;  // nothing moves (the address is only kept in range)
    case KX_HEX_MODE_ASCII:
        a += dx + static_cast<i64>(dy) * m_nBPR;
        break;
    case KX_HEX_MODE_HIGH:
        if (dx != 0) {
            m_nEditMode = KX_HEX_MODE_LOW;
            if (dx < 0) --a;
        }
        a += static_cast<i64>(dy) * m_nBPR;
        break;
    default:
        if (dx != 0) {
            m_nEditMode = KX_HEX_MODE_HIGH;
            if (dx > 0) ++a;
        }
        a += static_cast<i64>(dy) * m_nBPR;
        break;
    }
    m_nCurrentAddress = static_cast<int>(std::clamp<i64>(a, 0, m_nLength));
    UINT nResult = KX_HEX_CARET;
    if (m_nEditMode == KX_HEX_MODE_ADDRESS) return nResult;
    const i64 nRow = m_nCurrentAddress / m_nBPR;
    if (nRow < TopRow()) nResult |= VScroll(KX_HEX_SB_LINEUP, 0, false);
    else if (nRow > static_cast<i64>(TopRow()) + m_nLinesPerPage - 1) nResult |= VScroll(KX_HEX_SB_LINEDOWN, 0, false);
    return nResult;
}

// --- selection ------------------------------------------------------------------

bool CKXHexEditModel::HasSelection() const {
    return m_nSelStart >= 0 && m_nSelEnd >= 0 && m_nSelStart != m_nSelEnd;
}

void CKXHexEditModel::SetSel(int nStart, int nEnd) {
    if (nStart < 0 || nEnd < 0) {
        m_nSelStart = m_nSelEnd = -1;
        return;
    }
    m_nSelStart = std::min(nStart, m_nLength);
    m_nSelEnd = std::min(nEnd, m_nLength);
}

bool CKXHexEditModel::ClearSelection() {
    const bool bHad = HasSelection();
    m_nSelStart = m_nSelEnd = -1;
    return bHad;
}

int CKXHexEditModel::NormalizeSelection() {
    if (!IsAnchored() || m_nSelEnd < 0) return 0;
    if (m_nSelStart > m_nSelEnd) std::swap(m_nSelStart, m_nSelEnd);
    m_nSelStart = std::min(m_nSelStart, m_nLength);
    m_nSelEnd = std::min(m_nSelEnd, m_nLength);
    return m_nSelEnd - m_nSelStart;
}

void CKXHexEditModel::SelectAll() {
    m_nSelStart = 0;
    m_nSelEnd = m_nLength;
}

void CKXHexEditModel::AnchorSelection() {
    if (!IsAnchored()) m_nSelStart = m_nSelEnd = m_nCurrentAddress;
}

void CKXHexEditModel::ExtendSelection() {
    m_nSelEnd = std::min(m_nCurrentAddress + (InHex() ? 1 : 0), m_nLength);
}

int CKXHexEditModel::RowStart(int nAddress) const { return nAddress / m_nBPR * m_nBPR; }

// --- editing ----------------------------------------------------------------------

int CKXHexEditModel::SelInsert(int nPos, int n) {
    if (!HasData()) return 0;
    const i64 nCount = std::min<i64>(n, Room(m_nMaxLength, m_nLength));
    if (nCount < 1 || !Reserve(m_nLength + nCount)) return 0;
    const int nAt = std::clamp(nPos, 0, m_nLength);
    std::memmove(m_pData + nAt + nCount, m_pData + nAt, static_cast<size_t>(m_nLength - nAt));
    std::memset(m_pData + nAt, 0, static_cast<size_t>(nCount));
    m_nLength += static_cast<int>(nCount);
    m_nSelStart = m_nSelEnd = -1;
    m_bUpdate = 1;
    return static_cast<int>(nCount);
}

void CKXHexEditModel::SelDelete(int nStart, int nEnd) {
    if (!m_bAllowDeletes || !HasData()) return;
    if (nStart > nEnd) std::swap(nStart, nEnd);
    nStart = std::clamp(nStart, 0, m_nLength);
    nEnd = std::clamp(nEnd, 0, m_nLength);
    std::memmove(m_pData + nStart, m_pData + nEnd, static_cast<size_t>(m_nLength - nEnd));
    m_nLength -= nEnd - nStart;
    m_nSelStart = m_nSelEnd = -1;
    m_nCurrentAddress = std::min(m_nCurrentAddress, m_nLength);
    // The view never starts past the row of the insertion point.
    m_nTopIndex = std::min(m_nTopIndex, m_nLength / m_nBPR * m_nBPR);
    m_bUpdate = 1;
}

UINT CKXHexEditModel::Char(UINT ch, bool bCtrl, bool bEditable) {
    if (!bEditable || !HasData() || m_nCurrentAddress < 0 || m_nCurrentAddress > m_nLength || ch == '\t') return 0;
    if (bCtrl) {
        switch (ch) {
        case 0x03: return HasSelection() ? KX_HEX_COPY : 0u;
        case 0x16: return KX_HEX_PASTE;
        case 0x18: return HasSelection() ? KX_HEX_CUT : 0u;
        case 0x1A: return 0;  // no undo
        default: break;
        }
    }
    if (ch == '\b') {
        if (!m_bAllowDeletes) return KX_HEX_BEEP;
        if (HasSelection()) return Clear(bEditable);
        if (m_nCurrentAddress == 0) return KX_HEX_BEEP;
        --m_nCurrentAddress;
        SelDelete(m_nCurrentAddress, m_nCurrentAddress + 1);
        return KX_HEX_SCROLLED | KX_HEX_CARET | KX_HEX_REDRAW;
    }
    if (static_cast<unsigned>(m_nCurrentAddress) >= static_cast<unsigned>(m_nMaxLength)) return KX_HEX_BEEP;

    const int nDigit = KXHexDigitValue(ch);
    // What the character does: a byte in the character column, a nibble in
    // the hex column; anything else is refused before the block grows.
    const bool bStores = m_nEditMode == KX_HEX_MODE_ASCII || (InHex() && nDigit >= 0);
    UINT nResult = KX_HEX_REDRAW;
    if (bStores && m_nCurrentAddress == m_nLength) {
        if (!Reserve(static_cast<i64>(m_nLength) + 1)) return KX_HEX_BEEP;
        m_pData[m_nLength++] = 0;
        m_bUpdate = 1;
        nResult |= KX_HEX_SCROLLED;
    }
    m_nSelStart = m_nSelEnd = -1;
    if (!bStores) return nResult;
    BYTE& b = m_pData[m_nCurrentAddress];
    if (m_nEditMode == KX_HEX_MODE_ASCII) b = static_cast<BYTE>(ch);
    else if (m_nEditMode == KX_HEX_MODE_HIGH) b = static_cast<BYTE>((nDigit << 4) | (b & 0x0F));
    else b = static_cast<BYTE>((b & 0xF0) | nDigit);
    return nResult | Move(1, 0);
}

UINT CKXHexEditModel::KeyDown(UINT nKey, bool bShift, bool bCtrl, bool bEditable) {
    // Tab leaves an empty control at once, so that it never traps the focus.
    if (!HasData()) return nKey == KX_HEX_VK_TAB ? (bShift ? KX_HEX_FOCUS_PREV : KX_HEX_FOCUS_NEXT) : 0u;
    UINT nResult = 0;
    switch (nKey) {
    case KX_HEX_VK_LEFT:
    case KX_HEX_VK_UP:
    case KX_HEX_VK_RIGHT:
    case KX_HEX_VK_DOWN: {
        const int dx = nKey == KX_HEX_VK_LEFT ? -1 : nKey == KX_HEX_VK_RIGHT ? 1 : 0;
        const int dy = nKey == KX_HEX_VK_UP ? -1 : nKey == KX_HEX_VK_DOWN ? 1 : 0;
        if (!bShift) {
            if (ClearSelection()) nResult |= KX_HEX_REDRAW;
            return nResult | Move(dx, dy);
        }
        AnchorSelection();
        nResult = Move(dx, dy) | KX_HEX_REDRAW;
        // Backwards the end stays on the caret; forwards it takes the
        // caret's byte along in the hex column.
        if (dx < 0 || dy < 0) m_nSelEnd = m_nCurrentAddress;
        else ExtendSelection();
        return nResult;
    }
    case KX_HEX_VK_PRIOR:
    case KX_HEX_VK_NEXT:
        if (bShift) AnchorSelection();
        else if (ClearSelection()) nResult |= KX_HEX_REDRAW;
        nResult |= VScroll(nKey == KX_HEX_VK_PRIOR ? KX_HEX_SB_PAGEUP : KX_HEX_SB_PAGEDOWN, 0, true);
        nResult |= Move(0, 0) | KX_HEX_SCROLLED | KX_HEX_REDRAW;
        if (bShift) m_nSelEnd = m_nCurrentAddress;
        return nResult;
    case KX_HEX_VK_HOME: return KeyHome(bShift, bCtrl);
    case KX_HEX_VK_END: return KeyEnd(bShift, bCtrl);
    case KX_HEX_VK_TAB: return KeyTab(bShift);
    case KX_HEX_VK_INSERT: {
        if (!bEditable) return 0;
        const int n = std::max(1, m_nSelEnd - m_nSelStart);
        if (SelInsert(m_nCurrentAddress, n) == 0) return KX_HEX_BEEP;
        return KX_HEX_SCROLLED | KX_HEX_CARET | KX_HEX_REDRAW;
    }
    case KX_HEX_VK_DELETE:
        if (!bEditable || !m_bAllowDeletes) return 0;
        if (HasSelection()) return Clear(bEditable);
        if (m_nCurrentAddress >= m_nLength) return KX_HEX_BEEP;
        SelDelete(m_nCurrentAddress, m_nCurrentAddress + 1);
        return KX_HEX_SCROLLED | KX_HEX_CARET | KX_HEX_REDRAW;
    default:
        return 0;
    }
}

UINT CKXHexEditModel::KeyHome(bool bShift, bool bCtrl) {
    UINT nResult = KX_HEX_CARET | KX_HEX_REDRAW;
    if (!bShift) {
        if (m_nEditMode == KX_HEX_MODE_LOW) m_nEditMode = KX_HEX_MODE_HIGH;
        ClearSelection();
        if (bCtrl) {
            m_nCurrentAddress = 0;
            m_nTopIndex = 0;
            nResult |= KX_HEX_SCROLLED;
        } else {
            m_nCurrentAddress = RowStart(m_nCurrentAddress);
        }
        return nResult;
    }
    AnchorSelection();
    // To the top with the thumb; the caret moves up with the view.
    if (bCtrl) nResult |= VScroll(KX_HEX_SB_THUMBTRACK, 0, true) | KX_HEX_SCROLLED;
    else m_nCurrentAddress = RowStart(m_nCurrentAddress);
    m_nSelEnd = m_nCurrentAddress;
    return nResult;
}

UINT CKXHexEditModel::KeyEnd(bool bShift, bool bCtrl) {
    UINT nResult = KX_HEX_CARET | KX_HEX_REDRAW;
    const int nRowEnd = static_cast<int>(std::min<i64>(static_cast<i64>(RowStart(m_nCurrentAddress)) + m_nBPR - 1,
                                                       m_nLength));
    if (!bShift) {
        if (m_nEditMode == KX_HEX_MODE_LOW) m_nEditMode = KX_HEX_MODE_HIGH;
        ClearSelection();
    } else {
        AnchorSelection();
    }
    if (bCtrl) {
        m_nCurrentAddress = bShift ? std::max(0, m_nLength - 1) : m_nLength;
        nResult |= VScroll(KX_HEX_SB_PAGEDOWN, 0, false) | KX_HEX_SCROLLED;
    } else {
        m_nCurrentAddress = nRowEnd;
    }
    if (bShift) m_nSelEnd = m_nCurrentAddress;
    return nResult;
}

UINT CKXHexEditModel::KeyTab(bool bShift) {
    // Hidden columns are passed over.
    int nMode = m_nEditMode;
    UINT nOut = bShift ? KX_HEX_FOCUS_PREV : KX_HEX_FOCUS_NEXT;
    if (!bShift) {
        if (nMode == KX_HEX_MODE_ADDRESS && m_bShowHex) nMode = KX_HEX_MODE_HIGH;
        else if (nMode != KX_HEX_MODE_ASCII && m_bShowAscii) nMode = KX_HEX_MODE_ASCII;
        else return nOut;
    } else {
        if (nMode == KX_HEX_MODE_ADDRESS && m_bShowHex) nMode = KX_HEX_MODE_HIGH;
        else if (nMode == KX_HEX_MODE_ADDRESS && m_bShowAscii) nMode = KX_HEX_MODE_ASCII;
        else if (nMode == KX_HEX_MODE_ASCII && m_bShowHex) nMode = KX_HEX_MODE_HIGH;
        else return nOut;
    }
    m_nEditMode = nMode;
    return KX_HEX_CARET | KX_HEX_REDRAW;
}

UINT CKXHexEditModel::Clear(bool bEditable) {
    if (!bEditable || !m_bAllowDeletes || !HasSelection()) return 0;
    NormalizeSelection();
    m_nCurrentAddress = m_nSelStart;
    SelDelete(m_nSelStart, m_nSelEnd);
    return KX_HEX_SCROLLED | KX_HEX_CARET | KX_HEX_REDRAW;
}

UINT CKXHexEditModel::CutSelection(bool bEditable) {
    if (!bEditable || !HasSelection()) return 0;
    SelDelete(m_nSelStart, m_nSelEnd);
    return KX_HEX_SCROLLED | KX_HEX_CARET | KX_HEX_REDRAW;
}

UINT CKXHexEditModel::Paste(const BYTE* p, size_t n, bool bEditable) {
    if (!bEditable || !HasData() || p == nullptr || n == 0) return 0;
    const int nCaret = m_nCurrentAddress;
    int nAt;
    if (NormalizeSelection() > 0) {
        nAt = m_nSelStart;
        SelDelete(m_nSelStart, m_nSelEnd);
        m_nSelStart = m_nSelEnd = -1;
    } else {
        m_nSelStart = m_nSelEnd = -1;
        nAt = std::min(m_nCurrentAddress + (m_nEditMode == KX_HEX_MODE_LOW ? 1 : 0), m_nLength);
    }
    const int nWanted = static_cast<int>(std::min<size_t>(n, INT_MAX));
    const int nInserted = SelInsert(nAt, nWanted);
    if (nInserted > 0) std::memcpy(m_pData + nAt, p, static_cast<size_t>(nInserted));
    m_nCurrentAddress = std::min(nCaret, m_nLength);
    return (nInserted > 0 ? 0u : KX_HEX_BEEP) | KX_HEX_SCROLLED | KX_HEX_CARET | KX_HEX_REDRAW;
}

// --- clipboard text ---------------------------------------------------------------------

const BYTE* CKXHexEditModel::SelectionBytes() const {
    if (!HasData() || !IsAnchored() || m_nSelEnd < 0) return nullptr;
    return m_pData + std::min(std::min(m_nSelStart, m_nSelEnd), m_nLength);
}

size_t CKXHexEditModel::SelectionTextSize() const {
    if (!HasSelection()) return 1;
    const size_t n = static_cast<size_t>(std::abs(m_nSelEnd - m_nSelStart));
    return (m_nEditMode == KX_HEX_MODE_ASCII ? n : 3 * n) + 1;
}

void CKXHexEditModel::FormatSelectionText(char* pOut) const {
    if (HasSelection() && HasData()) {
        const int nLo = std::min(m_nSelStart, m_nSelEnd);
        const size_t n = static_cast<size_t>(std::abs(m_nSelEnd - m_nSelStart));
        if (m_nEditMode == KX_HEX_MODE_ASCII) {
            KXHexFormatChars(m_pData + nLo, n, pOut);
            pOut += n;
        } else {
            KXHexFormatBytes(m_pData + nLo, n, pOut);
            pOut += 3 * n;
        }
    }
    *pOut = '\0';
}

// --- scrolling ----------------------------------------------------------------------

int CKXHexEditModel::VScrollMax() const { return m_nLength / m_nBPR - 1; }

bool CKXHexEditModel::FitsVertically() const {
    return static_cast<i64>(VScrollMax()) - VScrollPage() + 1 <= 0;
}

UINT CKXHexEditModel::AdjustView() {
    const int nOld = m_nTopIndex;
    if (FitsVertically()) {
        m_nTopIndex = 0;
    } else {
        const i64 nLimit = static_cast<i64>(VScrollMax()) - VScrollPage() + 2;
        if (TopRow() > nLimit) m_nTopIndex = static_cast<int>(std::max<i64>(0, nLimit) * m_nBPR);
    }
    return m_nTopIndex != nOld ? KX_HEX_REDRAW : 0u;
}

UINT CKXHexEditModel::VScroll(int nCode, int nTrackPos, bool bMoveCaret) {
    const i64 nOld = m_nTopIndex;
    const i64 nRow = TopRow();
    const i64 nMaxRow = VScrollMax();
    i64 nTop = nOld;
    switch (nCode) {
    case KX_HEX_SB_LINEUP:
        nTop = std::max<i64>(0, nOld - m_nBPR);
        break;
    case KX_HEX_SB_LINEDOWN:
        if (nRow < nMaxRow - VScrollPage() + 1) nTop = nOld + m_nBPR;
        break;
    case KX_HEX_SB_PAGEUP:
        if (nOld == 0) m_nCurrentAddress = 0;
        else nTop = std::max<i64>(0, nOld - static_cast<i64>(m_nLinesPerPage) * m_nBPR);
        break;
    case KX_HEX_SB_PAGEDOWN:
        nTop = std::max<i64>(0, std::min(nRow + VScrollPage(), nMaxRow)) * m_nBPR;
        break;
    case KX_HEX_SB_THUMBTRACK:
        nTop = std::clamp<i64>(nTrackPos, 0, std::max<i64>(0, nMaxRow)) * m_nBPR;
        break;
    default:
        break;
    }
    m_nTopIndex = static_cast<int>(std::clamp<i64>(nTop, 0, m_nLength / m_nBPR * static_cast<i64>(m_nBPR)));
    if (bMoveCaret)
        m_nCurrentAddress =
            static_cast<int>(std::clamp<i64>(static_cast<i64>(m_nCurrentAddress) + m_nTopIndex - nOld, 0, m_nLength));
    return KX_HEX_CARET | (m_nTopIndex != nOld ? KX_HEX_SCROLLED | KX_HEX_REDRAW : 0u);
}

bool CKXHexEditModel::HScroll(int nCode, int nTrackPos) {
    const i64 nPage = PageCells();
    const i64 nMax = std::max<i64>(0, TotalCells() - nPage);
    i64 nPos = m_nHorzPos;
    switch (nCode) {
    case KX_HEX_SB_LINEUP: --nPos; break;
    case KX_HEX_SB_LINEDOWN: ++nPos; break;
    case KX_HEX_SB_PAGEUP: nPos -= nPage; break;
    case KX_HEX_SB_PAGEDOWN: nPos += nPage; break;
    case KX_HEX_SB_THUMBTRACK: nPos = nTrackPos; break;
    default: return false;
    }
    nPos = std::clamp<i64>(nPos, 0, nMax);
    if (nPos == m_nHorzPos) return false;
    m_nHorzPos = static_cast<int>(nPos);
    m_bUpdate = 1;
    return true;
}
