#include "edit/mask_model.h"

#include "edit/mask_chars.h"

#include <algorithm>

namespace {

constexpr UINT kCtrlC = 0x03;
constexpr UINT kCtrlV = 0x16;
constexpr UINT kCtrlX = 0x18;
constexpr UINT kCtrlZ = 0x1A;
constexpr UINT kDel = 0x7F;  // Ctrl+Backspace: the platform would delete a word

}  // namespace

// --- configuration ---------------------------------------------------------

void CKXMaskModel::SetEditMask(LPCTSTR lpszMask, LPCTSTR lpszLiteral, LPCTSTR lpszDefault) {
    m_strMask = lpszMask ? lpszMask : "";
    m_strLiteral = lpszLiteral ? lpszLiteral : "";
    m_strDefault = lpszDefault ? CString(lpszDefault) : m_strLiteral;
    m_strText = m_strDefault;
    m_bUndone = false;
    m_bModified = false;
    SetControlText(m_strText);
    m_strUndo = m_strText;
}

void CKXMaskModel::SetPromptChar(char ch) {
    if (ch == '\0') return;
    ReadText();
    for (CString* p : {&m_strLiteral, &m_strText, &m_strDefault, &m_strUndo, &m_strRedo}) p->Replace(m_chPrompt, ch);
    m_chPrompt = ch;
    SetControlText(m_strText);
}

bool CKXMaskModel::PosInRange(int nPos) const { return nPos >= 0 && nPos < m_strLiteral.GetLength(); }

// --- slots -----------------------------------------------------------------

bool CKXMaskModel::IsSlot(int nPos) const { return PosInRange(nPos) && m_strLiteral[nPos] == m_chPrompt; }

bool CKXMaskModel::IsTextSlot(int nPos) const { return IsSlot(nPos) && nPos < m_strText.GetLength(); }

int CKXMaskModel::NextSlot(int nPos) const {
    for (int p = std::max(nPos, 0); p < m_strLiteral.GetLength(); ++p)
        if (IsSlot(p)) return p;
    return -1;
}

int CKXMaskModel::PrevSlot(int nPos) const {
    for (int p = std::min(nPos, m_strLiteral.GetLength() - 1); p >= 0; --p)
        if (IsSlot(p)) return p;
    return -1;
}

std::vector<int> CKXMaskModel::TextSlotsFrom(int nPos) const {
    std::vector<int> slots;
    for (int p = std::max(nPos, 0); p < m_strText.GetLength(); ++p)
        if (IsTextSlot(p)) slots.push_back(p);
    return slots;
}

int CKXMaskModel::CountTextSlots(int nFrom, int nTo) const {
    int n = 0;
    for (int p = std::max(nFrom, 0); p < nTo; ++p)
        if (IsTextSlot(p)) ++n;
    return n;
}

char CKXMaskModel::DefaultAt(int nPos) const {
    return nPos >= 0 && nPos < m_strDefault.GetLength() ? m_strDefault[nPos] : m_chPrompt;
}

// --- small steps -------------------------------------------------------------

void CKXMaskModel::MaskBeep() {
    if (m_nQuiet == 0) ControlBeep();
}

void CKXMaskModel::PutCaret(int nPos) {
    SetControlSel(nPos, nPos);
    m_nStartChar = m_nEndChar = nPos;
}

void CKXMaskModel::SelectToSlot(int nAnchor, int nSlot) {
    SetControlSel(nAnchor, nSlot);
    m_nStartChar = std::min(nAnchor, nSlot);
    m_nEndChar = std::max(nAnchor, nSlot);
}

void CKXMaskModel::Commit() {
    m_bUndone = false;
    m_bModified = true;
    SetControlText(m_strText);
}

void CKXMaskModel::PutAt(int nPos, char ch) {
    if (nPos >= 0 && nPos < m_strText.GetLength()) m_strText.SetAt(nPos, ch);
}

bool CKXMaskModel::ReadSelection() {
    int nStart = 0, nEnd = 0;
    GetControlSel(nStart, nEnd);
    m_nStartChar = std::min(nStart, nEnd);
    m_nEndChar = std::max(nStart, nEnd);
    return m_nStartChar != m_nEndChar;
}

bool CKXMaskModel::Accepts(UINT& ch, int nPos) {
    ++m_nQuiet;
    const bool bAccepted = ProcessMask(ch, nPos);
    --m_nQuiet;
    return bAccepted;
}

void CKXMaskModel::Place(const std::vector<int>& slots, const std::vector<char>& chars) {
    // In slot order, so that a slot whose range depends on an earlier one
    // (the units of a day) is checked against the earlier one's new value.
    for (size_t i = 0; i < slots.size() && i < chars.size(); ++i) {
        UINT ch = static_cast<unsigned char>(chars[i]);
        if (chars[i] != m_chPrompt && !Accepts(ch, slots[i])) ch = static_cast<unsigned char>(m_chPrompt);
        PutAt(slots[i], static_cast<char>(ch));
    }
}

// --- building blocks -----------------------------------------------------------

bool CKXMaskModel::CheckChar(UINT& ch, int nPos, bool bBeep) {
    if (!m_bUseMask) return false;
    if (!KXMaskIsPrint(ch)) return true;
    int nSlot;
    if (nPos == -1) {
        nSlot = NextSlot(m_nStartChar);
        if (nSlot >= 0) PutCaret(nSlot);
    } else {
        nSlot = NextSlot(nPos);
    }
    if (nSlot < 0 || nSlot >= m_strMask.GetLength()) {
        if (bBeep) MaskBeep();
        return false;
    }
    if (ProcessMask(ch, nSlot)) return true;
    if (bBeep) MaskBeep();
    return false;
}

bool CKXMaskModel::ProcessMask(UINT& ch, int nPos) {
    if (nPos < 0 || nPos >= m_strMask.GetLength()) return false;
    return KXMaskAccepts(m_strMask[nPos], ch);
}

bool CKXMaskModel::CorrectPosition(int& nPos, bool bForward, bool bBeep) {
    ReadText();
    const int n = m_strText.GetLength();
    auto fail = [&] {
        if (bBeep) MaskBeep();
        return false;
    };
    if (nPos == n) return fail();
    if (!PosInRange(nPos)) return false;
    if (IsSlot(nPos)) return true;
    if (bForward) {
        for (int p = nPos + 1; p < n; ++p) {
            if (IsSlot(p)) {
                nPos = p;
                return true;
            }
        }
        return fail();
    }
    for (int p = nPos - 1; p >= 0; --p) {
        if (IsSlot(p)) {
            nPos = p;
            return true;
        }
    }
    nPos += 1;
    return fail();
}

void CKXMaskModel::DeleteCharAt(int nPos) {
    if (!PosInRange(nPos) || !IsTextSlot(nPos)) return;
    const std::vector<int> slots = TextSlotsFrom(nPos);
    std::vector<char> chars;
    for (size_t i = 1; i < slots.size(); ++i) chars.push_back(m_strText[slots[i]]);
    chars.push_back(m_chPrompt);
    Place(slots, chars);
}

void CKXMaskModel::InsertCharAt(int nPos, char ch) {
    if (!PosInRange(nPos)) return;
    UINT c = static_cast<unsigned char>(ch);
    if (!KXMaskIsPrint(c) || !CheckChar(c, nPos, false)) return;
    const std::vector<int> slots = TextSlotsFrom(NextSlot(nPos));
    if (slots.empty()) return;
    std::vector<char> chars{static_cast<char>(c)};
    for (size_t i = 0; i + 1 < slots.size(); ++i) chars.push_back(m_strText[slots[i]]);
    Place(slots, chars);
}

CString CKXMaskModel::GetMaskedText(int nPos, BOOL) {
    CString str;
    for (int p : TextSlotsFrom(nPos)) str += m_strText[p];
    return str;
}

// --- editing operations -----------------------------------------------------

void CKXMaskModel::MaskCopy() {
    ReadText();
    if (!ReadSelection()) return;
    CString str;
    const int nEnd = std::min(m_nEndChar, m_strText.GetLength());
    for (int p = m_nStartChar; p < nEnd; ++p)
        if (IsTextSlot(p) && m_strText[p] != m_chPrompt) str += m_strText[p];
    CopyToClipboard(str);
}

void CKXMaskModel::MaskClear() {
    ReadText();
    if (!ReadSelection() || IsControlReadOnly()) return;
    const int nStart = m_nStartChar;
    bool bFilled = false;
    for (int p : TextSlotsFrom(nStart)) bFilled |= m_strText[p] != m_chPrompt;
    if (!bFilled) {
        MaskBeep();
        return;
    }
    // Each deletion at the selection's first slot closes the gap up.
    const int nFirst = NextSlot(nStart);
    const int nCount = CountTextSlots(nStart, std::min(m_nEndChar, m_strLiteral.GetLength()));
    for (int i = 0; i < nCount; ++i) DeleteCharAt(nFirst);
    Commit();
    PutCaret(nStart);
}

void CKXMaskModel::MaskCut() {
    MaskCopy();
    if (m_nStartChar == m_nEndChar || IsControlReadOnly()) return;
    const int nStart = m_nStartChar;
    MaskClear();
    Commit();
    int nPos = nStart;
    CorrectPosition(nPos, true, true);
    PutCaret(nPos);
}

void CKXMaskModel::MaskPaste() {
    ReadText();
    ReadSelection();
    if (IsControlReadOnly()) return;
    const int nStart = m_nStartChar;
    if (m_nStartChar != m_nEndChar) {
        // Clearing is part of the paste, not a refused edit: no beep.
        ++m_nQuiet;
        MaskClear();
        --m_nQuiet;
    }
    CString strClip;
    if (!GetClipboardText(strClip)) return;
    ReadText();
    int nSlot = NextSlot(nStart);
    for (int i = 0; i < strClip.GetLength() && nSlot >= 0 && nSlot < m_strText.GetLength(); ++i) {
        UINT ch = static_cast<unsigned char>(strClip[i]);
        if (!KXMaskIsPrint(ch) || !CheckChar(ch, nSlot, false)) continue;
        InsertCharAt(nSlot, static_cast<char>(ch));
        nSlot = NextSlot(nSlot + 1);
    }
    Commit();
    PutCaret(nStart);
}

void CKXMaskModel::MaskUndo() {
    if (IsControlReadOnly()) return;
    ReadSelection();
    if (!m_bUndone) {
        m_bUndone = true;
        m_strRedo = GetControlText();
        SetControlText(m_strUndo);
    } else {
        m_bUndone = false;
        SetControlText(m_strRedo);
    }
    m_bModified = true;
    ReadText();
    PutCaret(m_nStartChar);
}

void CKXMaskModel::MaskSelectAll() {
    int nPos = 0;
    CorrectPosition(nPos, true, true);
    SetControlSel(nPos, -1);
    m_nStartChar = nPos;
    m_nEndChar = m_strText.GetLength();
}

// --- input -------------------------------------------------------------------

bool CKXMaskModel::MaskChar(UINT ch) {
    if (ch == kVkBack || ch == kVkSpace) return true;  // handled on key-down
    if (!KXMaskIsPrint(ch)) {
        // The platform edit would change the text for these: the mask's own
        // operations stand in (reached when no PreTranslateMessage ran).
        switch (ch) {
        case kCtrlC: MaskCopy(); return true;
        case kCtrlV: MaskPaste(); return true;
        case kCtrlX: MaskCut(); return true;
        case kCtrlZ: MaskUndo(); return true;
        case kDel: return true;
        default: return ch > 0xFF;  // not a byte: nothing to store
        }
    }
    ReadText();
    const bool bSelection = ReadSelection();
    const int nSelEnd = m_nEndChar;
    if (IsControlReadOnly()) return true;
    if (!CheckChar(ch, -1, true)) return true;
    const int nStart = m_nStartChar;  // the first slot of the selection
    if (!PosInRange(nStart)) {
        MaskBeep();
        return true;
    }
    // A selection is replaced: its slots empty and the rest closes up.
    if (bSelection) {
        const int nCount = CountTextSlots(nStart, std::min(std::max(nSelEnd, nStart), m_strLiteral.GetLength()));
        for (int i = 0; i < nCount; ++i) DeleteCharAt(nStart);
        SetControlText(m_strText);
    }
    int nPos = nStart;
    if (CorrectPosition(nPos, true, true)) {
        if (m_bOverType && !bSelection) PutAt(nPos, static_cast<char>(ch));
        else InsertCharAt(nPos, static_cast<char>(ch));
    }
    Commit();
    if (PosInRange(nPos)) {
        ++nPos;
        if (PosInRange(nPos)) CorrectPosition(nPos, true, true);
    }
    PutCaret(nPos);
    return true;
}

void CKXMaskModel::MaskKeyDown(UINT nVirtKey) {
    ReadText();
    ReadSelection();
    if (m_strMask.IsEmpty()) {
        DefaultKeyDown();
        return;
    }
    const bool bShift = IsShiftHeld();
    switch (nVirtKey) {
    case kVkBack: {
        if (IsControlReadOnly()) return;
        if (m_nStartChar < 1 || m_nStartChar > m_strLiteral.GetLength()) {
            MaskBeep();
            return;
        }
        int nPos = m_nStartChar - 1;
        if (!CorrectPosition(nPos, false, true)) return;
        PutAt(nPos, DefaultAt(nPos));
        Commit();
        PutCaret(nPos);
        return;
    }
    case kVkSpace: {
        if (IsControlReadOnly()) return;
        int nPos = m_nStartChar;
        if (!CorrectPosition(nPos, true, true)) return;
        UINT ch = ' ';
        if (!ProcessMask(ch, nPos)) PutAt(nPos, m_chPrompt);
        else if (m_bOverType) PutAt(nPos, ' ');
        else InsertCharAt(nPos, ' ');
        Commit();
        PutCaret(nPos + 1);
        return;
    }
    case kVkDelete: {
        if (IsControlReadOnly()) return;
        if (m_nStartChar != m_nEndChar) {
            MaskClear();
            return;
        }
        int nPos = m_nStartChar;
        if (!CorrectPosition(nPos, true, true)) return;
        DeleteCharAt(nPos);
        Commit();
        PutCaret(nPos);
        return;
    }
    case kVkInsert:
        if (bShift) MaskPaste();
        else m_bOverType = !m_bOverType;
        return;
    case kVkHome: {
        DefaultKeyDown();
        ReadSelection();
        const int nSlot = NextSlot(m_nStartChar);
        if (nSlot < 0) return;
        if (bShift) SelectToSlot(m_nEndChar, nSlot);
        else PutCaret(nSlot);
        return;
    }
    case kVkLeft:
    case kVkUp: {
        DefaultKeyDown();
        ReadSelection();
        if (PrevSlot(m_nStartChar) >= 0) return;
        // Never in front of the first slot.
        const int nSlot = NextSlot(m_nStartChar);
        if (nSlot < 0) return;
        if (bShift) SelectToSlot(std::max(m_nEndChar, nSlot), nSlot);
        else PutCaret(nSlot);
        return;
    }
    default:
        DefaultKeyDown();
        return;
    }
}

void CKXMaskModel::MaskAfterClick(bool bShift) {
    ReadText();
    ReadSelection();
    const int nSlot = NextSlot(m_nStartChar);
    if (nSlot < 0) return;
    if (bShift) SelectToSlot(std::max(m_nEndChar, nSlot), nSlot);
    else PutCaret(nSlot);
}

void CKXMaskModel::MaskAfterDblClk() {
    ReadText();
    ReadSelection();
    const int nStart = NextSlot(m_nStartChar), nEnd = NextSlot(m_nEndChar);
    if (nStart >= 0) m_nStartChar = nStart;
    if (nEnd >= 0) m_nEndChar = nEnd;
    m_nEndChar = std::max(m_nStartChar, m_nEndChar);
    SetControlSel(m_nStartChar, m_nEndChar);
}

void CKXMaskModel::MaskAfterFocus() {
    ReadText();
    ReadSelection();
    const int nSlot = NextSlot(m_nStartChar);
    if (nSlot >= 0) PutCaret(nSlot);
}

bool CKXMaskModel::MaskTranslateKey(UINT nVirtKey, bool bCtrl) {
    if (!m_bUseMask) return false;
    if (nVirtKey == kVkSubtract) return MaskChar('-');
    if (nVirtKey == kVkAdd) return MaskChar('+');
    if (!bCtrl) return false;
    switch (nVirtKey) {
    case 'C': case 'c': MaskCopy(); return true;
    case 'V': case 'v': MaskPaste(); return true;
    case 'X': case 'x': MaskCut(); return true;
    case 'Z': case 'z': MaskUndo(); return true;
    default: return false;
    }
}
