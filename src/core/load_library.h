// CKXLoadLibrary: a module handle that frees its module when it goes.
#pragma once

#include "win/afxwin.h"

// The function lpszName exported by hModule, as the function-pointer type F;
// null when the module or the function is missing.  For platform functions
// that older systems lack and that every caller must do without.
template <typename F>
F KXGetProcAddress(HMODULE hModule, LPCSTR lpszName) {
    if (hModule == nullptr) return nullptr;
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(::GetProcAddress(hModule, lpszName)));
}

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
