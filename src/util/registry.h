// CKXRegistry: one open registry key with typed reads and writes.
//
// Storage: Int, Long, Bool, Color and Dword as REG_BINARY of 4 bytes; Float
// (a double) 8 bytes; DateTime 12 bytes (the 8-byte date and the 4-byte
// status); Size and Point 8; Rect 16; Font the 60-byte LOGFONTA; strings
// with the type given (values of 4096 characters or more are refused).
// With lazy writing off, every write and key creation is flushed.
//
// Reads give the default (or FALSE) unless the stored value has exactly the
// size of its type, so a value written as something else is never half read.
// GetDataType and GetDataSize (in bytes) return -1 for a missing value.
#pragma once

#include "base/afx.h"
#include "util/registry_tree.h"

class CFont;

class CKXRegistry {
public:
    CKXRegistry();
    ~CKXRegistry();
    CKXRegistry(const CKXRegistry&) = delete;
    CKXRegistry& operator=(const CKXRegistry&) = delete;

    // Keys.  OpenKey accepts only the predefined roots; paths are relative
    // to the current key unless said otherwise.
    BOOL OpenKey(HKEY hRoot, LPCTSTR lpszPath);
    BOOL CreateKey(LPCTSTR lpszPath, BOOL bMakeCurrent = TRUE);
    BOOL SetKey(LPCTSTR lpszPath, BOOL bCanCreate);
    BOOL CloseKey();
    BOOL DeleteKey(LPCTSTR lpszPath);  // with every key below it
    // Relative to hRoot, or to the current key when hRoot is null.
    BOOL KeyExists(LPCTSTR lpszPath, HKEY hRoot = nullptr);
    HKEY GetRootKey() const { return m_hKey; }
    int GetSubKeyCount();
    int GetValueCount();
    int EnumKeys(CStringArray& arrKeys);
    int EnumValues(CKXValueTypeMap* pValues, CStringArray* pNames);

    void SetLazyWrite(BOOL bLazy) { m_bLazyWrite = bLazy; }
    BOOL GetLazyWrite() const { return m_bLazyWrite; }

    // Values.
    BOOL ValueExists(LPCTSTR lpszName);
    BOOL DeleteValue(LPCTSTR lpszName);
    int GetDataType(LPCTSTR lpszName);
    int GetDataSize(LPCTSTR lpszName);

    int ReadInt(LPCTSTR lpszName, int nDefault);
    BOOL WriteInt(LPCTSTR lpszName, int nValue);
    long ReadLong(LPCTSTR lpszName, long lDefault);
    BOOL WriteLong(LPCTSTR lpszName, long lValue);
    BOOL ReadBool(LPCTSTR lpszName, BOOL bDefault);
    BOOL WriteBool(LPCTSTR lpszName, BOOL bValue);
    COLORREF ReadColor(LPCTSTR lpszName, COLORREF crDefault);
    BOOL WriteColor(LPCTSTR lpszName, COLORREF crValue);
    DWORD ReadDword(LPCTSTR lpszName, DWORD dwDefault);
    BOOL WriteDword(LPCTSTR lpszName, DWORD dwValue);
    double ReadFloat(LPCTSTR lpszName, double dDefault);
    BOOL WriteFloat(LPCTSTR lpszName, double dValue);
    COleDateTime ReadDateTime(LPCTSTR lpszName, const COleDateTime& dtDefault);
    BOOL WriteDateTime(LPCTSTR lpszName, const COleDateTime& dtValue);
    CString ReadString(LPCTSTR lpszName, LPCTSTR lpszDefault);
    BOOL WriteString(LPCTSTR lpszName, LPCTSTR lpszValue, DWORD dwType = REG_SZ);
    // Replaces pFont's font object by one made from the stored description.
    BOOL ReadFont(LPCTSTR lpszName, CFont* pFont);
    BOOL WriteFont(LPCTSTR lpszName, CFont* pFont);
    BOOL ReadSize(LPCTSTR lpszName, CSize* pSize);
    BOOL WriteSize(LPCTSTR lpszName, CSize* pSize);
    BOOL ReadPoint(LPCTSTR lpszName, CPoint* pPoint);
    BOOL WritePoint(LPCTSTR lpszName, CPoint* pPoint);
    BOOL ReadRect(LPCTSTR lpszName, CRect* pRect);
    BOOL WriteRect(LPCTSTR lpszName, CRect* pRect);

protected:
    HKEY m_hKey;
    BOOL m_bLazyWrite;

private:
    static BOOL IsPredefinedKey(HKEY hKey);
    BOOL WriteBinary(LPCTSTR lpszName, const void* pData, DWORD nBytes);
    BOOL ReadBinary(LPCTSTR lpszName, void* pData, DWORD nBytes);
    // Points, sizes and rectangles are stored as their LONGs lie in memory.
    template <typename T>
    BOOL WriteLongs(LPCTSTR lpszName, const T* pValue) {
        return pValue != nullptr && WriteBinary(lpszName, pValue, sizeof(T));
    }
    template <typename T>
    BOOL ReadLongs(LPCTSTR lpszName, T* pValue) {
        T value;
        if (pValue == nullptr || !ReadBinary(lpszName, &value, sizeof value)) return FALSE;
        *pValue = value;
        return TRUE;
    }
    void FlushIfEager();
};
