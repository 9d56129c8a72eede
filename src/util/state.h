// CKXState: base of objects that save and restore their state through an
// archive (SerializeState), either in a stream of a compound file or as a
// binary entry of the application's profile.  Archive exceptions raised by
// SerializeState (a truncated or malformed state) reach the caller.
#pragma once

#include "base/afx.h"

#include <objbase.h>

class CKXState {
public:
    virtual ~CKXState() = default;

    virtual void SerializeState(CArchive& ar);

    // The stream is created when missing.
    BOOL SaveState(LPCTSTR lpszName, IStorage* pStg);
    BOOL LoadState(LPCTSTR lpszName, IStorage* pStg);
    // Through the application's WriteProfileBinary / GetProfileBinary.
    BOOL SaveState(LPCTSTR lpszSection, LPCTSTR lpszEntry);
    BOOL LoadState(LPCTSTR lpszSection, LPCTSTR lpszEntry);
};
