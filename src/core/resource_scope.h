// CKXResourceScope: while it lives, the framework loads resources from the
// companion module "KXRes.dll" (when it can be loaded); the previous resource
// module is back when it goes.  Without the companion nothing changes.
#pragma once

#include "win/afxwin.h"

class CKXResourceScope {
public:
    CKXResourceScope();
    ~CKXResourceScope();
    CKXResourceScope(const CKXResourceScope&) = delete;
    CKXResourceScope& operator=(const CKXResourceScope&) = delete;

    // The companion's file name, "KXRes.dll" unless an application renames
    // it (null restores the default).  Takes effect for the next scope.
    static void SetCompanionFileName(LPCTSTR lpszFileName);
    static CString GetCompanionFileName();

    // Whether the companion module was found and is current.
    BOOL IsCompanionLoaded() const { return m_hCompanion != nullptr; }

private:
    HINSTANCE m_hPrevious;
    HINSTANCE m_hCompanion;
};
