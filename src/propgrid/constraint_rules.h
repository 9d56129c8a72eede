// How a property item moves through its list of allowed values: by a step
// of the arrow keys or a double click, by cycling, and by a typed first
// letter.  Indexes are positions in the list; -1 means none.
#pragma once

#include "base/list_types.h"

// The index of the first element equal to lpszText (exact comparison), or -1.
int KXFindConstraint(const CStringList& list, LPCTSTR lpszText);

// The element at nIndex; empty outside the list.
CString KXConstraintAt(const CStringList& list, int nIndex);

// Stepping from nCurrent (or, when it is -1, from nTextIndex, the index of
// the text shown, itself -1 when the text is none of them) by nStep: past
// the end it goes to 0 with bWrap, else to the last index; below 0 to the
// last index with bWrap, else to 0.  -1 for an empty list.
int KXStepConstraint(int nCurrent, int nTextIndex, int nStep, bool bWrap, int nCount);

// The next index of a double click on a closed list: from nCurrent (or
// nValueIndex when it is -1) one on, wrapping at the end; a value that is
// none of them leads to the first.  -1 for an empty list.
int KXCycleConstraint(int nCurrent, int nValueIndex, int nCount);

// The first element after nStart, cyclically and ending with nStart itself,
// whose first character is ch regardless of case; -1 when none.  nStart -1
// (nothing known) starts the search at the first element.
int KXFindConstraintByLetter(const CStringList& list, int nStart, UINT ch);
