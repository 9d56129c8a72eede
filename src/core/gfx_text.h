// Text helpers shared by the controls: menu-mnemonic stripping and the
// path-component walk used by the browse edits.
#pragma once

#include "base/cstring.h"

// Removes every single '&' from a caption; a doubled "&&" (a literal
// ampersand) stays doubled.
void GfxStripMnemonics(CString& strText);

// The text after the first backslash of lpszPath ("C:\dir\file" gives
// "dir\file"), or "" when there is none; null for a null or empty path.
// The result lives in a module-wide buffer of KX_PATH_BUFFER characters that
// the next call overwrites; a longer remainder is cut to fit.
const char* GfxPathFindNextComponent(const char* lpszPath);

constexpr int KX_PATH_BUFFER = 1024;
