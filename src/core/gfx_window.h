// Window helpers: hit-testing child windows and re-fonting a window tree.
#pragma once

#include "core/gfx_text.h"
#include "win/afxwin.h"

// The first visible child of hWndParent (z-order) whose control id is not
// 0xFFFF and whose window rectangle holds pt (parent client coordinates).
HWND GfxChildWindowFromPoint(HWND hWndParent, POINT pt);

// Gives pWnd and its children pFont and rescales them by the ratio of the new
// font's average character width and line height to the old ones, keeping
// pWnd's centre.
void GfxChangeWindowFont(CWnd* pWnd, CFont* pFont);
