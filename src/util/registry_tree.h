// Registry helpers shared by the profile manager and the key wrapper:
// deleting a key with everything below it and listing names.
#pragma once

#include "base/afx.h"

typedef CMap<CString, LPCTSTR, DWORD, DWORD&> CKXValueTypeMap;

namespace kxreg {

// Deletes the subkey lpszSubKey of hParent depth first: the platform refuses
// to delete a key that still has subkeys.
LONG DeleteTree(HKEY hParent, LPCTSTR lpszSubKey);
// Names of the subkeys of hKey; returns how many were added.
int EnumKeyNames(HKEY hKey, CStringArray& arrKeys);
// Value names with their types into the map and/or the names into the
// array; returns how many values were found.
int EnumValueNames(HKEY hKey, CKXValueTypeMap* pValues, CStringArray* pNames);

}  // namespace kxreg
