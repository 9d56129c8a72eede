// Drives the hex editor's model with a random block and a random sequence of
// characters, keys, clipboard operations, clicks, scrolling and option
// changes.  Before each edit the expected bytes are worked out on a plain
// byte vector from the state the model shows (caret, column, selection,
// limit); afterwards the model must hold exactly those bytes and keep its
// invariants.
#include "edit/hex_edit_model.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

// Names the broken expectation before stopping.
void Fail(int nLine) {
    std::fprintf(stderr, "hex_edit_fuzz.cpp:%d: expectation broken\n", nLine);
    std::abort();
}
#define Check(b) ((b) ? (void)0 : Fail(__LINE__))

struct Harness {
    CKXHexEditModel m;
    Bytes v;          // what the block must be
    Bytes clip;       // the clipboard's binary block
    bool editable = true;

    long long Room() const {
        const long long limit = std::min<long long>(static_cast<unsigned>(m.m_nMaxLength), INT_MAX);
        return std::max<long long>(0, limit - static_cast<long long>(v.size()));
    }
    bool Selected() const { return m.m_nSelStart >= 0 && m.m_nSelEnd >= 0 && m.m_nSelStart != m.m_nSelEnd; }
    int Lo() const { return std::min(m.m_nSelStart, m.m_nSelEnd); }
    int Hi() const { return std::max(m.m_nSelStart, m.m_nSelEnd); }
    void Erase(int a, int b) { v.erase(v.begin() + a, v.begin() + b); }
    void InsertZeros(int at, long long n) {
        n = std::min(n, Room());
        if (n > 0) v.insert(v.begin() + at, static_cast<size_t>(n), 0);
    }

    // --- the expected effect of each edit, from the state before it ----------
    void ExpectChar(UINT ch, bool ctrl) {
        if (!editable || ch == '\t') return;
        if (ctrl && (ch == 0x03 || ch == 0x16 || ch == 0x18 || ch == 0x1A)) return;  // asks the window
        const int a = m.m_nCurrentAddress;
        if (ch == '\b') {
            if (!m.m_bAllowDeletes) return;
            if (Selected()) Erase(Lo(), Hi());
            else if (a > 0) Erase(a - 1, a);
            return;
        }
        if (static_cast<unsigned>(a) >= static_cast<unsigned>(m.m_nMaxLength)) return;
        int digit = -1;
        if (ch >= '0' && ch <= '9') digit = static_cast<int>(ch - '0');
        else if (ch >= 'a' && ch <= 'f') digit = static_cast<int>(ch - 'a' + 10);
        else if (ch >= 'A' && ch <= 'F') digit = static_cast<int>(ch - 'A' + 10);
        const int mode = m.m_nEditMode;
        if (mode == KX_HEX_MODE_ADDRESS || (mode != KX_HEX_MODE_ASCII && digit < 0)) return;
        if (a == static_cast<int>(v.size())) v.push_back(0);
        BYTE& b = v[static_cast<size_t>(a)];
        if (mode == KX_HEX_MODE_ASCII) b = static_cast<BYTE>(ch);
        else if (mode == KX_HEX_MODE_HIGH) b = static_cast<BYTE>((digit << 4) | (b & 0xF));
        else b = static_cast<BYTE>((b & 0xF0) | digit);
    }
    void ExpectKey(UINT key) {
        if (!editable) return;
        const int a = m.m_nCurrentAddress;
        if (key == KX_HEX_VK_INSERT) {
            InsertZeros(a, std::max(1, m.m_nSelEnd - m.m_nSelStart));
        } else if (key == KX_HEX_VK_DELETE && m.m_bAllowDeletes) {
            if (Selected()) Erase(Lo(), Hi());
            else if (a < static_cast<int>(v.size())) Erase(a, a + 1);
        }
    }
    void ExpectPaste(const Bytes& block) {
        if (!editable || block.empty()) return;
        int at;
        if (Selected()) {
            at = Lo();
            if (m.m_bAllowDeletes) Erase(Lo(), Hi());
        } else {
            at = std::min<int>(m.m_nCurrentAddress + (m.m_nEditMode == KX_HEX_MODE_LOW ? 1 : 0),
                               static_cast<int>(v.size()));
        }
        const long long n = std::min<long long>(static_cast<long long>(block.size()), Room());
        if (n > 0) v.insert(v.begin() + at, block.begin(), block.begin() + n);
    }
    void ExpectRemoveSelection() {
        if (editable && Selected() && m.m_bAllowDeletes) Erase(Lo(), Hi());
    }

    // --- what the window does with the clipboard bits ---------------------------
    void Copy() {
        const int n = m.NormalizeSelection();
        if (n <= 0) return;
        clip.assign(m.SelectionBytes(), m.SelectionBytes() + n);
        // The text fills exactly its size, terminator included.
        const size_t size = m.SelectionTextSize();
        std::vector<char> text(size + 1, '\x7F');
        m.FormatSelectionText(text.data());
        Check(text[size - 1] == '\0' && text[size] == '\x7F' && std::strlen(text.data()) == size - 1);
    }
    void Apply(UINT effects) {
        if (effects & KX_HEX_COPY) Copy();
        if (effects & KX_HEX_CUT) {
            if (!editable || !Selected()) return;
            Copy();
            ExpectRemoveSelection();
            m.CutSelection(editable);
        }
        if (effects & KX_HEX_PASTE) {
            ExpectPaste(clip);
            m.Paste(clip.data(), clip.size(), editable);
        }
    }

    void Invariants() const {
        Check(m.m_nLength == static_cast<int>(v.size()));
        Check(v.empty() || std::memcmp(m.m_pData, v.data(), v.size()) == 0);
        Check(static_cast<unsigned>(m.m_nLength) <= static_cast<unsigned>(m.m_nMaxLength));
        Check(m.m_nCurrentAddress >= 0 && m.m_nCurrentAddress <= m.m_nLength);
        Check(m.m_nBPR >= 1 && m.m_nBPR <= KX_HEX_MAX_BPR);
        Check(m.m_nTopIndex >= 0 && m.m_nTopIndex % m.m_nBPR == 0 && m.m_nTopIndex <= m.m_nLength);
        Check(m.m_nEditMode >= KX_HEX_MODE_ADDRESS && m.m_nEditMode <= KX_HEX_MODE_LOW);
        const bool none = m.m_nSelStart == -1 && m.m_nSelEnd == -1;
        const bool inside = m.m_nSelStart >= 0 && m.m_nSelStart <= m.m_nLength && m.m_nSelEnd >= 0 &&
                            m.m_nSelEnd <= m.m_nLength;
        Check(none || inside);
        Check(m.m_nLinesPerPage >= 1);
    }
};

const UINT kKeys[] = {KX_HEX_VK_LEFT, KX_HEX_VK_RIGHT, KX_HEX_VK_UP,   KX_HEX_VK_DOWN,   KX_HEX_VK_PRIOR,
                      KX_HEX_VK_NEXT, KX_HEX_VK_HOME,  KX_HEX_VK_END,  KX_HEX_VK_INSERT, KX_HEX_VK_DELETE,
                      KX_HEX_VK_TAB,  'A',             0};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    Harness h;
    const Bytes first = in.ConsumeBytes<BYTE>(in.ConsumeIntegralInRange<size_t>(0, 600));
    const int nMax = in.ConsumeIntegralInRange<int>(-2, 1200);
    Check(h.m.SetData(first.data(), static_cast<int>(first.size()), nMax));
    h.v = first;
    h.m.Layout(in.ConsumeIntegralInRange<int>(1, 12), in.ConsumeIntegralInRange<int>(1, 20),
               in.ConsumeIntegralInRange<int>(0, 800), in.ConsumeIntegralInRange<int>(0, 600));
    h.Invariants();

    // Copy and paste double a block without a limit: stop at 64 KB, which
    // is past every boundary the editor has.
    for (int step = 0; step < 400 && in.remaining_bytes() > 0 && h.v.size() < 0x10000; ++step) {
        CKXHexEditModel& m = h.m;
        switch (in.ConsumeIntegralInRange<int>(0, 17)) {
        case 0:
        case 1:
        case 2: {  // typing, mostly digits and letters
            const UINT ch = in.ConsumeBool() ? static_cast<UINT>("0123456789abcdefABCDEFxG\b\t\r"[in.ConsumeIntegralInRange<int>(0, 27)])
                                             : in.ConsumeIntegral<BYTE>();
            const bool ctrl = in.ConsumeIntegralInRange<int>(0, 7) == 0;
            h.ExpectChar(ch, ctrl);
            h.Apply(m.Char(ch, ctrl, h.editable));
            break;
        }
        case 3:
        case 4: {
            const UINT key = kKeys[in.ConsumeIntegralInRange<size_t>(0, sizeof kKeys / sizeof kKeys[0] - 1)];
            const bool shift = in.ConsumeBool(), ctrl = in.ConsumeBool();
            h.ExpectKey(key);
            h.Apply(m.KeyDown(key, shift, ctrl, h.editable));
            break;
        }
        case 5: h.Copy(); break;
        case 6: {
            const Bytes block = in.ConsumeBool() ? h.clip : in.ConsumeBytes<BYTE>(in.ConsumeIntegralInRange<size_t>(0, 64));
            h.ExpectPaste(block);
            m.Paste(block.data(), block.size(), h.editable);
            break;
        }
        case 7: h.Apply(KX_HEX_CUT); break;
        case 8:
            if (h.editable && m.m_bAllowDeletes && h.Selected()) h.Erase(h.Lo(), h.Hi());
            m.Clear(h.editable);
            break;
        case 9:
            if (in.ConsumeBool()) m.SelectAll();
            else m.SetSel(in.ConsumeIntegralInRange<int>(-2, 1300), in.ConsumeIntegralInRange<int>(-2, 1300));
            break;
        case 10: m.CalcPos(in.ConsumeIntegralInRange<int>(-100, 2000), in.ConsumeIntegralInRange<int>(-100, 1000)); break;
        case 11: m.VScroll(in.ConsumeIntegralInRange<int>(-1, 8), in.ConsumeIntegral<int>(), in.ConsumeBool()); break;
        case 12: m.HScroll(in.ConsumeIntegralInRange<int>(-1, 8), in.ConsumeIntegral<int>()); break;
        case 13:
            m.SetBPR(in.ConsumeIntegralInRange<int>(-1, 70));
            m.SetOptions(in.ConsumeBool(), in.ConsumeBool(), in.ConsumeBool(), in.ConsumeBool());
            m.m_bAutoBPR = in.ConsumeBool();
            m.FitBPR(in.ConsumeIntegralInRange<int>(-10, 3000));
            break;
        case 14:
            m.Layout(in.ConsumeIntegralInRange<int>(-2, 40), in.ConsumeIntegralInRange<int>(-2, 40),
                     in.ConsumeIntegralInRange<int>(-10, 3000), in.ConsumeIntegralInRange<int>(-10, 2000));
            m.AdjustView();
            break;
        case 15: {  // the primitives the window calls directly
            const int pos = in.ConsumeIntegralInRange<int>(-5, 1300), n = in.ConsumeIntegralInRange<int>(-5, 300);
            if (in.ConsumeBool()) {
                const int at = std::clamp(pos, 0, static_cast<int>(h.v.size()));
                const long long want = std::min<long long>(n, h.Room());
                if (want >= 1) h.v.insert(h.v.begin() + at, static_cast<size_t>(want), 0);
                Check(m.SelInsert(pos, n) == static_cast<int>(std::max<long long>(0, want)));
            } else if (m.m_bAllowDeletes) {
                const int a = std::clamp(std::min(pos, n), 0, static_cast<int>(h.v.size()));
                const int b = std::clamp(std::max(pos, n), 0, static_cast<int>(h.v.size()));
                h.Erase(a, b);
                m.SelDelete(pos, n);
            }
            break;
        }
        case 16:
            m.Move(in.ConsumeIntegralInRange<int>(-1, 1), in.ConsumeIntegralInRange<int>(-3, 3));
            m.PlaceCaret(in.ConsumeIntegral<int>());
            break;
        default:
            if (in.ConsumeBool()) h.editable = !h.editable;
            else m.m_bAllowDeletes = !m.m_bAllowDeletes;
            break;
        }
        h.Invariants();
    }
    return 0;
}
