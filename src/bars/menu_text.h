// Text rules of owner-drawn menu items: the command part and the accelerator
// part around tabs, the '&' mnemonic search behind WM_MENUCHAR, and the
// padding that lines the accelerators of a drop-down up.
#pragma once

#include "base/wintypes.h"

#include <functional>
#include <string>
#include <vector>

struct KX_MENU_TEXT_PARTS {
    bool bHasTab = false;
    std::wstring strCommand;      // before the first tab (all of it without one)
    std::wstring strAccelerator;  // after the last tab
};

KX_MENU_TEXT_PARTS KXSplitMenuText(const std::wstring& strText);

// The position of the first text that holds '&' followed by ch, compared
// without regard to case; -1 when none does.
int KXFindMnemonicItem(const std::vector<std::wstring>& texts, UINT ch);

// Pads the command part of every text that has a tab with spaces until it is
// at least as wide as the widest command part of all the texts plus one
// space, and stores it again as command part, tab, rest.  cxText measures a
// text.  Returns whether a text changed.
bool KXPadMenuCommandParts(std::vector<std::wstring>& texts,
                           const std::function<int(const std::wstring&)>& cxText);
