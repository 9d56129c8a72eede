#include "bars/menu_text.h"

#include <algorithm>
#include <cwctype>

namespace {

// Padding never grows a text past this many spaces, so a measure that does
// not grow with spaces (a zero-width space glyph) cannot stall the loop.
constexpr int kMaxPadding = 256;

wchar_t Lower(wchar_t ch) { return static_cast<wchar_t>(std::towlower(static_cast<wint_t>(ch))); }

}  // namespace

KX_MENU_TEXT_PARTS KXSplitMenuText(const std::wstring& strText) {
    KX_MENU_TEXT_PARTS parts;
    const size_t nFirst = strText.find(L'\t');
    if (nFirst == std::wstring::npos) {
        parts.strCommand = strText;
        return parts;
    }
    parts.bHasTab = true;
    parts.strCommand = strText.substr(0, nFirst);
    parts.strAccelerator = strText.substr(strText.rfind(L'\t') + 1);
    return parts;
}

int KXFindMnemonicItem(const std::vector<std::wstring>& texts, UINT ch) {
    const wchar_t key[2] = {L'&', Lower(static_cast<wchar_t>(ch))};
    for (size_t i = 0; i < texts.size(); ++i) {
        std::wstring lower = texts[i];
        std::transform(lower.begin(), lower.end(), lower.begin(), Lower);
        if (lower.find(key, 0, 2) != std::wstring::npos) return static_cast<int>(i);
    }
    return -1;
}

bool KXPadMenuCommandParts(std::vector<std::wstring>& texts,
                           const std::function<int(const std::wstring&)>& cxText) {
    int cxWidest = 0;
    for (const std::wstring& text : texts)
        cxWidest = std::max(cxWidest, cxText(text.substr(0, text.find(L'\t')) + L' '));

    bool bChanged = false;
    for (std::wstring& text : texts) {
        const size_t nTab = text.find(L'\t');
        if (nTab == std::wstring::npos) continue;
        std::wstring strCommand = text.substr(0, nTab);
        for (int n = 0; n < kMaxPadding && cxText(strCommand) < cxWidest; ++n) strCommand += L' ';
        if (strCommand.size() == nTab) continue;
        text = strCommand + text.substr(nTab);
        bChanged = true;
    }
    return bChanged;
}
