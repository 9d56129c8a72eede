// CKXStorage: small operations on compound-file storages (IStorage): sub-
// storages, elements by name and type, copying, and a stream's status.
// Element names are narrow strings, converted with the ANSI code page.
// GfxExist tells whether a file or folder exists.
#pragma once

#include "base/afx.h"

#include <objbase.h>

class CKXStorage {
public:
    // Creates the sub-storage lpszName of pParent.  Unless bKeep is set the
    // interface is released before it is returned: the result then only
    // tells success and must not be used.
    IStorage* CreateStorage(LPCTSTR lpszName, IStorage* pParent,
                            DWORD dwMode = STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, BOOL bKeep = FALSE);
    // Opens the sub-storage; when it is missing and dwMode has STGM_CREATE,
    // creates it.  The caller releases the result.
    IStorage* OpenStorage(LPCTSTR lpszName, IStorage* pParent, DWORD dwMode = STGM_READWRITE | STGM_SHARE_EXCLUSIVE);
    BOOL DestroyElement(LPCTSTR lpszName, IStorage* pStg);
    // Copies every element of pFrom into pTo.
    BOOL CopyStorage(IStorage* pFrom, IStorage* pTo);
    BOOL GetStreamStatus(LPCTSTR lpszName, CFileStatus& rStatus, IStorage* pStg);
    // Sets the stream's size and, where the storage keeps them, its times.
    BOOL SetStreamStatus(LPCTSTR lpszName, const CFileStatus& status, IStorage* pStg);
    // nType is STGTY_STORAGE (1) or STGTY_STREAM (2); names compare without case.
    BOOL FindElement(LPCTSTR lpszName, IStorage* pStg, UINT nType);
    int EnumElementName(CStringArray& arrNames, IStorage* pStg, UINT nType);
    BOOL RenameElement(LPCTSTR lpszOldName, LPCTSTR lpszNewName, IStorage* pStg, UINT nType);
};

BOOL GfxExist(LPCTSTR lpszPath);
