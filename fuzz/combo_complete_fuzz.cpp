// Completes arbitrary typed text against an arbitrary list and checks the
// result: a chosen item begins with the text and is what the edit shows,
// its selection lies inside it; with none chosen the text and selection are
// exactly as typed.
#include "edit/combo_complete.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

void Check(bool condition) {
    if (!condition) abort();
}

class Items : public IKXComboItems {
public:
    int GetCount() const override { return static_cast<int>(m_items.size()); }
    CString GetText(int nIndex) const override { return m_items[static_cast<size_t>(nIndex)]; }
    std::vector<CString> m_items;
};

}  // namespace

// Input: two selection bytes, then the typed text, then items, each ended by a newline.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2 || size > 4096) return 0;
    const int nStart = static_cast<int8_t>(data[0]), nEnd = static_cast<int8_t>(data[1]);
    std::vector<CString> parts(1);
    for (size_t i = 2; i < size; ++i) {
        if (data[i] == '\n') parts.emplace_back();
        else if (data[i] != 0) parts.back() += static_cast<char>(data[i]);
    }
    Items items;
    items.m_items.assign(parts.begin() + 1, parts.end());
    const CString& strText = parts[0];

    const KX_COMBO_COMPLETION done = KXComboComplete(items, strText, nStart, nEnd);
    if (done.nItem < 0) {
        Check(done.strText == strText);
        Check(done.nSelStart == nStart && done.nSelEnd == nEnd);
        Check(strText.IsEmpty() || KXComboFindPrefix(items, strText) == -1);
        return 0;
    }
    Check(done.nItem < items.GetCount());
    Check(KXComboPrefixMatches(items.GetText(done.nItem), strText));
    Check(done.strText == items.GetText(done.nItem));
    // No earlier item would have done.
    for (int i = 0; i < done.nItem; ++i) Check(!KXComboPrefixMatches(items.GetText(i), strText));
    Check(done.nSelStart >= 0 && done.nSelStart <= done.strText.GetLength());
    Check(done.nSelEnd == -1 || (done.nSelEnd >= done.nSelStart && done.nSelEnd <= strText.GetLength()));
    return 0;
}
