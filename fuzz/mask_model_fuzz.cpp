// Random masks, random texts and random editing of a masked edit.  After
// every step: the text keeps its length, literals never move, every slot
// holds the prompt or a character its mask accepts (dates and times: a digit
// in the range its position allows on its own), and a caret that the model
// placed stands on a slot or past the last one.  With a text that does not
// match the template, only what lies outside the slots is checked to stay.
#include "../tests/edit/mask_fake.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

class Bytes {
public:
    Bytes(const uint8_t* p, size_t n) : m_p(p), m_n(n) {}
    bool Empty() const { return m_n == 0; }
    uint8_t Next() {
        if (m_n == 0) return 0;
        --m_n;
        return *m_p++;
    }
    int Below(int n) { return n > 0 ? Next() % n : 0; }
    char Pick(const char* set) { return set[Below(static_cast<int>(std::string(set).size()))]; }

private:
    const uint8_t* m_p;
    size_t m_n;
};

using kxtest::FakeMaskEdit;

constexpr const char* kMaskChars = "09#L?AaHX<>&Q";
constexpr const char* kLiterals = "()-/: .,";
constexpr const char* kPrompts = "_*~=";
constexpr const char* kTyped = "0123459aAzZ -+fG!_*~?/";

[[noreturn]] void Fail(const char* what, const FakeMaskEdit& m) {
    std::fprintf(stderr, "invariant broken: %s\n  template \"%s\"\n  mask     \"%s\"\n  text     \"%s\"\n", what,
                 m.Template().GetString(), m.Mask().GetString(), m.text.GetString());
    std::abort();
}

// The range a date or time digit must keep on its own (tens of day, month,
// hour and minute); other digit positions take any digit.
bool DigitInOwnRange(FakeMaskEdit::Digits digits, int pos, char c) {
    if (digits == FakeMaskEdit::Digits::Date) {
        if (pos == 0) return c <= '3';
        if (pos == 3) return c <= '1';
        return true;
    }
    if (pos == 0) return c <= (digits == FakeMaskEdit::Digits::Time24 ? '2' : '1');
    if (pos == 3) return c <= '5';
    return true;
}

void CheckText(const FakeMaskEdit& m, const CString& strStart, bool bWild) {
    if (m.text.GetLength() != strStart.GetLength()) Fail("length changed", m);
    for (int p = 0; p < m.text.GetLength(); ++p) {
        const char c = m.text[p];
        if (!m.IsSlot(p)) {
            if (c != strStart[p]) Fail("a literal moved", m);
            continue;
        }
        if (bWild || c == m.GetPromptChar()) continue;
        if (m.digits != FakeMaskEdit::Digits::None) {
            if (c < '0' || c > '9' || !DigitInOwnRange(m.digits, p, c)) Fail("a digit out of its range", m);
            continue;
        }
        UINT ch = static_cast<unsigned char>(c);
        if (p >= m.Mask().GetLength() || !KXMaskAccepts(m.Mask()[p], ch) || ch != static_cast<unsigned char>(c))
            Fail("a slot holds what its mask refuses", m);
    }
}

// After a move the model made: on a slot, or no slot at or after the caret.
void CheckCaretOnSlot(const FakeMaskEdit& m) {
    for (int p = m.caret; p < m.Template().GetLength(); ++p)
        if (m.IsSlot(p)) {
            if (p != m.caret) Fail("the caret stands on a literal", m);
            return;
        }
}

void CheckNotBeforeFirstSlot(const FakeMaskEdit& m) {
    for (int p = 0; p < m.Template().GetLength(); ++p)
        if (m.IsSlot(p)) {
            if (m.SelStart() < p && m.SelStart() < m.text.GetLength()) Fail("the caret stands before the first slot", m);
            return;
        }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Bytes in(data, size);
    FakeMaskEdit m;
    const uint8_t mode = in.Next();
    const bool bWild = (mode & 0x80) != 0;
    CString strMask, strTemplate;
    switch (mode & 3) {
    case 1:
        m.digits = FakeMaskEdit::Digits::Date;
        strMask = "00/00/0000";
        strTemplate = "__/__/____";
        break;
    case 2:
    case 3:
        m.digits = (mode & 3) == 2 ? FakeMaskEdit::Digits::Time12 : FakeMaskEdit::Digits::Time24;
        strMask = "00:00";
        strTemplate = "__:__";
        break;
    default: {
        const int n = 1 + in.Below(24);
        for (int i = 0; i < n; ++i) {
            if (in.Next() & 1) {
                strMask += in.Pick(kMaskChars);
                strTemplate += '_';
            } else {
                const char c = in.Pick(kLiterals);
                strMask += c;
                strTemplate += c;
            }
        }
        break;
    }
    }
    CString strDefault = strTemplate;
    if (bWild) {
        strDefault.Empty();
        for (int i = in.Below(32); i > 0; --i) strDefault += static_cast<char>(1 + in.Below(255));
    }
    m.SetEditMask(strMask, strTemplate, strDefault);
    CString strStart = m.text;
    CheckText(m, strStart, bWild);

    while (!in.Empty()) {
        const uint8_t op = in.Next();
        bool bCaretOnSlot = false, bNotBeforeFirst = false;
        switch (op % 22) {
        case 0: case 1: case 2: case 3: {
            const char c = in.Pick(kTyped);
            m.Type(std::string(1, c).c_str());
            bCaretOnSlot = c != ' ' && !m.readOnly;
            break;
        }
        case 4: m.Type("\b"); break;
        case 5: m.Press(FakeMaskEdit::kVkDelete); break;
        case 6: m.Press(FakeMaskEdit::kVkInsert); break;
        case 7: m.Press(FakeMaskEdit::kVkHome); bCaretOnSlot = !m.shift; break;
        case 8: m.Press(FakeMaskEdit::kVkLeft); bNotBeforeFirst = true; break;
        case 9: m.Press(FakeMaskEdit::kVkRight); break;
        case 10: m.Press(FakeMaskEdit::kVkEnd); break;
        case 11: m.Click(in.Below(m.text.GetLength() + 2)); bCaretOnSlot = !m.shift; break;
        case 12: m.Select(in.Below(m.text.GetLength() + 1), in.Below(m.text.GetLength() + 1)); break;
        case 13: m.MaskCopy(); break;
        case 14: m.MaskCut(); break;
        case 15: {
            m.hasClip = (in.Next() & 3) != 0;
            m.clip.Empty();
            for (int i = in.Below(40); i > 0; --i) m.clip += static_cast<char>(1 + in.Below(255));
            m.MaskPaste();
            break;
        }
        case 16: m.MaskClear(); break;
        case 17: m.MaskUndo(); break;
        case 18: m.MaskSelectAll(); break;
        case 19: {
            const char c = in.Pick(kPrompts);
            if (c != m.GetPromptChar()) {
                // The prompt is part of the template and of the start text.
                strStart.Replace(m.GetPromptChar(), c);
                m.SetPromptChar(c);
            }
            break;
        }
        case 20: {
            const uint8_t flags = in.Next();
            m.readOnly = (flags & 1) != 0;
            m.shift = (flags & 2) != 0;
            m.SetOverType((flags & 4) != 0);
            break;
        }
        default: {
            const uint8_t k = in.Next();
            if (k & 1) m.MaskAfterDblClk();
            else if (k & 2) m.MaskTranslateKey("CVXZ"[(k >> 2) & 3], true);
            else if (k & 4) m.MaskTranslateKey((k & 8) ? FakeMaskEdit::kVkAdd : FakeMaskEdit::kVkSubtract, false);
            else {
                m.MaskAfterFocus();
                bCaretOnSlot = true;
            }
            break;
        }
        }
        CheckText(m, strStart, bWild);
        if (!bWild && bCaretOnSlot) CheckCaretOnSlot(m);
        if (!bWild && bNotBeforeFirst) CheckNotBeforeFirstSlot(m);
    }
    return 0;
}
