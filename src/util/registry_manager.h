// CKXRegistryManager: the application's profile interface (typed values
// under a section and an entry) over two stores: a private INI file when one
// is named, otherwise the registry under "Software\<registry key>\<profile>"
// of the root key.  With neither, writes fail and reads give their default.
//
// Registry formats: Int, Dword and Color REG_DWORD (4 bytes); String REG_SZ;
// Double, Point and Size REG_BINARY of 8 bytes, Rect of 16, Binary of the
// given count.  In an INI file an Int is decimal text and every other
// non-text value two letters per byte (see base/profile_binary.h for how
// any text decodes).  INI values are read whole, however long.
//
// Reads of fixed-size values copy as many bytes as are stored; a stored value
// larger than the caller's type is a failed read that leaves the caller's
// value alone.
#pragma once

#include "base/afx.h"
#include "util/registry_tree.h"

class CWinApp;

class CKXRegistryManager {
public:
    explicit CKXRegistryManager(HKEY hRootKey = HKEY_CURRENT_USER);
    virtual ~CKXRegistryManager();

    CString GetINIFileName() const { return m_strINIFileName; }
    void SetINIFileName(LPCTSTR lpszINIFileName) { m_strINIFileName = lpszINIFileName; }

    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    // A null entry deletes the whole section; a null value deletes the entry.
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = nullptr);
    BOOL WriteProfileDouble(LPCTSTR lpszSection, LPCTSTR lpszEntry, double dValue);
    BOOL GetProfileDouble(LPCTSTR lpszSection, LPCTSTR lpszEntry, double* pValue);
    BOOL WriteProfilePoint(LPCTSTR lpszSection, LPCTSTR lpszEntry, CPoint* pValue);
    BOOL GetProfilePoint(LPCTSTR lpszSection, LPCTSTR lpszEntry, CPoint* pValue);
    BOOL WriteProfileSize(LPCTSTR lpszSection, LPCTSTR lpszEntry, CSize* pValue);
    BOOL GetProfileSize(LPCTSTR lpszSection, LPCTSTR lpszEntry, CSize* pValue);
    BOOL WriteProfileRect(LPCTSTR lpszSection, LPCTSTR lpszEntry, CRect* pValue);
    BOOL GetProfileRect(LPCTSTR lpszSection, LPCTSTR lpszEntry, CRect* pValue);
    BOOL WriteProfileDword(LPCTSTR lpszSection, LPCTSTR lpszEntry, DWORD dwValue);
    BOOL GetProfileDword(LPCTSTR lpszSection, LPCTSTR lpszEntry, DWORD* pValue);
    BOOL WriteProfileColor(LPCTSTR lpszSection, LPCTSTR lpszEntry, COLORREF crValue);
    BOOL GetProfileColor(LPCTSTR lpszSection, LPCTSTR lpszEntry, COLORREF* pValue);
    BOOL WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes);
    // *ppData is allocated with new[]; the caller deletes it.  On failure
    // FALSE with a null pointer and a size of 0.
    BOOL GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, BYTE** ppData, UINT* pBytes);

    // Registry only.  DeleteKey removes the subkey lpszEntry of the section
    // with everything below it.
    bool DeleteKey(LPCTSTR lpszSection, LPCTSTR lpszEntry);
    bool DeleteValue(LPCTSTR lpszSection, LPCTSTR lpszEntry);
    int EnumKeys(LPCTSTR lpszSection, CStringArray& arrKeys);
    int EnumValues(LPCTSTR lpszSection, CKXValueTypeMap* pValues, CStringArray* pNames);

    // Open keys (KEY_READ | KEY_WRITE) that the caller closes; null on failure.
    virtual HKEY GetAppRegistryKey();
    virtual HKEY GetSectionKey(LPCTSTR lpszSection);

protected:
    HKEY m_hRootKey;
    CString m_strINIFileName;
    CWinApp* m_pApp;

private:
    BOOL UseINI() const { return !m_strINIFileName.IsEmpty(); }
    BOOL UseRegistry() const;
    BOOL WriteBytes(LPCTSTR lpszSection, LPCTSTR lpszEntry, const void* pData, UINT nBytes, DWORD dwType);
    BOOL ReadBytes(LPCTSTR lpszSection, LPCTSTR lpszEntry, void* pData, UINT nSize);
    // Points, sizes and rectangles are stored as their LONGs lie in memory;
    // a shorter stored value replaces only the leading ones.
    template <typename T>
    BOOL WriteLongs(LPCTSTR lpszSection, LPCTSTR lpszEntry, const T* pValue) {
        return pValue != nullptr && WriteBytes(lpszSection, lpszEntry, pValue, sizeof(T), REG_BINARY);
    }
    template <typename T>
    BOOL ReadLongs(LPCTSTR lpszSection, LPCTSTR lpszEntry, T* pValue) {
        if (pValue == nullptr) return FALSE;
        T value = *pValue;
        if (!ReadBytes(lpszSection, lpszEntry, &value, sizeof value)) return FALSE;
        *pValue = value;
        return TRUE;
    }
};
