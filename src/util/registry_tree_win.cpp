#include "util/registry_tree.h"

namespace kxreg {

namespace {
constexpr DWORD kMaxName = 256;  // names of up to 255 characters
}

LONG DeleteTree(HKEY hParent, LPCTSTR lpszSubKey) {
    if (hParent == nullptr || lpszSubKey == nullptr || *lpszSubKey == '\0') return ERROR_INVALID_PARAMETER;
    HKEY hKey = nullptr;
    LONG rc = ::RegOpenKeyExA(hParent, lpszSubKey, 0, KEY_READ | KEY_WRITE, &hKey);
    if (rc != ERROR_SUCCESS) return rc;
    // Always take the first subkey: deleting shifts the indexes down.
    char name[kMaxName];
    for (;;) {
        DWORD len = kMaxName;
        rc = ::RegEnumKeyExA(hKey, 0, name, &len, nullptr, nullptr, nullptr, nullptr);
        if (rc != ERROR_SUCCESS) break;
        rc = DeleteTree(hKey, name);
        if (rc != ERROR_SUCCESS) break;
    }
    ::RegCloseKey(hKey);
    if (rc != ERROR_NO_MORE_ITEMS) return rc;
    return ::RegDeleteKeyA(hParent, lpszSubKey);
}

int EnumKeyNames(HKEY hKey, CStringArray& arrKeys) {
    if (hKey == nullptr) return 0;
    int count = 0;
    char name[kMaxName];
    for (DWORD i = 0;; ++i) {
        DWORD len = kMaxName;
        LONG rc = ::RegEnumKeyExA(hKey, i, name, &len, nullptr, nullptr, nullptr, nullptr);
        if (rc == ERROR_NO_MORE_ITEMS) break;
        if (rc != ERROR_SUCCESS) continue;  // a name too long to take: skip it
        arrKeys.Add(CString(name, static_cast<int>(len)));
        ++count;
    }
    return count;
}

int EnumValueNames(HKEY hKey, CKXValueTypeMap* pValues, CStringArray* pNames) {
    if (hKey == nullptr) return 0;
    int count = 0;
    char name[kMaxName];
    for (DWORD i = 0;; ++i) {
        DWORD len = kMaxName, type = 0;
        LONG rc = ::RegEnumValueA(hKey, i, name, &len, nullptr, &type, nullptr, nullptr);
        if (rc == ERROR_NO_MORE_ITEMS) break;
        if (rc != ERROR_SUCCESS) continue;
        CString s(name, static_cast<int>(len));
        if (pValues) pValues->SetAt(s, type);
        if (pNames) pNames->Add(s);
        ++count;
    }
    return count;
}

}  // namespace kxreg
