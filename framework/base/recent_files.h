// The portable side of the recent-file list: the order of its names and the
// short form a long path takes on a menu.
#pragma once

#include "base/cstring.h"

// Puts lpszPathName first among the nSize names, moving it up when it is
// there already (compared without case), the others down; the last falls off.
void AfxRecentFilesAdd(CString* pNames, int nSize, LPCTSTR lpszPathName);
// Takes name nIndex out; the ones after it move up, the last becomes empty.
void AfxRecentFilesRemove(CString* pNames, int nSize, int nIndex);
// lpszPath in at most nMax characters: folders after the drive (or share)
// give way to "..." from the left ("C:\...\dir\file.txt"); when even
// "C:\...\file.txt" is too long, the whole file name (bAtLeastName) or
// nothing.
CString AfxAbbreviatePath(LPCTSTR lpszPath, int nMax, bool bAtLeastName);
