// Pictures of windows for --render: a window's client area, children
// included, captured into a 32-bit DIB and written as a PNG file with WIC's
// encoder; also with a popup menu open over it.
#pragma once

#include "win/afxwin.h"

#include <functional>

// Writes what pWnd's client area shows now, child controls included, to
// lpszPath as PNG.  FALSE if the window could not be captured or written.
BOOL SaveWindowPng(CWnd* pWnd, LPCTSTR lpszPath);

// The same with the pixels of a popup window that lies over it (a
// floating toolbar, say) where they overlap.
BOOL SaveWindowPngWithPopup(CWnd* pWnd, HWND hPopup, LPCTSTR lpszPath);

// The same with the popup menu that openMenu tracks (for example by sending
// a control WM_CONTEXTMENU): openMenu runs the menu's modal loop, the
// picture is taken from inside it once the popup has painted (the popup's
// pixels over the window's where they overlap), and the menu is closed
// again.  FALSE when no popup showed or the file could not be written.
BOOL SaveWindowPngWithMenu(CWnd* pWnd, LPCTSTR lpszPath, const std::function<void()>& openMenu);
