// The window-message entries of message maps (ON_WM_*), each with the
// handler name and signature the framework's CWnd declares; CWnd's own
// handlers pass the message on (Default), so a derived class that handles a
// message can call its base class's handler.
#pragma once

#ifndef WM_MOUSEHWHEEL
#define WM_MOUSEHWHEEL 0x020E
#endif

#define ON_WM_CREATE() \
    AFX_MSG_RESULT(WM_CREATE, AFX_HANDLER_OF(ON_WM_CREATE, int (ThisClass::*)(LPCREATESTRUCT), OnCreate)((LPCREATESTRUCT)lParam))
#define ON_WM_NCCREATE() \
    AFX_MSG_RESULT(WM_NCCREATE, AFX_HANDLER_OF(ON_WM_NCCREATE, BOOL (ThisClass::*)(LPCREATESTRUCT), OnNcCreate)((LPCREATESTRUCT)lParam))
#define ON_WM_DESTROY() AFX_MSG_VOID(WM_DESTROY, AFX_HANDLER_OF(ON_WM_DESTROY, void (ThisClass::*)(), OnDestroy)())
#define ON_WM_NCDESTROY() \
    AFX_MSG_VOID(WM_NCDESTROY, AFX_HANDLER_OF(ON_WM_NCDESTROY, void (ThisClass::*)(), OnNcDestroy)())
#define ON_WM_CLOSE() AFX_MSG_VOID(WM_CLOSE, AFX_HANDLER_OF(ON_WM_CLOSE, void (ThisClass::*)(), OnClose)())
#define ON_WM_QUERYENDSESSION() \
    AFX_MSG_RESULT(WM_QUERYENDSESSION, AFX_HANDLER_OF(ON_WM_QUERYENDSESSION, BOOL (ThisClass::*)(), OnQueryEndSession)())
#define ON_WM_ENDSESSION() \
    AFX_MSG_VOID(WM_ENDSESSION, AFX_HANDLER_OF(ON_WM_ENDSESSION, void (ThisClass::*)(BOOL), OnEndSession)((BOOL)wParam))
#define ON_WM_QUERYOPEN() \
    AFX_MSG_RESULT(WM_QUERYOPEN, AFX_HANDLER_OF(ON_WM_QUERYOPEN, BOOL (ThisClass::*)(), OnQueryOpen)())
#define ON_WM_PAINT() AFX_MSG_VOID(WM_PAINT, AFX_HANDLER_OF(ON_WM_PAINT, void (ThisClass::*)(), OnPaint)())
#define ON_WM_NCPAINT() AFX_MSG_VOID(WM_NCPAINT, AFX_HANDLER_OF(ON_WM_NCPAINT, void (ThisClass::*)(), OnNcPaint)())
#define ON_WM_ERASEBKGND() \
    AFX_MSG_RESULT(WM_ERASEBKGND, AFX_HANDLER_OF(ON_WM_ERASEBKGND, BOOL (ThisClass::*)(CDC*), OnEraseBkgnd)(CDC::FromHandle((HDC)wParam)))
#define ON_WM_ICONERASEBKGND() \
    AFX_MSG_VOID(WM_ICONERASEBKGND, AFX_HANDLER_OF(ON_WM_ICONERASEBKGND, void (ThisClass::*)(CDC*), OnIconEraseBkgnd)(CDC::FromHandle((HDC)wParam)))
#define ON_WM_QUERYDRAGICON() \
    AFX_MSG_RESULT(WM_QUERYDRAGICON, AFX_HANDLER_OF(ON_WM_QUERYDRAGICON, HCURSOR (ThisClass::*)(), OnQueryDragIcon)())
#define ON_WM_SYSCOLORCHANGE() \
    AFX_MSG_VOID(WM_SYSCOLORCHANGE, AFX_HANDLER_OF(ON_WM_SYSCOLORCHANGE, void (ThisClass::*)(), OnSysColorChange)())
#define ON_WM_PALETTECHANGED() \
    AFX_MSG_VOID(WM_PALETTECHANGED, AFX_HANDLER_OF(ON_WM_PALETTECHANGED, void (ThisClass::*)(CWnd*), OnPaletteChanged)(AFX_WND(wParam)))
#define ON_WM_PALETTEISCHANGING() \
    AFX_MSG_VOID(WM_PALETTEISCHANGING, AFX_HANDLER_OF(ON_WM_PALETTEISCHANGING, void (ThisClass::*)(CWnd*), OnPaletteIsChanging)(AFX_WND(wParam)))
#define ON_WM_QUERYNEWPALETTE() \
    AFX_MSG_RESULT(WM_QUERYNEWPALETTE, AFX_HANDLER_OF(ON_WM_QUERYNEWPALETTE, BOOL (ThisClass::*)(), OnQueryNewPalette)())
#define ON_WM_THEMECHANGED() \
    AFX_MSG_RESULT(WM_THEMECHANGED, AFX_HANDLER_OF(ON_WM_THEMECHANGED, LRESULT (ThisClass::*)(), OnThemeChanged)())
#define ON_WM_TIMER() \
    AFX_MSG_VOID(WM_TIMER, AFX_HANDLER_OF(ON_WM_TIMER, void (ThisClass::*)(UINT_PTR), OnTimer)((UINT_PTR)wParam))
#define ON_WM_SIZE() \
    AFX_MSG_VOID(WM_SIZE, AFX_HANDLER_OF(ON_WM_SIZE, void (ThisClass::*)(UINT, int, int), OnSize)((UINT)wParam, (short)LOWORD(lParam), (short)HIWORD(lParam)))
#define ON_WM_SIZING() \
    AFX_MSG_VOID(WM_SIZING, AFX_HANDLER_OF(ON_WM_SIZING, void (ThisClass::*)(UINT, LPRECT), OnSizing)((UINT)wParam, (LPRECT)lParam))
#define ON_WM_MOVE() \
    AFX_MSG_VOID(WM_MOVE, AFX_HANDLER_OF(ON_WM_MOVE, void (ThisClass::*)(int, int), OnMove)((short)LOWORD(lParam), (short)HIWORD(lParam)))
#define ON_WM_MOVING() \
    AFX_MSG_VOID(WM_MOVING, AFX_HANDLER_OF(ON_WM_MOVING, void (ThisClass::*)(UINT, LPRECT), OnMoving)((UINT)wParam, (LPRECT)lParam))
#define ON_WM_ENTERSIZEMOVE() \
    AFX_MSG_VOID(WM_ENTERSIZEMOVE, AFX_HANDLER_OF(ON_WM_ENTERSIZEMOVE, void (ThisClass::*)(), OnEnterSizeMove)())
#define ON_WM_EXITSIZEMOVE() \
    AFX_MSG_VOID(WM_EXITSIZEMOVE, AFX_HANDLER_OF(ON_WM_EXITSIZEMOVE, void (ThisClass::*)(), OnExitSizeMove)())
#define ON_WM_SHOWWINDOW() \
    AFX_MSG_VOID(WM_SHOWWINDOW, AFX_HANDLER_OF(ON_WM_SHOWWINDOW, void (ThisClass::*)(BOOL, UINT), OnShowWindow)((BOOL)wParam, (UINT)lParam))
#define ON_WM_ENABLE() \
    AFX_MSG_VOID(WM_ENABLE, AFX_HANDLER_OF(ON_WM_ENABLE, void (ThisClass::*)(BOOL), OnEnable)((BOOL)wParam))
#define ON_WM_WINDOWPOSCHANGING() \
    AFX_MSG_VOID(WM_WINDOWPOSCHANGING, AFX_HANDLER_OF(ON_WM_WINDOWPOSCHANGING, void (ThisClass::*)(WINDOWPOS*), OnWindowPosChanging)((WINDOWPOS*)lParam))
#define ON_WM_WINDOWPOSCHANGED() \
    AFX_MSG_VOID(WM_WINDOWPOSCHANGED, AFX_HANDLER_OF(ON_WM_WINDOWPOSCHANGED, void (ThisClass::*)(WINDOWPOS*), OnWindowPosChanged)((WINDOWPOS*)lParam))
#define ON_WM_GETMINMAXINFO() \
    AFX_MSG_VOID(WM_GETMINMAXINFO, AFX_HANDLER_OF(ON_WM_GETMINMAXINFO, void (ThisClass::*)(MINMAXINFO*), OnGetMinMaxInfo)((MINMAXINFO*)lParam))
#define ON_WM_STYLECHANGED() \
    AFX_MSG_VOID(WM_STYLECHANGED, AFX_HANDLER_OF(ON_WM_STYLECHANGED, void (ThisClass::*)(int, LPSTYLESTRUCT), OnStyleChanged)((int)wParam, (LPSTYLESTRUCT)lParam))
#define ON_WM_STYLECHANGING() \
    AFX_MSG_VOID(WM_STYLECHANGING, AFX_HANDLER_OF(ON_WM_STYLECHANGING, void (ThisClass::*)(int, LPSTYLESTRUCT), OnStyleChanging)((int)wParam, (LPSTYLESTRUCT)lParam))
#define ON_WM_CHILDACTIVATE() \
    AFX_MSG_VOID(WM_CHILDACTIVATE, AFX_HANDLER_OF(ON_WM_CHILDACTIVATE, void (ThisClass::*)(), OnChildActivate)())
#define ON_WM_NCCALCSIZE() \
    AFX_MSG_VOID(WM_NCCALCSIZE, AFX_HANDLER_OF(ON_WM_NCCALCSIZE, void (ThisClass::*)(BOOL, NCCALCSIZE_PARAMS*), OnNcCalcSize)((BOOL)wParam, (NCCALCSIZE_PARAMS*)lParam))
#define ON_WM_NCHITTEST() \
    AFX_MSG_RESULT(WM_NCHITTEST, AFX_HANDLER_OF(ON_WM_NCHITTEST, LRESULT (ThisClass::*)(CPoint), OnNcHitTest)(AFX_PT(lParam)))
#define ON_WM_NCACTIVATE() \
    AFX_MSG_RESULT(WM_NCACTIVATE, AFX_HANDLER_OF(ON_WM_NCACTIVATE, BOOL (ThisClass::*)(BOOL), OnNcActivate)((BOOL)wParam))
#define ON_WM_NCLBUTTONDOWN() \
    AFX_MSG_VOID(WM_NCLBUTTONDOWN, AFX_HANDLER_OF(ON_WM_NCLBUTTONDOWN, void (ThisClass::*)(UINT, CPoint), OnNcLButtonDown)((UINT)wParam, AFX_PT(lParam)))
#define ON_WM_NCLBUTTONUP() \
    AFX_MSG_VOID(WM_NCLBUTTONUP, AFX_HANDLER_OF(ON_WM_NCLBUTTONUP, void (ThisClass::*)(UINT, CPoint), OnNcLButtonUp)((UINT)wParam, AFX_PT(lParam)))
#define ON_WM_NCLBUTTONDBLCLK() \
    AFX_MSG_VOID(WM_NCLBUTTONDBLCLK, AFX_HANDLER_OF(ON_WM_NCLBUTTONDBLCLK, void (ThisClass::*)(UINT, CPoint), OnNcLButtonDblClk)((UINT)wParam, AFX_PT(lParam)))
#define ON_WM_NCRBUTTONDOWN() \
    AFX_MSG_VOID(WM_NCRBUTTONDOWN, AFX_HANDLER_OF(ON_WM_NCRBUTTONDOWN, void (ThisClass::*)(UINT, CPoint), OnNcRButtonDown)((UINT)wParam, AFX_PT(lParam)))
#define ON_WM_NCRBUTTONUP() \
    AFX_MSG_VOID(WM_NCRBUTTONUP, AFX_HANDLER_OF(ON_WM_NCRBUTTONUP, void (ThisClass::*)(UINT, CPoint), OnNcRButtonUp)((UINT)wParam, AFX_PT(lParam)))
#define ON_WM_NCRBUTTONDBLCLK() \
    AFX_MSG_VOID(WM_NCRBUTTONDBLCLK, AFX_HANDLER_OF(ON_WM_NCRBUTTONDBLCLK, void (ThisClass::*)(UINT, CPoint), OnNcRButtonDblClk)((UINT)wParam, AFX_PT(lParam)))
#define ON_WM_NCMBUTTONDOWN() \
    AFX_MSG_VOID(WM_NCMBUTTONDOWN, AFX_HANDLER_OF(ON_WM_NCMBUTTONDOWN, void (ThisClass::*)(UINT, CPoint), OnNcMButtonDown)((UINT)wParam, AFX_PT(lParam)))
#define ON_WM_NCMBUTTONUP() \
    AFX_MSG_VOID(WM_NCMBUTTONUP, AFX_HANDLER_OF(ON_WM_NCMBUTTONUP, void (ThisClass::*)(UINT, CPoint), OnNcMButtonUp)((UINT)wParam, AFX_PT(lParam)))
#define ON_WM_NCMBUTTONDBLCLK() \
    AFX_MSG_VOID(WM_NCMBUTTONDBLCLK, AFX_HANDLER_OF(ON_WM_NCMBUTTONDBLCLK, void (ThisClass::*)(UINT, CPoint), OnNcMButtonDblClk)((UINT)wParam, AFX_PT(lParam)))
#define ON_WM_NCMOUSEMOVE() \
    AFX_MSG_VOID(WM_NCMOUSEMOVE, AFX_HANDLER_OF(ON_WM_NCMOUSEMOVE, void (ThisClass::*)(UINT, CPoint), OnNcMouseMove)((UINT)wParam, AFX_PT(lParam)))
#define ON_WM_NCMOUSEHOVER() \
    AFX_MSG_VOID(WM_NCMOUSEHOVER, AFX_HANDLER_OF(ON_WM_NCMOUSEHOVER, void (ThisClass::*)(UINT, CPoint), OnNcMouseHover)((UINT)wParam, AFX_PT(lParam)))
#define ON_WM_NCMOUSELEAVE() \
    AFX_MSG_VOID(WM_NCMOUSELEAVE, AFX_HANDLER_OF(ON_WM_NCMOUSELEAVE, void (ThisClass::*)(), OnNcMouseLeave)())
#define ON_WM_ACTIVATE() \
    AFX_MSG_VOID(WM_ACTIVATE, AFX_HANDLER_OF(ON_WM_ACTIVATE, void (ThisClass::*)(UINT, CWnd*, BOOL), OnActivate)((UINT)LOWORD(wParam), AFX_WND(lParam), (BOOL)HIWORD(wParam)))
#define ON_WM_ACTIVATEAPP() \
    AFX_MSG_VOID(WM_ACTIVATEAPP, AFX_HANDLER_OF(ON_WM_ACTIVATEAPP, void (ThisClass::*)(BOOL, DWORD), OnActivateApp)((BOOL)wParam, (DWORD)lParam))
#define ON_WM_MOUSEACTIVATE() \
    AFX_MSG_RESULT(WM_MOUSEACTIVATE, AFX_HANDLER_OF(ON_WM_MOUSEACTIVATE, int (ThisClass::*)(CWnd*, UINT, UINT), OnMouseActivate)(AFX_WND(wParam), (UINT)LOWORD(lParam), (UINT)HIWORD(lParam)))
#define ON_WM_MDIACTIVATE() \
    AFX_MSG_VOID(WM_MDIACTIVATE, AFX_HANDLER_OF(ON_WM_MDIACTIVATE, void (ThisClass::*)(BOOL, CWnd*, CWnd*), OnMDIActivate)((HWND)lParam == self->m_hWnd, AFX_WND(lParam), AFX_WND(wParam)))
#define ON_WM_SETFOCUS() \
    AFX_MSG_VOID(WM_SETFOCUS, AFX_HANDLER_OF(ON_WM_SETFOCUS, void (ThisClass::*)(CWnd*), OnSetFocus)(AFX_WND(wParam)))
#define ON_WM_KILLFOCUS() \
    AFX_MSG_VOID(WM_KILLFOCUS, AFX_HANDLER_OF(ON_WM_KILLFOCUS, void (ThisClass::*)(CWnd*), OnKillFocus)(AFX_WND(wParam)))
#define ON_WM_CAPTURECHANGED() \
    AFX_MSG_VOID(WM_CAPTURECHANGED, AFX_HANDLER_OF(ON_WM_CAPTURECHANGED, void (ThisClass::*)(CWnd*), OnCaptureChanged)(AFX_WND(lParam)))
#define ON_WM_CANCELMODE() \
    AFX_MSG_VOID(WM_CANCELMODE, AFX_HANDLER_OF(ON_WM_CANCELMODE, void (ThisClass::*)(), OnCancelMode)())
#define ON_WM_GETDLGCODE() \
    AFX_MSG_RESULT(WM_GETDLGCODE, AFX_HANDLER_OF(ON_WM_GETDLGCODE, UINT (ThisClass::*)(), OnGetDlgCode)())
#define ON_WM_CHANGEUISTATE() \
    AFX_MSG_VOID(WM_CHANGEUISTATE, AFX_HANDLER_OF(ON_WM_CHANGEUISTATE, void (ThisClass::*)(UINT, UINT), OnChangeUIState)((UINT)LOWORD(wParam), (UINT)HIWORD(wParam)))
#define ON_WM_UPDATEUISTATE() \
    AFX_MSG_VOID(WM_UPDATEUISTATE, AFX_HANDLER_OF(ON_WM_UPDATEUISTATE, void (ThisClass::*)(UINT, UINT), OnUpdateUIState)((UINT)LOWORD(wParam), (UINT)HIWORD(wParam)))
#define ON_WM_QUERYUISTATE() \
    AFX_MSG_RESULT(WM_QUERYUISTATE, AFX_HANDLER_OF(ON_WM_QUERYUISTATE, UINT (ThisClass::*)(), OnQueryUIState)())
#define ON_WM_SETTINGCHANGE() \
    AFX_MSG_VOID(WM_SETTINGCHANGE, AFX_HANDLER_OF(ON_WM_SETTINGCHANGE, void (ThisClass::*)(UINT, LPCTSTR), OnSettingChange)((UINT)wParam, (LPCTSTR)lParam))
#define ON_WM_WININICHANGE() \
    AFX_MSG_VOID(WM_WININICHANGE, AFX_HANDLER_OF(ON_WM_WININICHANGE, void (ThisClass::*)(LPCTSTR), OnWinIniChange)((LPCTSTR)lParam))
#define ON_WM_DEVMODECHANGE() \
    AFX_MSG_VOID(WM_DEVMODECHANGE, AFX_HANDLER_OF(ON_WM_DEVMODECHANGE, void (ThisClass::*)(LPTSTR), OnDevModeChange)((LPTSTR)lParam))
#define ON_WM_FONTCHANGE() \
    AFX_MSG_VOID(WM_FONTCHANGE, AFX_HANDLER_OF(ON_WM_FONTCHANGE, void (ThisClass::*)(), OnFontChange)())
#define ON_WM_TIMECHANGE() \
    AFX_MSG_VOID(WM_TIMECHANGE, AFX_HANDLER_OF(ON_WM_TIMECHANGE, void (ThisClass::*)(), OnTimeChange)())
#define ON_WM_COMPACTING() \
    AFX_MSG_VOID(WM_COMPACTING, AFX_HANDLER_OF(ON_WM_COMPACTING, void (ThisClass::*)(UINT), OnCompacting)((UINT)wParam))
#define ON_WM_DEVICECHANGE() \
    AFX_MSG_RESULT(WM_DEVICECHANGE, AFX_HANDLER_OF(ON_WM_DEVICECHANGE, BOOL (ThisClass::*)(UINT, DWORD_PTR), OnDeviceChange)((UINT)wParam, (DWORD_PTR)lParam))
#define ON_WM_POWERBROADCAST() \
    AFX_MSG_RESULT(WM_POWERBROADCAST, AFX_HANDLER_OF(ON_WM_POWERBROADCAST, UINT (ThisClass::*)(UINT, LPARAM), OnPowerBroadcast)((UINT)wParam, lParam))
#define ON_WM_SYSCOMMAND() \
    AFX_MSG_VOID(WM_SYSCOMMAND, AFX_HANDLER_OF(ON_WM_SYSCOMMAND, void (ThisClass::*)(UINT, LPARAM), OnSysCommand)((UINT)wParam, lParam))
#define ON_WM_TCARD() \
    AFX_MSG_VOID(WM_TCARD, AFX_HANDLER_OF(ON_WM_TCARD, void (ThisClass::*)(UINT, DWORD), OnTCard)((UINT)wParam, (DWORD)lParam))
#define ON_WM_HELPINFO() \
    AFX_MSG_RESULT(WM_HELP, AFX_HANDLER_OF(ON_WM_HELPINFO, BOOL (ThisClass::*)(HELPINFO*), OnHelpInfo)((HELPINFO*)lParam))
#define ON_WM_COPYDATA() \
    AFX_MSG_RESULT(WM_COPYDATA, AFX_HANDLER_OF(ON_WM_COPYDATA, BOOL (ThisClass::*)(CWnd*, COPYDATASTRUCT*), OnCopyData)(AFX_WND(wParam), (COPYDATASTRUCT*)lParam))
#define ON_WM_DROPFILES() \
    AFX_MSG_VOID(WM_DROPFILES, AFX_HANDLER_OF(ON_WM_DROPFILES, void (ThisClass::*)(HDROP), OnDropFiles)((HDROP)wParam))
#define ON_WM_ENTERIDLE() \
    AFX_MSG_VOID(WM_ENTERIDLE, AFX_HANDLER_OF(ON_WM_ENTERIDLE, void (ThisClass::*)(UINT, CWnd*), OnEnterIdle)((UINT)wParam, AFX_WND(lParam)))
#define ON_WM_PARENTNOTIFY() \
    AFX_MSG_VOID(WM_PARENTNOTIFY, AFX_HANDLER_OF(ON_WM_PARENTNOTIFY, void (ThisClass::*)(UINT, LPARAM), OnParentNotify)((UINT)wParam, lParam))
#define ON_WM_APPCOMMAND() \
    AFX_MSG_TRUE(WM_APPCOMMAND, AFX_HANDLER_OF(ON_WM_APPCOMMAND, void (ThisClass::*)(CWnd*, UINT, UINT, UINT), OnAppCommand)(AFX_WND(wParam), (UINT)GET_APPCOMMAND_LPARAM(lParam), (UINT)GET_DEVICE_LPARAM(lParam), (UINT)GET_KEYSTATE_LPARAM(lParam)))
#define ON_WM_LBUTTONDOWN() \
    AFX_MSG_VOID(WM_LBUTTONDOWN, AFX_HANDLER_OF(ON_WM_LBUTTONDOWN, void (ThisClass::*)(UINT, CPoint), OnLButtonDown)((UINT)wParam, AFX_PT(lParam)))
#define ON_WM_LBUTTONUP() \
    AFX_MSG_VOID(WM_LBUTTONUP, AFX_HANDLER_OF(ON_WM_LBUTTONUP, void (ThisClass::*)(UINT, CPoint), OnLButtonUp)((UINT)wParam, AFX_PT(lParam)))
#define ON_WM_LBUTTONDBLCLK() \
    AFX_MSG_VOID(WM_LBUTTONDBLCLK, AFX_HANDLER_OF(ON_WM_LBUTTONDBLCLK, void (ThisClass::*)(UINT, CPoint), OnLButtonDblClk)((UINT)wParam, AFX_PT(lParam)))
#define ON_WM_RBUTTONDOWN() \
    AFX_MSG_VOID(WM_RBUTTONDOWN, AFX_HANDLER_OF(ON_WM_RBUTTONDOWN, void (ThisClass::*)(UINT, CPoint), OnRButtonDown)((UINT)wParam, AFX_PT(lParam)))
#define ON_WM_RBUTTONUP() \
    AFX_MSG_VOID(WM_RBUTTONUP, AFX_HANDLER_OF(ON_WM_RBUTTONUP, void (ThisClass::*)(UINT, CPoint), OnRButtonUp)((UINT)wParam, AFX_PT(lParam)))
#define ON_WM_RBUTTONDBLCLK() \
    AFX_MSG_VOID(WM_RBUTTONDBLCLK, AFX_HANDLER_OF(ON_WM_RBUTTONDBLCLK, void (ThisClass::*)(UINT, CPoint), OnRButtonDblClk)((UINT)wParam, AFX_PT(lParam)))
#define ON_WM_MBUTTONDOWN() \
    AFX_MSG_VOID(WM_MBUTTONDOWN, AFX_HANDLER_OF(ON_WM_MBUTTONDOWN, void (ThisClass::*)(UINT, CPoint), OnMButtonDown)((UINT)wParam, AFX_PT(lParam)))
#define ON_WM_MBUTTONUP() \
    AFX_MSG_VOID(WM_MBUTTONUP, AFX_HANDLER_OF(ON_WM_MBUTTONUP, void (ThisClass::*)(UINT, CPoint), OnMButtonUp)((UINT)wParam, AFX_PT(lParam)))
#define ON_WM_MBUTTONDBLCLK() \
    AFX_MSG_VOID(WM_MBUTTONDBLCLK, AFX_HANDLER_OF(ON_WM_MBUTTONDBLCLK, void (ThisClass::*)(UINT, CPoint), OnMButtonDblClk)((UINT)wParam, AFX_PT(lParam)))
#define ON_WM_XBUTTONDOWN() \
    AFX_MSG_TRUE(WM_XBUTTONDOWN, AFX_HANDLER_OF(ON_WM_XBUTTONDOWN, void (ThisClass::*)(UINT, UINT, CPoint), OnXButtonDown)((UINT)GET_KEYSTATE_WPARAM(wParam), (UINT)GET_XBUTTON_WPARAM(wParam), AFX_PT(lParam)))
#define ON_WM_XBUTTONUP() \
    AFX_MSG_TRUE(WM_XBUTTONUP, AFX_HANDLER_OF(ON_WM_XBUTTONUP, void (ThisClass::*)(UINT, UINT, CPoint), OnXButtonUp)((UINT)GET_KEYSTATE_WPARAM(wParam), (UINT)GET_XBUTTON_WPARAM(wParam), AFX_PT(lParam)))
#define ON_WM_XBUTTONDBLCLK() \
    AFX_MSG_TRUE(WM_XBUTTONDBLCLK, AFX_HANDLER_OF(ON_WM_XBUTTONDBLCLK, void (ThisClass::*)(UINT, UINT, CPoint), OnXButtonDblClk)((UINT)GET_KEYSTATE_WPARAM(wParam), (UINT)GET_XBUTTON_WPARAM(wParam), AFX_PT(lParam)))
#define ON_WM_MOUSEMOVE() \
    AFX_MSG_VOID(WM_MOUSEMOVE, AFX_HANDLER_OF(ON_WM_MOUSEMOVE, void (ThisClass::*)(UINT, CPoint), OnMouseMove)((UINT)wParam, AFX_PT(lParam)))
#define ON_WM_MOUSEHOVER() \
    AFX_MSG_VOID(WM_MOUSEHOVER, AFX_HANDLER_OF(ON_WM_MOUSEHOVER, void (ThisClass::*)(UINT, CPoint), OnMouseHover)((UINT)wParam, AFX_PT(lParam)))
#define ON_WM_MOUSELEAVE() \
    AFX_MSG_VOID(WM_MOUSELEAVE, AFX_HANDLER_OF(ON_WM_MOUSELEAVE, void (ThisClass::*)(), OnMouseLeave)())
#define ON_WM_MOUSEWHEEL() \
    AFX_MSG_RESULT(WM_MOUSEWHEEL, AFX_HANDLER_OF(ON_WM_MOUSEWHEEL, BOOL (ThisClass::*)(UINT, short, CPoint), OnMouseWheel)((UINT)LOWORD(wParam), (short)HIWORD(wParam), AFX_PT(lParam)))
#define ON_WM_MOUSEHWHEEL() \
    AFX_MSG_VOID(WM_MOUSEHWHEEL, AFX_HANDLER_OF(ON_WM_MOUSEHWHEEL, void (ThisClass::*)(UINT, short, CPoint), OnMouseHWheel)((UINT)LOWORD(wParam), (short)HIWORD(wParam), AFX_PT(lParam)))
#define ON_WM_SETCURSOR() \
    AFX_MSG_RESULT(WM_SETCURSOR, AFX_HANDLER_OF(ON_WM_SETCURSOR, BOOL (ThisClass::*)(CWnd*, UINT, UINT), OnSetCursor)(AFX_WND(wParam), (UINT)LOWORD(lParam), (UINT)HIWORD(lParam)))
#define ON_WM_CONTEXTMENU() \
    AFX_MSG_VOID(WM_CONTEXTMENU, AFX_HANDLER_OF(ON_WM_CONTEXTMENU, void (ThisClass::*)(CWnd*, CPoint), OnContextMenu)(AFX_WND(wParam), AFX_PT(lParam)))
#define ON_WM_KEYDOWN() \
    AFX_MSG_VOID(WM_KEYDOWN, AFX_HANDLER_OF(ON_WM_KEYDOWN, void (ThisClass::*)(UINT, UINT, UINT), OnKeyDown)((UINT)wParam, (UINT)LOWORD(lParam), (UINT)HIWORD(lParam)))
#define ON_WM_KEYUP() \
    AFX_MSG_VOID(WM_KEYUP, AFX_HANDLER_OF(ON_WM_KEYUP, void (ThisClass::*)(UINT, UINT, UINT), OnKeyUp)((UINT)wParam, (UINT)LOWORD(lParam), (UINT)HIWORD(lParam)))
#define ON_WM_CHAR() \
    AFX_MSG_VOID(WM_CHAR, AFX_HANDLER_OF(ON_WM_CHAR, void (ThisClass::*)(UINT, UINT, UINT), OnChar)((UINT)wParam, (UINT)LOWORD(lParam), (UINT)HIWORD(lParam)))
#define ON_WM_DEADCHAR() \
    AFX_MSG_VOID(WM_DEADCHAR, AFX_HANDLER_OF(ON_WM_DEADCHAR, void (ThisClass::*)(UINT, UINT, UINT), OnDeadChar)((UINT)wParam, (UINT)LOWORD(lParam), (UINT)HIWORD(lParam)))
#define ON_WM_SYSKEYDOWN() \
    AFX_MSG_VOID(WM_SYSKEYDOWN, AFX_HANDLER_OF(ON_WM_SYSKEYDOWN, void (ThisClass::*)(UINT, UINT, UINT), OnSysKeyDown)((UINT)wParam, (UINT)LOWORD(lParam), (UINT)HIWORD(lParam)))
#define ON_WM_SYSKEYUP() \
    AFX_MSG_VOID(WM_SYSKEYUP, AFX_HANDLER_OF(ON_WM_SYSKEYUP, void (ThisClass::*)(UINT, UINT, UINT), OnSysKeyUp)((UINT)wParam, (UINT)LOWORD(lParam), (UINT)HIWORD(lParam)))
#define ON_WM_SYSCHAR() \
    AFX_MSG_VOID(WM_SYSCHAR, AFX_HANDLER_OF(ON_WM_SYSCHAR, void (ThisClass::*)(UINT, UINT, UINT), OnSysChar)((UINT)wParam, (UINT)LOWORD(lParam), (UINT)HIWORD(lParam)))
#define ON_WM_SYSDEADCHAR() \
    AFX_MSG_VOID(WM_SYSDEADCHAR, AFX_HANDLER_OF(ON_WM_SYSDEADCHAR, void (ThisClass::*)(UINT, UINT, UINT), OnSysDeadChar)((UINT)wParam, (UINT)LOWORD(lParam), (UINT)HIWORD(lParam)))
#define ON_WM_HSCROLL() \
    AFX_MSG_VOID(WM_HSCROLL, AFX_HANDLER_OF(ON_WM_HSCROLL, void (ThisClass::*)(UINT, UINT, CScrollBar*), OnHScroll)((UINT)LOWORD(wParam), (UINT)(short)HIWORD(wParam), (CScrollBar*)AFX_WND(lParam)))
#define ON_WM_VSCROLL() \
    AFX_MSG_VOID(WM_VSCROLL, AFX_HANDLER_OF(ON_WM_VSCROLL, void (ThisClass::*)(UINT, UINT, CScrollBar*), OnVScroll)((UINT)LOWORD(wParam), (UINT)(short)HIWORD(wParam), (CScrollBar*)AFX_WND(lParam)))
#define ON_WM_INITMENU() \
    AFX_MSG_VOID(WM_INITMENU, AFX_HANDLER_OF(ON_WM_INITMENU, void (ThisClass::*)(CMenu*), OnInitMenu)(CMenu::FromHandle((HMENU)wParam)))
#define ON_WM_INITMENUPOPUP() \
    AFX_MSG_VOID(WM_INITMENUPOPUP, AFX_HANDLER_OF(ON_WM_INITMENUPOPUP, void (ThisClass::*)(CMenu*, UINT, BOOL), OnInitMenuPopup)(CMenu::FromHandle((HMENU)wParam), (UINT)LOWORD(lParam), (BOOL)HIWORD(lParam)))
#define ON_WM_UNINITMENUPOPUP() \
    AFX_MSG_VOID(WM_UNINITMENUPOPUP, AFX_HANDLER_OF(ON_WM_UNINITMENUPOPUP, void (ThisClass::*)(CMenu*, UINT), OnUnInitMenuPopup)(CMenu::FromHandle((HMENU)wParam), (UINT)HIWORD(lParam)))
#define ON_WM_MENUCHAR() \
    AFX_MSG_RESULT(WM_MENUCHAR, AFX_HANDLER_OF(ON_WM_MENUCHAR, LRESULT (ThisClass::*)(UINT, UINT, CMenu*), OnMenuChar)((UINT)LOWORD(wParam), (UINT)HIWORD(wParam), CMenu::FromHandle((HMENU)lParam)))
#define ON_WM_MENUSELECT() \
    AFX_MSG_VOID(WM_MENUSELECT, AFX_HANDLER_OF(ON_WM_MENUSELECT, void (ThisClass::*)(UINT, UINT, HMENU), OnMenuSelect)((UINT)LOWORD(wParam), (UINT)HIWORD(wParam), (HMENU)lParam))
#define ON_WM_MENURBUTTONUP() \
    AFX_MSG_VOID(WM_MENURBUTTONUP, AFX_HANDLER_OF(ON_WM_MENURBUTTONUP, void (ThisClass::*)(UINT, CMenu*), OnMenuRButtonUp)((UINT)wParam, CMenu::FromHandle((HMENU)lParam)))
#define ON_WM_ENTERMENULOOP() \
    AFX_MSG_VOID(WM_ENTERMENULOOP, AFX_HANDLER_OF(ON_WM_ENTERMENULOOP, void (ThisClass::*)(BOOL), OnEnterMenuLoop)((BOOL)wParam))
#define ON_WM_EXITMENULOOP() \
    AFX_MSG_VOID(WM_EXITMENULOOP, AFX_HANDLER_OF(ON_WM_EXITMENULOOP, void (ThisClass::*)(BOOL), OnExitMenuLoop)((BOOL)wParam))
#define ON_WM_NEXTMENU() \
    AFX_MSG_VOID(WM_NEXTMENU, AFX_HANDLER_OF(ON_WM_NEXTMENU, void (ThisClass::*)(UINT, LPMDINEXTMENU), OnNextMenu)((UINT)wParam, (LPMDINEXTMENU)lParam))
#define ON_WM_DRAWITEM() \
    AFX_MSG_VOID(WM_DRAWITEM, AFX_HANDLER_OF(ON_WM_DRAWITEM, void (ThisClass::*)(int, LPDRAWITEMSTRUCT), OnDrawItem)((int)wParam, (LPDRAWITEMSTRUCT)lParam))
#define ON_WM_MEASUREITEM() \
    AFX_MSG_VOID(WM_MEASUREITEM, AFX_HANDLER_OF(ON_WM_MEASUREITEM, void (ThisClass::*)(int, LPMEASUREITEMSTRUCT), OnMeasureItem)((int)wParam, (LPMEASUREITEMSTRUCT)lParam))
#define ON_WM_COMPAREITEM() \
    AFX_MSG_RESULT(WM_COMPAREITEM, AFX_HANDLER_OF(ON_WM_COMPAREITEM, int (ThisClass::*)(int, LPCOMPAREITEMSTRUCT), OnCompareItem)((int)wParam, (LPCOMPAREITEMSTRUCT)lParam))
#define ON_WM_DELETEITEM() \
    AFX_MSG_VOID(WM_DELETEITEM, AFX_HANDLER_OF(ON_WM_DELETEITEM, void (ThisClass::*)(int, LPDELETEITEMSTRUCT), OnDeleteItem)((int)wParam, (LPDELETEITEMSTRUCT)lParam))
#define ON_WM_CHARTOITEM() \
    AFX_MSG_RESULT(WM_CHARTOITEM, AFX_HANDLER_OF(ON_WM_CHARTOITEM, int (ThisClass::*)(UINT, CListBox*, UINT), OnCharToItem)((UINT)LOWORD(wParam), (CListBox*)AFX_WND(lParam), (UINT)HIWORD(wParam)))
#define ON_WM_VKEYTOITEM() \
    AFX_MSG_RESULT(WM_VKEYTOITEM, AFX_HANDLER_OF(ON_WM_VKEYTOITEM, int (ThisClass::*)(UINT, CListBox*, UINT), OnVKeyToItem)((UINT)LOWORD(wParam), (CListBox*)AFX_WND(lParam), (UINT)HIWORD(wParam)))
#define ON_WM_ASKCBFORMATNAME() \
    AFX_MSG_VOID(WM_ASKCBFORMATNAME, AFX_HANDLER_OF(ON_WM_ASKCBFORMATNAME, void (ThisClass::*)(UINT, LPTSTR), OnAskCbFormatName)((UINT)wParam, (LPTSTR)lParam))
#define ON_WM_CHANGECBCHAIN() \
    AFX_MSG_VOID(WM_CHANGECBCHAIN, AFX_HANDLER_OF(ON_WM_CHANGECBCHAIN, void (ThisClass::*)(HWND, HWND), OnChangeCbChain)((HWND)wParam, (HWND)lParam))
#define ON_WM_DESTROYCLIPBOARD() \
    AFX_MSG_VOID(WM_DESTROYCLIPBOARD, AFX_HANDLER_OF(ON_WM_DESTROYCLIPBOARD, void (ThisClass::*)(), OnDestroyClipboard)())
#define ON_WM_DRAWCLIPBOARD() \
    AFX_MSG_VOID(WM_DRAWCLIPBOARD, AFX_HANDLER_OF(ON_WM_DRAWCLIPBOARD, void (ThisClass::*)(), OnDrawClipboard)())
#define ON_WM_HSCROLLCLIPBOARD() \
    AFX_MSG_VOID(WM_HSCROLLCLIPBOARD, AFX_HANDLER_OF(ON_WM_HSCROLLCLIPBOARD, void (ThisClass::*)(CWnd*, UINT, UINT), OnHScrollClipboard)(AFX_WND(wParam), (UINT)LOWORD(lParam), (UINT)HIWORD(lParam)))
#define ON_WM_VSCROLLCLIPBOARD() \
    AFX_MSG_VOID(WM_VSCROLLCLIPBOARD, AFX_HANDLER_OF(ON_WM_VSCROLLCLIPBOARD, void (ThisClass::*)(CWnd*, UINT, UINT), OnVScrollClipboard)(AFX_WND(wParam), (UINT)LOWORD(lParam), (UINT)HIWORD(lParam)))
#define ON_WM_PAINTCLIPBOARD() \
    AFX_MSG_VOID(WM_PAINTCLIPBOARD, AFX_HANDLER_OF(ON_WM_PAINTCLIPBOARD, void (ThisClass::*)(CWnd*, HGLOBAL), OnPaintClipboard)(AFX_WND(wParam), (HGLOBAL)lParam))
#define ON_WM_SIZECLIPBOARD() \
    AFX_MSG_VOID(WM_SIZECLIPBOARD, AFX_HANDLER_OF(ON_WM_SIZECLIPBOARD, void (ThisClass::*)(CWnd*, HGLOBAL), OnSizeClipboard)(AFX_WND(wParam), (HGLOBAL)lParam))
#define ON_WM_RENDERFORMAT() \
    AFX_MSG_VOID(WM_RENDERFORMAT, AFX_HANDLER_OF(ON_WM_RENDERFORMAT, void (ThisClass::*)(UINT), OnRenderFormat)((UINT)wParam))
#define ON_WM_RENDERALLFORMATS() \
    AFX_MSG_VOID(WM_RENDERALLFORMATS, AFX_HANDLER_OF(ON_WM_RENDERALLFORMATS, void (ThisClass::*)(), OnRenderAllFormats)())

// All WM_CTLCOLOR* messages arrive as WM_CTLCOLOR with their control type.
#define ON_WM_CTLCOLOR()                                                                                       \
    AFX_MSG_RESULT(WM_CTLCOLOR, AFX_HANDLER_OF(ON_WM_CTLCOLOR, HBRUSH (ThisClass::*)(CDC*, CWnd*, UINT), OnCtlColor)(             \
                                    CDC::FromHandle(((AFX_CTLCOLOR*)lParam)->hDC), AFX_WND(((AFX_CTLCOLOR*)lParam)->hWnd), \
                                    ((AFX_CTLCOLOR*)lParam)->nCtlType))

// Reflected to the child that sent them
#define ON_WM_CTLCOLOR_REFLECT()                                                                                  \
    AFX_MSG_RESULT(WM_REFLECT_BASE + WM_CTLCOLOR, AFX_HANDLER_OF(ON_WM_CTLCOLOR_REFLECT, HBRUSH (ThisClass::*)(CDC*, UINT), CtlColor)(      \
                                                      CDC::FromHandle(((AFX_CTLCOLOR*)lParam)->hDC),              \
                                                      ((AFX_CTLCOLOR*)lParam)->nCtlType))
#define ON_WM_DRAWITEM_REFLECT()                                                                             \
    AFX_ENTRY(WM_REFLECT_BASE + WM_DRAWITEM, 0, 0, 0, AfxSig_msg, nullptr,                                  \
              AFX_HANDLER_OF(ON_WM_DRAWITEM_REFLECT, void (ThisClass::*)(LPDRAWITEMSTRUCT), DrawItem)((LPDRAWITEMSTRUCT)lParam);      \
              *pResult = TRUE; return TRUE;)
#define ON_WM_MEASUREITEM_REFLECT()                                                                          \
    AFX_ENTRY(WM_REFLECT_BASE + WM_MEASUREITEM, 0, 0, 0, AfxSig_msg, nullptr,                               \
              AFX_HANDLER_OF(ON_WM_MEASUREITEM_REFLECT, void (ThisClass::*)(LPMEASUREITEMSTRUCT), MeasureItem)((LPMEASUREITEMSTRUCT)lParam); \
              *pResult = TRUE; return TRUE;)
#define ON_WM_COMPAREITEM_REFLECT()                                                                                \
    AFX_MSG_RESULT(WM_REFLECT_BASE + WM_COMPAREITEM,                                                              \
                   AFX_HANDLER_OF(ON_WM_COMPAREITEM_REFLECT, int (ThisClass::*)(LPCOMPAREITEMSTRUCT), CompareItem)((LPCOMPAREITEMSTRUCT)lParam))
#define ON_WM_DELETEITEM_REFLECT()                                                                            \
    AFX_ENTRY(WM_REFLECT_BASE + WM_DELETEITEM, 0, 0, 0, AfxSig_msg, nullptr,                                 \
              AFX_HANDLER_OF(ON_WM_DELETEITEM_REFLECT, void (ThisClass::*)(LPDELETEITEMSTRUCT), DeleteItem)((LPDELETEITEMSTRUCT)lParam); \
              *pResult = TRUE; return TRUE;)
#define ON_WM_HSCROLL_REFLECT()                                                                     \
    AFX_MSG_VOID(WM_REFLECT_BASE + WM_HSCROLL,                                                     \
                 AFX_HANDLER_OF(ON_WM_HSCROLL_REFLECT, void (ThisClass::*)(UINT, UINT), HScroll)((UINT)LOWORD(wParam), (UINT)(short)HIWORD(wParam)))
#define ON_WM_VSCROLL_REFLECT()                                                                     \
    AFX_MSG_VOID(WM_REFLECT_BASE + WM_VSCROLL,                                                     \
                 AFX_HANDLER_OF(ON_WM_VSCROLL_REFLECT, void (ThisClass::*)(UINT, UINT), VScroll)((UINT)LOWORD(wParam), (UINT)(short)HIWORD(wParam)))
#define ON_WM_PARENTNOTIFY_REFLECT()                                                                 \
    AFX_MSG_VOID(WM_REFLECT_BASE + WM_PARENTNOTIFY,                                                 \
                 AFX_HANDLER_OF(ON_WM_PARENTNOTIFY_REFLECT, void (ThisClass::*)(UINT, LPARAM), ParentNotify)( \
                     (UINT)wParam, lParam))
#define ON_WM_CHARTOITEM_REFLECT()                                                                    \
    AFX_MSG_RESULT(WM_REFLECT_BASE + WM_CHARTOITEM,                                                  \
                   AFX_HANDLER_OF(ON_WM_CHARTOITEM_REFLECT, int (ThisClass::*)(UINT, UINT), CharToItem)( \
                       (UINT)LOWORD(wParam), (UINT)HIWORD(wParam)))
#define ON_WM_VKEYTOITEM_REFLECT()                                                                    \
    AFX_MSG_RESULT(WM_REFLECT_BASE + WM_VKEYTOITEM,                                                  \
                   AFX_HANDLER_OF(ON_WM_VKEYTOITEM_REFLECT, int (ThisClass::*)(UINT, UINT), VKeyToItem)( \
                       (UINT)LOWORD(wParam), (UINT)HIWORD(wParam)))
