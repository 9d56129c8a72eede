#include "propgrid/constraint_rules.h"

#include <cctype>
#include <cstring>

int KXFindConstraint(const CStringList& list, LPCTSTR lpszText) {
    if (lpszText == nullptr) lpszText = "";
    int i = 0;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr; ++i)
        if (std::strcmp(list.GetNext(pos).GetString(), lpszText) == 0) return i;
    return -1;
}

CString KXConstraintAt(const CStringList& list, int nIndex) {
    if (nIndex < 0) return CString();
    POSITION pos = list.FindIndex(nIndex);
    return pos != nullptr ? list.GetAt(pos) : CString();
}

int KXStepConstraint(int nCurrent, int nTextIndex, int nStep, bool bWrap, int nCount) {
    if (nCount <= 0) return -1;
    long long i = nCurrent != -1 ? nCurrent : nTextIndex;
    i += nStep;
    if (i >= nCount) i = bWrap ? 0 : nCount - 1;
    if (i < 0) i = bWrap ? nCount - 1 : 0;
    return static_cast<int>(i);
}

int KXCycleConstraint(int nCurrent, int nValueIndex, int nCount) {
    if (nCount <= 0) return -1;
    long long i = nCurrent != -1 ? nCurrent : nValueIndex;
    ++i;
    if (i >= nCount) i = 0;
    if (i < 0) i = nCount - 1;
    return static_cast<int>(i);
}

int KXFindConstraintByLetter(const CStringList& list, int nStart, UINT ch) {
    const int nCount = static_cast<int>(list.GetCount());
    if (nCount <= 0 || ch == 0 || ch > 0xFF) return -1;
    if (nStart < 0 || nStart >= nCount) nStart = nCount - 1;
    const int upper = std::toupper(static_cast<unsigned char>(ch));
    // The list is walked once from the head; the cyclic order is kept by
    // remembering the first match before and the first after nStart.
    int nBefore = -1, i = 0;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr; ++i) {
        const CString& str = list.GetNext(pos);
        if (str.IsEmpty() || std::toupper(static_cast<unsigned char>(str[0])) != upper) continue;
        if (i > nStart) return i;
        if (nBefore == -1) nBefore = i;
    }
    return nBefore;
}
