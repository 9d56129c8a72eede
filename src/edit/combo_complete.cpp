#include "edit/combo_complete.h"

namespace {

// ASCII letters fold to one case; other bytes (the code page's own letters
// among them) compare exactly.
char Fold(char ch) { return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch; }

constexpr unsigned kVkBack = 0x08;
constexpr unsigned kVkDelete = 0x2E;

}  // namespace

bool KXComboPrefixMatches(const CString& strItem, const CString& strText) {
    const int n = strText.GetLength();
    if (strItem.GetLength() < n) return false;
    for (int i = 0; i < n; ++i)
        if (Fold(strItem[i]) != Fold(strText[i])) return false;
    return true;
}

int KXComboFindPrefix(const IKXComboItems& items, const CString& strText) {
    if (strText.IsEmpty()) return -1;
    const int nCount = items.GetCount();
    for (int i = 0; i < nCount; ++i)
        if (KXComboPrefixMatches(items.GetText(i), strText)) return i;
    return -1;
}

KX_COMBO_COMPLETION KXComboComplete(const IKXComboItems& items, const CString& strText, int nStart, int nEnd) {
    KX_COMBO_COMPLETION result;
    result.strText = strText;
    result.nSelStart = nStart;
    result.nSelEnd = nEnd;
    const int n = strText.GetLength();
    result.nItem = KXComboFindPrefix(items, strText);
    if (result.nItem < 0) return result;
    result.strText = items.GetText(result.nItem);
    const bool bSelValid = nStart >= 0 && nEnd >= nStart;
    if (!(bSelValid && nEnd < n)) {
        result.nSelStart = n;
        result.nSelEnd = -1;
    }
    return result;
}

bool KXComboKeySuppresses(unsigned nVirtKey) { return nVirtKey == kVkBack || nVirtKey == kVkDelete; }
