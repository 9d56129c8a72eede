// CKXClipboard: base of objects that put a data set on the clipboard and take
// it back.  The data set is what SerializeClipboard writes, kept in a stream
// "Contents" of a temporary compound file offered as a storage medium under
// the chosen clipboard format.  Needs OLE initialised on the calling thread.
#pragma once

#include "base/afx.h"

#include <objbase.h>

class CKXClipboard {
public:
    virtual ~CKXClipboard() = default;

    virtual void SerializeClipboard(CArchive& ar);
    virtual BOOL SaveClipboard(LPCTSTR lpszName, IStorage* pStg);
    virtual BOOL LoadClipboard(LPCTSTR lpszName, IStorage* pStg);

    BOOL CopyDataToClipboard(WORD wFormat);
    // Beeps and returns FALSE when the clipboard holds no data of the format.
    BOOL CopyDataFromClipboard(WORD wFormat);
    // The format given by name is registered first.
    BOOL CopyDataToClipboard(LPCTSTR lpszFormat);
    BOOL CopyDataFromClipboard(LPCTSTR lpszFormat);

    static BOOL IsClipboardAvailable(WORD wFormat);
    static BOOL IsClipboardAvailable(LPCTSTR lpszFormat);
};
