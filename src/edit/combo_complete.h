// Type-ahead completion of a combo box's edit from its list.  After each
// change of the edit's text the list is searched, from the top, for the
// first item that begins with the text (letters compared without regard to
// case, as the platform's own prefix search does); the edit then shows that
// item with the part the user has not typed selected, so that typing over
// it narrows the search and Tab or Enter takes the whole item.  While
// Backspace or Delete is held down, nothing is completed: a deleted letter
// would otherwise come straight back.
#pragma once

#include "base/cstring.h"

// The items a completion searches; the combo box answers from its list.
class IKXComboItems {
public:
    virtual ~IKXComboItems() = default;
    virtual int GetCount() const = 0;
    virtual CString GetText(int nIndex) const = 0;
};

struct KX_COMBO_COMPLETION {
    int nItem = -1;      // the item chosen; -1 when none begins with the text
    CString strText;     // what the edit shows afterwards
    int nSelStart = 0;   // its selection afterwards; nSelEnd -1 runs to the end
    int nSelEnd = 0;
};

// Whether strText is the beginning of strItem, letters of either case alike.
// An empty text begins every item.
bool KXComboPrefixMatches(const CString& strItem, const CString& strText);

// The first item, from the top, that begins with strText; -1 for none (and
// for an empty text, which completes nothing).
int KXComboFindPrefix(const IKXComboItems& items, const CString& strText);

// The edit after the user changed its text to strText with the selection
// (nStart, nEnd); nStart -1 when the selection could not be read.  With no
// item found the text and selection stay as typed.  With one, the edit shows
// the item: a selection that ended inside the typed text is kept (the user
// is editing in the middle), otherwise the untyped rest is selected.
KX_COMBO_COMPLETION KXComboComplete(const IKXComboItems& items, const CString& strText, int nStart, int nEnd);

// Keys that hold completion off while they are down: Backspace and Delete.
bool KXComboKeySuppresses(unsigned nVirtKey);
