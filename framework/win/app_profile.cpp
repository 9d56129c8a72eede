// The application's profile settings, in the registry or in an INI file.
#include "win/winapp.h"

#include <cstdio>
#include <cstring>

namespace {

// INI files hold binary values as two letters per byte, low nibble first
// ('A' + nibble).
CString EncodeBinary(const BYTE* pData, UINT nBytes) {
    CString s;
    char* p = s.GetBuffer(static_cast<int>(nBytes * 2));
    for (UINT i = 0; i < nBytes; ++i) {
        p[i * 2] = static_cast<char>((pData[i] & 0x0F) + 'A');
        p[i * 2 + 1] = static_cast<char>(((pData[i] >> 4) & 0x0F) + 'A');
    }
    s.ReleaseBuffer(static_cast<int>(nBytes * 2));
    return s;
}

// Decodes the INI form; FALSE for an odd length or a letter outside A-P.
BOOL DecodeBinary(const CString& text, LPBYTE* ppData, UINT* pBytes) {
    int n = text.GetLength();
    if (n % 2 != 0) return FALSE;
    for (int i = 0; i < n; ++i)
        if (text[i] < 'A' || text[i] > 'P') return FALSE;
    UINT bytes = static_cast<UINT>(n / 2);
    BYTE* data = new BYTE[bytes ? bytes : 1];
    for (UINT i = 0; i < bytes; ++i)
        data[i] = static_cast<BYTE>(((text[static_cast<int>(i * 2 + 1)] - 'A') << 4) | (text[static_cast<int>(i * 2)] - 'A'));
    *ppData = data;
    *pBytes = bytes;
    return TRUE;
}

}  // namespace

HKEY CWinApp::GetAppRegistryKey() {
    if (m_pszRegistryKey == nullptr || m_pszProfileName == nullptr) return nullptr;
    HKEY hSoftKey = nullptr, hCompanyKey = nullptr, hAppKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_WRITE | KEY_READ, &hSoftKey) == ERROR_SUCCESS) {
        DWORD dw;
        if (::RegCreateKeyExA(hSoftKey, m_pszRegistryKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE | KEY_READ,
                              nullptr, &hCompanyKey, &dw) == ERROR_SUCCESS) {
            ::RegCreateKeyExA(hCompanyKey, m_pszProfileName, 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_WRITE | KEY_READ, nullptr, &hAppKey, &dw);
        }
    }
    if (hSoftKey) ::RegCloseKey(hSoftKey);
    if (hCompanyKey) ::RegCloseKey(hCompanyKey);
    return hAppKey;
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection) {
    HKEY hAppKey = GetAppRegistryKey();
    if (hAppKey == nullptr || lpszSection == nullptr) {
        if (hAppKey) ::RegCloseKey(hAppKey);
        return nullptr;
    }
    HKEY hSectionKey = nullptr;
    DWORD dw;
    ::RegCreateKeyExA(hAppKey, lpszSection, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE | KEY_READ, nullptr,
                      &hSectionKey, &dw);
    ::RegCloseKey(hAppKey);
    return hSectionKey;
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault) {
    if (m_pszRegistryKey != nullptr) {
        HKEY hSecKey = GetSectionKey(lpszSection);
        if (hSecKey == nullptr) return static_cast<UINT>(nDefault);
        DWORD dwValue = 0, dwType = 0, dwCount = sizeof(DWORD);
        LONG lResult = ::RegQueryValueExA(hSecKey, lpszEntry, nullptr, &dwType, reinterpret_cast<LPBYTE>(&dwValue),
                                          &dwCount);
        ::RegCloseKey(hSecKey);
        if (lResult == ERROR_SUCCESS && dwType == REG_DWORD && dwCount == sizeof(DWORD)) return dwValue;
        return static_cast<UINT>(nDefault);
    }
    return ::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, m_pszProfileName);
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue) {
    if (m_pszRegistryKey != nullptr) {
        HKEY hSecKey = GetSectionKey(lpszSection);
        if (hSecKey == nullptr) return FALSE;
        DWORD dw = static_cast<DWORD>(nValue);
        LONG lResult = ::RegSetValueExA(hSecKey, lpszEntry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dw), sizeof dw);
        ::RegCloseKey(hSecKey);
        return lResult == ERROR_SUCCESS;
    }
    char buf[16];
    snprintf(buf, sizeof buf, "%d", nValue);
    return ::WritePrivateProfileStringA(lpszSection, lpszEntry, buf, m_pszProfileName);
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault) {
    if (m_pszRegistryKey != nullptr) {
        HKEY hSecKey = GetSectionKey(lpszSection);
        if (hSecKey == nullptr) return CString(lpszDefault);
        CString strValue;
        DWORD dwType = 0, dwCount = 0;
        LONG lResult = ::RegQueryValueExA(hSecKey, lpszEntry, nullptr, &dwType, nullptr, &dwCount);
        if (lResult == ERROR_SUCCESS && dwType == REG_SZ) {
            char* p = strValue.GetBuffer(static_cast<int>(dwCount));
            lResult = ::RegQueryValueExA(hSecKey, lpszEntry, nullptr, &dwType, reinterpret_cast<LPBYTE>(p), &dwCount);
            p[dwCount] = '\0';
            strValue.ReleaseBuffer();
        }
        ::RegCloseKey(hSecKey);
        if (lResult == ERROR_SUCCESS && dwType == REG_SZ) return strValue;
        return CString(lpszDefault);
    }
    if (lpszDefault == nullptr) lpszDefault = "";
    // Grow the buffer until the value fits (the API truncates silently).
    for (DWORD size = 256;; size *= 2) {
        CString s;
        char* p = s.GetBuffer(static_cast<int>(size));
        DWORD n = ::GetPrivateProfileStringA(lpszSection, lpszEntry, lpszDefault, p, size, m_pszProfileName);
        s.ReleaseBuffer(static_cast<int>(n));
        if (n < size - 2 || size >= (1u << 24)) return s;
    }
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue) {
    if (m_pszRegistryKey != nullptr) {
        LONG lResult;
        if (lpszEntry == nullptr) {  // delete the whole section
            HKEY hAppKey = GetAppRegistryKey();
            if (hAppKey == nullptr) return FALSE;
            lResult = ::RegDeleteKeyA(hAppKey, lpszSection);
            ::RegCloseKey(hAppKey);
        } else if (lpszValue == nullptr) {
            HKEY hSecKey = GetSectionKey(lpszSection);
            if (hSecKey == nullptr) return FALSE;
            lResult = ::RegDeleteValueA(hSecKey, lpszEntry);
            ::RegCloseKey(hSecKey);
        } else {
            HKEY hSecKey = GetSectionKey(lpszSection);
            if (hSecKey == nullptr) return FALSE;
            lResult = ::RegSetValueExA(hSecKey, lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                                       static_cast<DWORD>(strlen(lpszValue) + 1));
            ::RegCloseKey(hSecKey);
        }
        return lResult == ERROR_SUCCESS;
    }
    return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
}

BOOL CWinApp::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes) {
    if (ppData == nullptr || pBytes == nullptr) return FALSE;
    *ppData = nullptr;
    *pBytes = 0;
    if (m_pszRegistryKey != nullptr) {
        HKEY hSecKey = GetSectionKey(lpszSection);
        if (hSecKey == nullptr) return FALSE;
        DWORD dwType = 0, dwCount = 0;
        LONG lResult = ::RegQueryValueExA(hSecKey, lpszEntry, nullptr, &dwType, nullptr, &dwCount);
        if (lResult == ERROR_SUCCESS && dwType == REG_BINARY) {
            BYTE* data = new BYTE[dwCount ? dwCount : 1];
            lResult = ::RegQueryValueExA(hSecKey, lpszEntry, nullptr, &dwType, data, &dwCount);
            if (lResult == ERROR_SUCCESS) {
                *ppData = data;
                *pBytes = dwCount;
            } else {
                delete[] data;
            }
        }
        ::RegCloseKey(hSecKey);
        return *ppData != nullptr;
    }
    CString text = GetProfileString(lpszSection, lpszEntry, nullptr);
    if (text.IsEmpty()) return FALSE;
    return DecodeBinary(text, ppData, pBytes);
}

BOOL CWinApp::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes) {
    if (m_pszRegistryKey != nullptr) {
        HKEY hSecKey = GetSectionKey(lpszSection);
        if (hSecKey == nullptr) return FALSE;
        LONG lResult = ::RegSetValueExA(hSecKey, lpszEntry, 0, REG_BINARY, pData, nBytes);
        ::RegCloseKey(hSecKey);
        return lResult == ERROR_SUCCESS;
    }
    return WriteProfileString(lpszSection, lpszEntry, EncodeBinary(pData, nBytes));
}
