// CKXLoadLibrary: a module handle that frees its module when it goes.
#pragma once

#include "win/afxwin.h"

class CKXLoadLibrary {
public:
    // Loads lpszModule (nothing for null).
    explicit CKXLoadLibrary(LPCTSTR lpszModule = nullptr);
    virtual ~CKXLoadLibrary();
    CKXLoadLibrary(const CKXLoadLibrary&) = delete;
    CKXLoadLibrary& operator=(const CKXLoadLibrary&) = delete;

    // Frees the module held and loads lpszModule (nothing for null).
    void LoadLibrary(LPCTSTR lpszModule);
    // (major << 16) | minor from the module's DllGetVersion; 0 when it has
    // none or the call fails.
    DWORD GetModuleVersion() const;

    operator HINSTANCE() const { return m_hModule; }

private:
    HINSTANCE m_hModule = nullptr;
};
