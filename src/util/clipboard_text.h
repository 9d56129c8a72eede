// Plain text (CF_TEXT) on the clipboard and back, with the clipboard opened
// for an owner window.
#pragma once

#include "base/cstring.h"

// Empties the clipboard and puts lpszText (null: "") on it as CF_TEXT.
// FALSE when the clipboard cannot be opened or the memory not allocated.
BOOL KXSetClipboardText(HWND hWndOwner, LPCTSTR lpszText);

// The clipboard's CF_TEXT, copied out before the clipboard closes (never
// read past the memory block).  FALSE when there is none or the clipboard
// cannot be opened; strText is then unchanged.
BOOL KXGetClipboardText(HWND hWndOwner, CString& strText);
