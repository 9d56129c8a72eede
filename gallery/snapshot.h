// Pictures of windows for --render: a window's client area, children
// included, captured into a 32-bit DIB and written as a PNG file with WIC's
// encoder.
#pragma once

#include "win/afxwin.h"

// Writes what pWnd's client area shows now, child controls included, to
// lpszPath as PNG.  FALSE if the window could not be captured or written.
BOOL SaveWindowPng(CWnd* pWnd, LPCTSTR lpszPath);
