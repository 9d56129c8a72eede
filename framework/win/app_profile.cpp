// The application's profile settings, in the registry or in an INI file.
#include "win/winapp.h"

#include "base/profile_binary.h"

#include <cstdio>
#include <cstring>

namespace {

// INI files hold binary values as text (base/profile_binary.h).
BOOL DecodeBinary(const CString& text, LPBYTE* ppData, UINT* pBytes) {
    const UINT bytes = static_cast<UINT>(text.GetLength() / 2);
    if (bytes == 0) return FALSE;
    BYTE* data = new BYTE[bytes];
    AfxDecodeProfileBinary(text.GetString(), static_cast<size_t>(text.GetLength()), data, bytes, pBytes);
    *ppData = data;
    return TRUE;
}

}  // namespace

CString AfxGetPrivateProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault,
                                   LPCTSTR lpszFileName) {
    if (lpszDefault == nullptr) lpszDefault = "";
    // Grow the buffer until the value fits: the API truncates silently,
    // answering size - 1 (size - 2 for lists of names) when it did.
    for (DWORD size = 4096;; size *= 2) {
        CString s;
        char* p = s.GetBuffer(static_cast<int>(size));
        DWORD n = ::GetPrivateProfileStringA(lpszSection, lpszEntry, lpszDefault, p, size, lpszFileName);
        s.ReleaseBuffer(static_cast<int>(n < size ? n : size - 1));
        if (n < size - 2 || size >= (1u << 26)) return s;
    }
}

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
    return AfxGetPrivateProfileString(lpszSection, lpszEntry, lpszDefault, m_pszProfileName);
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
    return WriteProfileString(lpszSection, lpszEntry, AfxEncodeProfileBinary(pData, nBytes));
}
