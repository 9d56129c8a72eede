// CKXHexEdit: copy and paste as text and as "BinaryData" blocks, and the
// context menu.
#include "edit/hex_edit.h"

#include "bars/menu.h"
#include "core/module_state.h"
#include "core/resource_scope.h"
#include "edit/edit_menu.h"
#include "kxres_ids.h"

#include <cstring>

namespace {

// The flags of every block the editor puts on the clipboard.
constexpr UINT kClipboardAlloc = GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE;

// Hands a block of nSize bytes, filled by fill(pointer), to the open
// clipboard under nFormat; nothing when it cannot be made.
template <typename F>
void PutBlock(UINT nFormat, size_t nSize, F fill) {
    if (nFormat == 0) return;
    HGLOBAL hBlock = ::GlobalAlloc(kClipboardAlloc, nSize);
    if (hBlock == nullptr) return;
    void* p = ::GlobalLock(hBlock);
    if (p == nullptr) {
        ::GlobalFree(hBlock);
        return;
    }
    fill(static_cast<BYTE*>(p));
    ::GlobalUnlock(hBlock);
    if (::SetClipboardData(nFormat, hBlock) == nullptr) ::GlobalFree(hBlock);
}

bool CanPaste() {
    const UINT cfBinary = KXGetBinaryDataFormat();
    return ::IsClipboardFormatAvailable(CF_TEXT) || (cfBinary != 0 && ::IsClipboardFormatAvailable(cfBinary));
}

}  // namespace

void CKXHexEdit::OnEditCopy() {
    const int n = NormalizeSelection();
    if (n <= 0 || !OpenClipboard()) return;
    ::EmptyClipboard();
    PutBlock(KXGetBinaryDataFormat(), static_cast<size_t>(n),
             [&](BYTE* p) { std::memcpy(p, SelectionBytes(), static_cast<size_t>(n)); });
    PutBlock(CF_TEXT, SelectionTextSize(), [&](BYTE* p) { FormatSelectionText(reinterpret_cast<char*>(p)); });
    ::CloseClipboard();
}

void CKXHexEdit::OnEditPaste() {
    if (!IsEditable() || !HasData() || !OpenClipboard()) return;
    const UINT cfBinary = KXGetBinaryDataFormat();
    const bool bBinary = cfBinary != 0 && ::IsClipboardFormatAvailable(cfBinary);
    UINT nEffects = 0;
    if (HGLOBAL hBlock = ::GetClipboardData(bBinary ? cfBinary : CF_TEXT)) {
        if (const BYTE* p = static_cast<const BYTE*>(::GlobalLock(hBlock))) {
            size_t n = ::GlobalSize(hBlock);
            // Text ends at its terminator: neither it nor the slack of the
            // block is pasted.
            if (!bBinary) n = strnlen(reinterpret_cast<const char*>(p), n);
            nEffects = CKXHexEditModel::Paste(p, n, true);
            ::GlobalUnlock(hBlock);
        }
    }
    ::CloseClipboard();
    Apply(nEffects);
}

void CKXHexEdit::OnEditCut() {
    if (!IsEditable() || !HasSelection()) return;
    OnEditCopy();
    Apply(CutSelection(true));
}

void CKXHexEdit::OnEditClear() { Apply(CKXHexEditModel::Clear(IsEditable())); }

void CKXHexEdit::OnEditSelectAll() {
    if (!HasData()) return;
    SelectAll();
    HideCaret();
    RedrawWindow();
}

void CKXHexEdit::OnEditUndo() {}

void CKXHexEdit::OnContextMenu(CWnd*, CPoint point) {
    if (point.x == -1 && point.y == -1) {  // from the keyboard
        point = CPoint(0, 0);
        ClientToScreen(&point);
        point.Offset(5, 5);
    }
    CKXResourceScope scope;
    CKXMenu menu;
    CKXMenu* pPopup = KXLoadEditContextMenu(menu);
    if (pPopup == nullptr) return;
    const UINT nGray = MF_BYCOMMAND | MF_GRAYED;
    pPopup->EnableMenuItem(ID_KX_EDIT_UNDO, nGray);
    if (!m_bAllowDeletes || !HasSelection()) {
        pPopup->EnableMenuItem(ID_KX_EDIT_CLEAR, nGray);
        pPopup->EnableMenuItem(ID_KX_EDIT_CUT, nGray);
    }
    if (!HasSelection()) pPopup->EnableMenuItem(ID_KX_EDIT_COPY, nGray);
    if (!CanPaste()) pPopup->EnableMenuItem(ID_KX_EDIT_PASTE, nGray);
    pPopup->TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, this);
}

LRESULT CKXHexEdit::OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu) {
    return CKXMenu::FindKeyboardShortcut(nChar, nFlags, pMenu);
}
