// CKXHexEditModel: the hex editor without its window.  It owns the block of
// bytes and knows the caret (a byte address and the column it stands in),
// the selection, the view (top row, horizontal offset), the column layout in
// pixels from injected cell measurements, hit testing, and what characters,
// keys, scrolling and clipboard blocks do to all of that.  CKXHexEdit is the
// window over it and does what the operations report back as KX_HEX_* bits.
//
// Contract:
//   - m_pData is null until SetData: without data nothing edits, hit tests
//     or places a caret.  An empty block (SetData with length 0) is data.
//   - 0 <= m_nCurrentAddress <= m_nLength after every operation (the
//     caret may stand after the last byte); m_nTopIndex is a non-negative
//     multiple of m_nBPR; a selection is -1/-1 or lies in [0, m_nLength]
//     with either end first (m_nSelEnd is exclusive).
//   - m_nMaxLength is compared unsigned: -1 means no limit; the block never
//     grows past it nor past the largest int.
//   - Bad arguments (null data with a length, a negative length, bytes per
//     row below 1 or above KX_HEX_MAX_BPR) are refused and change nothing;
//     allocation failure refuses the edit the same way.
//   - Indexes are ints, as the control's interface has them; everything that
//     can leave the int range on a 2 GB block or a far row (lengths plus
//     counts, pixel positions, rows times bytes per row) is computed in 64
//     bits and clamped.
#pragma once

#include "base/geometry.h"
#include "base/wintypes.h"

#include <cstddef>

// m_nEditMode: the column of the caret.
constexpr int KX_HEX_MODE_ADDRESS = 0;
constexpr int KX_HEX_MODE_ASCII = 1;
constexpr int KX_HEX_MODE_HIGH = 2;  // high nibble in the hex column
constexpr int KX_HEX_MODE_LOW = 3;   // low nibble

// What the window does after an operation, in this order.
constexpr UINT KX_HEX_COPY = 0x001;        // OnEditCopy
constexpr UINT KX_HEX_CUT = 0x002;         // OnEditCut
constexpr UINT KX_HEX_PASTE = 0x004;       // OnEditPaste
constexpr UINT KX_HEX_BEEP = 0x008;        // MessageBeep(0): the edit was refused
constexpr UINT KX_HEX_SCROLLED = 0x010;    // view or length changed: update the scroll bars
constexpr UINT KX_HEX_CARET = 0x020;       // place the caret at m_nCurrentAddress
constexpr UINT KX_HEX_REDRAW = 0x040;      // redraw now
constexpr UINT KX_HEX_FOCUS_NEXT = 0x080;  // Tab out: the next tab-stop sibling
constexpr UINT KX_HEX_FOCUS_PREV = 0x100;  // Shift+Tab out: the previous one

// Scroll codes and virtual keys, with the platform's values (the window
// passes its SB_* and VK_* through unchanged).
constexpr int KX_HEX_SB_LINEUP = 0;
constexpr int KX_HEX_SB_LINEDOWN = 1;
constexpr int KX_HEX_SB_PAGEUP = 2;
constexpr int KX_HEX_SB_PAGEDOWN = 3;
constexpr int KX_HEX_SB_THUMBTRACK = 5;
constexpr UINT KX_HEX_VK_TAB = 0x09;
constexpr UINT KX_HEX_VK_PRIOR = 0x21;
constexpr UINT KX_HEX_VK_NEXT = 0x22;
constexpr UINT KX_HEX_VK_END = 0x23;
constexpr UINT KX_HEX_VK_HOME = 0x24;
constexpr UINT KX_HEX_VK_LEFT = 0x25;
constexpr UINT KX_HEX_VK_UP = 0x26;
constexpr UINT KX_HEX_VK_RIGHT = 0x27;
constexpr UINT KX_HEX_VK_DOWN = 0x28;
constexpr UINT KX_HEX_VK_INSERT = 0x2D;
constexpr UINT KX_HEX_VK_DELETE = 0x2E;

constexpr int KX_HEX_MAX_BPR = 0x10000;

class CKXHexEditModel {
public:
    CKXHexEditModel() = default;
    ~CKXHexEditModel();
    CKXHexEditModel(const CKXHexEditModel&) = delete;
    CKXHexEditModel& operator=(const CKXHexEditModel&) = delete;

    // --- data ----------------------------------------------------------------
    // A copy of nLength bytes (null p only with 0); the limit becomes -1 for a
    // negative nMaxLength, else the larger of it and nLength.  Clears the
    // selection, puts the caret on byte 0's high nibble and the view on top.
    bool SetData(const BYTE* p, int nLength, int nMaxLength);
    // Copies min(nMaxLength, m_nLength) bytes to p (none for null p);
    // returns m_nLength.
    int GetData(BYTE* p, int nMaxLength) const;
    bool HasData() const { return m_pData != nullptr; }

    // --- options -------------------------------------------------------------
    void SetOptions(bool bAddress, bool bHex, bool bAscii, bool bWideAddress);
    // FALSE (nothing changes) below 1 or above KX_HEX_MAX_BPR.
    bool SetBPR(int nBPR);
    DWORD SetAddressBase(DWORD dwBase);
    // With automatic fitting on: the bytes per row that fill cxClient (the
    // part right of the address column), at least 1.  Returns whether they
    // changed.
    bool FitBPR(int cxClient);

    // --- layout ----------------------------------------------------------------
    // Cell width and row height in pixels and the client size; sets the
    // column offsets and the rows per page, clears m_bUpdate.
    void Layout(int cxCell, int cyRow, int cxClient, int cyClient);
    // Width in cells of the address column (9, 5 or 0), of a whole row (all
    // shown columns) and of the client area (at most a whole row).
    int AddressCells() const;
    int TotalCells() const;
    int PageCells() const;
    int GetHorzPos() const { return m_nHorzPos; }

    // --- caret and hit testing -------------------------------------------------
    // Computes m_nCaretX/Y/Width/Height for the caret at nAddress in the
    // current column (the address caret in the address column, a one-cell
    // caret elsewhere); returns whether it meets the client area.
    bool PlaceCaret(int nAddress);
    // The cell under client point (x, y): sets m_nCurrentAddress and
    // m_nEditMode and returns (cell column, row), or (-1, -1) off the columns.
    CPoint CalcPos(int x, int y);
    // Moves the caret dx nibbles or characters and dy rows, within
    // [0, m_nLength]; the view follows by one row.
    UINT Move(int dx, int dy);

    // --- selection -------------------------------------------------------------
    bool IsAnchored() const { return m_nSelStart >= 0; }
    // At least one byte selected.
    bool HasSelection() const;
    // Stores a selection; a negative end clears it, ends beyond the data
    // are cut to m_nLength.
    void SetSel(int nStart, int nEnd);
    // Returns whether there was one.
    bool ClearSelection();
    // Swaps the ends when reversed; returns the number of bytes selected.
    int NormalizeSelection();
    void SelectAll();
    // Without a selection one starts (empty) at the caret.
    void AnchorSelection();
    // The selection ends at the caret, one byte further in the hex column
    // (at most m_nLength).
    void ExtendSelection();

    // --- editing ---------------------------------------------------------------
    // Inserts min(n, room) zero bytes at nPos; returns how many (0: refused,
    // the caller beeps).  Clears the selection.
    int SelInsert(int nPos, int n);
    // Removes [nStart, nEnd) (either order) when deletes are allowed.
    void SelDelete(int nStart, int nEnd);
    // A character typed (WM_CHAR); bEditable: enabled and not read-only.
    UINT Char(UINT ch, bool bCtrl, bool bEditable);
    // A key pressed (WM_KEYDOWN).
    UINT KeyDown(UINT nKey, bool bShift, bool bCtrl, bool bEditable);
    // OnEditClear: the selection removed, the caret at its start.
    UINT Clear(bool bEditable);
    // OnEditCut after the copy: the selection removed.
    UINT CutSelection(bool bEditable);
    // OnEditPaste with a clipboard block: replaces the selection or inserts
    // at the caret (after it on a low nibble); the caret keeps its address.
    UINT Paste(const BYTE* p, size_t n, bool bEditable);

    // --- clipboard text ----------------------------------------------------------
    // The selected bytes (after NormalizeSelection).
    const BYTE* SelectionBytes() const;
    // Size with the terminating NUL of the selection's text: the characters
    // in the character column, "XX " per byte elsewhere.
    size_t SelectionTextSize() const;
    void FormatSelectionText(char* pOut) const;

    // --- scrolling ---------------------------------------------------------------
    // Vertical scroll figures in rows: the maximum (m_nLength / m_nBPR - 1),
    // the page (m_nLinesPerPage - 1), the position of the top row, and
    // whether the whole block fits.
    int VScrollMax() const;
    int VScrollPage() const { return m_nLinesPerPage - 1; }
    int TopRow() const { return m_nTopIndex / m_nBPR; }
    bool FitsVertically() const;
    // The scroll-bar rule: a fitting block goes back to the top, and the top
    // row stays within the maximum minus the page plus 2.
    UINT AdjustView();
    // A vertical scroll (KX_HEX_SB_*; nTrackPos for the thumb); with
    // bMoveCaret the caret follows the view.
    UINT VScroll(int nCode, int nTrackPos, bool bMoveCaret);
    // A horizontal scroll in cells; returns whether the position changed.
    bool HScroll(int nCode, int nTrackPos);

    // --- state, as the control declares it ----------------------------------------
    int m_nLength = 0;
    int m_nTopIndex = 0;
    int m_nCurrentAddress = 0;
    int m_nSelStart = -1;
    int m_nSelEnd = -1;
    int m_nBPR = 8;
    int m_nLinesPerPage = 1;
    int m_nLineHeight = 0;
    int m_nNullWidth = 0;
    int m_nOffHex = 0;
    int m_nOffAscii = 0;
    int m_nOffAddress = 0;
    bool m_bAllowDeletes = true;
    int m_bAutoBPR = 0;
    int m_bShowAddress = 1;
    int m_bShowAscii = 1;
    int m_bShowHex = 1;
    int m_bWideAddress = 1;
    int m_bUpdate = 1;
    int m_nMaxLength = 0;
    DWORD m_dwAddressBase = 0;
    int m_nCaretX = 0;
    int m_nCaretY = 0;
    BYTE* m_pData = nullptr;
    int m_nEditMode = KX_HEX_MODE_ADDRESS;
    int m_bShowCaret = 1;
    int m_nCaretWidth = 0;
    int m_nCaretHeight = 0;

private:
    bool InHex() const { return m_nEditMode == KX_HEX_MODE_HIGH || m_nEditMode == KX_HEX_MODE_LOW; }
    // Capacity for nLength bytes (grows geometrically, so typing at the end
    // is amortised constant time); false when memory is short.
    bool Reserve(long long nLength);
    int RowStart(int nAddress) const;
    UINT KeyTab(bool bShift);
    UINT KeyHome(bool bShift, bool bCtrl);
    UINT KeyEnd(bool bShift, bool bCtrl);

    int m_nCapacity = 0;
    int m_nHorzPos = 0;     // horizontal scroll in cells
    int m_nClientWidth = 0;
    int m_nClientHeight = 0;
};
