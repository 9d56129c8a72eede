// A masked-edit model over a string instead of a window, for the native
// tests and the fuzz target: the text, the selection (anchor and caret), the
// beeps, a clipboard and what the platform edit does with Home, End, the
// arrows and a click.  Date and time slots follow the same rules as the
// date and time edits.
#pragma once

#include "edit/mask_chars.h"
#include "edit/mask_model.h"

#include <algorithm>

namespace kxtest {

class FakeMaskEdit : public CKXMaskModel {
public:
    enum class Digits { None, Date, Time12, Time24 };

    CString text;
    int anchor = 0, caret = 0;
    int beeps = 0;
    bool readOnly = false;
    bool shift = false;
    bool hasClip = false;
    CString clip;
    Digits digits = Digits::None;

    // The platform's sequence for one key: WM_KEYDOWN, then WM_CHAR for a
    // character key ('\b' is Backspace, ' ' Space).
    void Type(const char* psz) {
        for (; *psz; ++psz) {
            const UINT ch = static_cast<unsigned char>(*psz);
            Press(ch == '\b' ? kVkBack : ch == ' ' ? kVkSpace : 0);
            if (m_bUseMask) MaskChar(ch);
        }
    }
    void Press(UINT vk) {
        m_nKey = vk;
        if (m_bUseMask) MaskKeyDown(vk);
        else DefaultKeyDown();
    }
    void Click(int nPos) {
        caret = std::clamp(nPos, 0, text.GetLength());
        if (!shift) anchor = caret;
        MaskAfterClick(shift);
    }
    void Select(int nAnchor, int nCaret) { SetControlSel(nAnchor, nCaret); }
    int SelStart() const { return std::min(anchor, caret); }
    int SelEnd() const { return std::max(anchor, caret); }

    // Fields a test reads.
    const CString& Template() const { return m_strLiteral; }
    const CString& Mask() const { return m_strMask; }
    bool Undone() const { return m_bUndone; }
    using CKXMaskModel::IsSlot;

    bool CopyToClipboard(LPCTSTR lpszText) override {
        clip = lpszText ? lpszText : "";
        hasClip = true;
        return true;
    }

    bool ProcessMask(UINT& ch, int nPos) override {
        if (digits == Digits::None) return CKXMaskModel::ProcessMask(ch, nPos);
        const eKXDIGITCHECK r = digits == Digits::Date
                                    ? KXCheckDateDigit(m_strMask, m_strText, nPos, ch)
                                    : KXCheckTimeDigit(m_strMask, m_strText, nPos, ch, digits == Digits::Time24);
        if (r == KX_DIGIT_NOT_DIGIT || (r != KX_DIGIT_OK && digits != Digits::Date)) MaskBeep();
        return r == KX_DIGIT_OK;
    }

protected:
    CString GetControlText() const override { return text; }
    void SetControlText(const CString& str) override {
        text = str;
        anchor = caret = 0;  // as WM_SETTEXT leaves an edit control
    }
    void GetControlSel(int& nStart, int& nEnd) const override {
        nStart = anchor;
        nEnd = caret;
    }
    void SetControlSel(int nAnchor, int nCaret) override {
        const int n = text.GetLength();
        anchor = std::clamp(nAnchor, 0, n);
        caret = nCaret < 0 ? n : std::clamp(nCaret, 0, n);
    }
    void ControlBeep() override { ++beeps; }
    bool IsControlReadOnly() const override { return readOnly; }
    bool IsShiftHeld() const override { return shift; }
    bool GetClipboardText(CString& str) override {
        if (!hasClip) return false;
        str = clip;
        return true;
    }
    void DefaultKeyDown() override {
        const int n = text.GetLength();
        switch (m_nKey) {
        case kVkHome: caret = 0; break;
        case kVkEnd: caret = n; break;
        case kVkLeft: case kVkUp: caret = std::max(0, caret - 1); break;
        case kVkRight: case kVkDown: caret = std::min(n, caret + 1); break;
        default: return;
        }
        if (!shift) anchor = caret;
    }

private:
    UINT m_nKey = 0;
};

}  // namespace kxtest
