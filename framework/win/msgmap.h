// Message maps: static tables that route window messages, commands,
// command-update requests and notifications to typed member functions.
//
//   BEGIN_MESSAGE_MAP(CMyWnd, CWnd)
//       ON_WM_PAINT()
//       ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
//       ON_NOTIFY_REFLECT(NM_CLICK, OnClick)
//   END_MESSAGE_MAP()
//
// Every entry names its handler through a pointer-to-member of the exact
// signature, so a handler with the wrong signature does not compile.  A map
// that finds no entry continues with its base class's map.
#pragma once

#include "base/wintypes.h"

class CCmdTarget;

// Reflected messages are looked up in the child under this offset.
#define WM_REFLECT_BASE 0xBC00
// All WM_CTLCOLOR* messages are routed as this one, with AFX_CTLCOLOR.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif
// Command-routing codes.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))
// Sent by the framework's idle handling to update control bars and the like.
#define WM_IDLEUPDATECMDUI 0x0363
#define WM_INITIALUPDATE 0x0364
// Posted to make the message loop run its idle processing once more.
#define WM_KICKIDLE 0x036A

struct AFX_NOTIFY {
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

struct AFX_CTLCOLOR {
    HWND hWnd;
    HDC hDC;
    UINT nCtlType;
};

// The entry's dispatcher: unpacks the parameters and calls the handler.
// Returns whether the message was handled; *pResult receives the result.
typedef BOOL (*AFX_DISPATCH)(CCmdTarget* pTarget, UINT nMsg, WPARAM wParam, LPARAM lParam, void* pExtra,
                             LRESULT* pResult);

enum AfxSig : UINT { AfxSig_end = 0, AfxSig_msg = 1, AfxSig_cmd = 2, AfxSig_registered = 3 };

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;
    UINT nCode;     // control or notification code
    UINT nID;       // command or control identifier (0 for window messages)
    UINT nLastID;   // last identifier of a range
    UINT nSig;      // AfxSig
    const UINT* pnRegistered;  // ON_REGISTERED_MESSAGE: the variable holding the message number
    AFX_DISPATCH pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                        \
protected:                                           \
    static const AFX_MSGMAP* GetThisMessageMap();    \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                               \
        typedef theClass ThisClass;                                                 \
        typedef baseClass TheBaseClass;                                             \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                         \
    {0, 0, 0, 0, AfxSig_end, nullptr, nullptr}                                   \
    }                                                                             \
    ;                                                                             \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
    return &messageMap;                                                           \
    }

// --- building blocks ---------------------------------------------------------

// The handler, checked against its exact signature, called on `self`.
#define AFX_HANDLER(sig, memberFxn) (self->*static_cast<sig>(&ThisClass::memberFxn))

#define AFX_ENTRY(msg, code, id, lastId, kind, reg, body)                                              \
    {msg, code, id, lastId, kind, reg,                                                                 \
     [](CCmdTarget* _pTarget, UINT nMsg, WPARAM wParam, LPARAM lParam, void* pExtra, LRESULT* pResult) \
         -> BOOL {                                                                                     \
         ThisClass* self = static_cast<ThisClass*>(_pTarget);                                          \
         (void)self, (void)nMsg, (void)wParam, (void)lParam, (void)pExtra, (void)pResult;              \
         body                                                                                          \
     }},

// A window message whose handler returns nothing: the result is 0.
#define AFX_MSG_VOID(msg, call) AFX_ENTRY(msg, 0, 0, 0, AfxSig_msg, nullptr, call; *pResult = 0; return TRUE;)
// A window message whose handler's return value is the result.
#define AFX_MSG_RESULT(msg, call) \
    AFX_ENTRY(msg, 0, 0, 0, AfxSig_msg, nullptr, *pResult = (LRESULT)(call); return TRUE;)

#define AFX_PT(lParam) CPoint((short)LOWORD(lParam), (short)HIWORD(lParam))
#define AFX_WND(h) CWnd::FromHandle((HWND)(h))

// --- window messages ---------------------------------------------------------

#define ON_WM_CREATE() \
    AFX_MSG_RESULT(WM_CREATE, AFX_HANDLER(int (ThisClass::*)(LPCREATESTRUCT), OnCreate)((LPCREATESTRUCT)lParam))
#define ON_WM_NCCREATE() \
    AFX_MSG_RESULT(WM_NCCREATE, AFX_HANDLER(BOOL (ThisClass::*)(LPCREATESTRUCT), OnNcCreate)((LPCREATESTRUCT)lParam))
#define ON_WM_DESTROY() AFX_MSG_VOID(WM_DESTROY, AFX_HANDLER(void (ThisClass::*)(), OnDestroy)())
#define ON_WM_NCDESTROY() AFX_MSG_VOID(WM_NCDESTROY, AFX_HANDLER(void (ThisClass::*)(), OnNcDestroy)())
#define ON_WM_CLOSE() AFX_MSG_VOID(WM_CLOSE, AFX_HANDLER(void (ThisClass::*)(), OnClose)())
#define ON_WM_PAINT() AFX_MSG_VOID(WM_PAINT, AFX_HANDLER(void (ThisClass::*)(), OnPaint)())
#define ON_WM_NCPAINT() AFX_MSG_VOID(WM_NCPAINT, AFX_HANDLER(void (ThisClass::*)(), OnNcPaint)())
#define ON_WM_ERASEBKGND() \
    AFX_MSG_RESULT(WM_ERASEBKGND, AFX_HANDLER(BOOL (ThisClass::*)(CDC*), OnEraseBkgnd)(CDC::FromHandle((HDC)wParam)))
#define ON_WM_TIMER() AFX_MSG_VOID(WM_TIMER, AFX_HANDLER(void (ThisClass::*)(UINT_PTR), OnTimer)((UINT_PTR)wParam))
#define ON_WM_SIZE()                                                                             \
    AFX_MSG_VOID(WM_SIZE, AFX_HANDLER(void (ThisClass::*)(UINT, int, int), OnSize)((UINT)wParam, \
                                                                                  (short)LOWORD(lParam), (short)HIWORD(lParam)))
#define ON_WM_MOVE() \
    AFX_MSG_VOID(WM_MOVE, AFX_HANDLER(void (ThisClass::*)(int, int), OnMove)((short)LOWORD(lParam), (short)HIWORD(lParam)))
#define ON_WM_SHOWWINDOW() \
    AFX_MSG_VOID(WM_SHOWWINDOW, AFX_HANDLER(void (ThisClass::*)(BOOL, UINT), OnShowWindow)((BOOL)wParam, (UINT)lParam))
#define ON_WM_ENABLE() AFX_MSG_VOID(WM_ENABLE, AFX_HANDLER(void (ThisClass::*)(BOOL), OnEnable)((BOOL)wParam))
#define ON_WM_WINDOWPOSCHANGING() \
    AFX_MSG_VOID(WM_WINDOWPOSCHANGING, AFX_HANDLER(void (ThisClass::*)(WINDOWPOS*), OnWindowPosChanging)((WINDOWPOS*)lParam))
#define ON_WM_WINDOWPOSCHANGED() \
    AFX_MSG_VOID(WM_WINDOWPOSCHANGED, AFX_HANDLER(void (ThisClass::*)(WINDOWPOS*), OnWindowPosChanged)((WINDOWPOS*)lParam))
#define ON_WM_GETMINMAXINFO() \
    AFX_MSG_VOID(WM_GETMINMAXINFO, AFX_HANDLER(void (ThisClass::*)(MINMAXINFO*), OnGetMinMaxInfo)((MINMAXINFO*)lParam))
#define ON_WM_NCCALCSIZE()                                                                                  \
    AFX_MSG_VOID(WM_NCCALCSIZE, AFX_HANDLER(void (ThisClass::*)(BOOL, NCCALCSIZE_PARAMS*), OnNcCalcSize)( \
                                    (BOOL)wParam, (NCCALCSIZE_PARAMS*)lParam))
#define ON_WM_NCHITTEST() \
    AFX_MSG_RESULT(WM_NCHITTEST, AFX_HANDLER(LRESULT (ThisClass::*)(CPoint), OnNcHitTest)(AFX_PT(lParam)))
#define ON_WM_NCACTIVATE() \
    AFX_MSG_RESULT(WM_NCACTIVATE, AFX_HANDLER(BOOL (ThisClass::*)(BOOL), OnNcActivate)((BOOL)wParam))
#define ON_WM_ACTIVATE()                                                                                 \
    AFX_MSG_VOID(WM_ACTIVATE, AFX_HANDLER(void (ThisClass::*)(UINT, CWnd*, BOOL), OnActivate)(          \
                                  (UINT)LOWORD(wParam), AFX_WND(lParam), (BOOL)HIWORD(wParam)))
#define ON_WM_MOUSEACTIVATE()                                                                          \
    AFX_MSG_RESULT(WM_MOUSEACTIVATE, AFX_HANDLER(int (ThisClass::*)(CWnd*, UINT, UINT), OnMouseActivate)( \
                                         AFX_WND(wParam), (UINT)LOWORD(lParam), (UINT)HIWORD(lParam)))
#define ON_WM_MDIACTIVATE()                                                                                 \
    AFX_MSG_VOID(WM_MDIACTIVATE, AFX_HANDLER(void (ThisClass::*)(BOOL, CWnd*, CWnd*), OnMDIActivate)(       \
                                     (HWND)lParam == self->m_hWnd, AFX_WND(lParam), AFX_WND(wParam)))
#define ON_WM_SETFOCUS() AFX_MSG_VOID(WM_SETFOCUS, AFX_HANDLER(void (ThisClass::*)(CWnd*), OnSetFocus)(AFX_WND(wParam)))
#define ON_WM_KILLFOCUS() \
    AFX_MSG_VOID(WM_KILLFOCUS, AFX_HANDLER(void (ThisClass::*)(CWnd*), OnKillFocus)(AFX_WND(wParam)))
#define ON_WM_CAPTURECHANGED() \
    AFX_MSG_VOID(WM_CAPTURECHANGED, AFX_HANDLER(void (ThisClass::*)(CWnd*), OnCaptureChanged)(AFX_WND(lParam)))
#define ON_WM_CANCELMODE() AFX_MSG_VOID(WM_CANCELMODE, AFX_HANDLER(void (ThisClass::*)(), OnCancelMode)())
#define ON_WM_GETDLGCODE() AFX_MSG_RESULT(WM_GETDLGCODE, AFX_HANDLER(UINT (ThisClass::*)(), OnGetDlgCode)())
#define ON_WM_SYSCOLORCHANGE() AFX_MSG_VOID(WM_SYSCOLORCHANGE, AFX_HANDLER(void (ThisClass::*)(), OnSysColorChange)())
#define ON_WM_SETTINGCHANGE() \
    AFX_MSG_VOID(WM_SETTINGCHANGE, AFX_HANDLER(void (ThisClass::*)(UINT, LPCTSTR), OnSettingChange)((UINT)wParam, (LPCTSTR)lParam))
#define ON_WM_SYSCOMMAND() \
    AFX_MSG_VOID(WM_SYSCOMMAND, AFX_HANDLER(void (ThisClass::*)(UINT, LPARAM), OnSysCommand)((UINT)wParam, lParam))
#define ON_WM_STYLECHANGED() \
    AFX_MSG_VOID(WM_STYLECHANGED, AFX_HANDLER(void (ThisClass::*)(int, LPSTYLESTRUCT), OnStyleChanged)((int)wParam, (LPSTYLESTRUCT)lParam))
#define ON_WM_STYLECHANGING() \
    AFX_MSG_VOID(WM_STYLECHANGING, AFX_HANDLER(void (ThisClass::*)(int, LPSTYLESTRUCT), OnStyleChanging)((int)wParam, (LPSTYLESTRUCT)lParam))

// Mouse
#define AFX_MOUSE(msg, fn) \
    AFX_MSG_VOID(msg, AFX_HANDLER(void (ThisClass::*)(UINT, CPoint), fn)((UINT)wParam, AFX_PT(lParam)))
#define ON_WM_MOUSEMOVE() AFX_MOUSE(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_MOUSE(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MOUSE(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MOUSE(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_MOUSE(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_MOUSE(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_MOUSE(WM_RBUTTONDBLCLK, OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_MOUSE(WM_MBUTTONDOWN, OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_MOUSE(WM_MBUTTONUP, OnMButtonUp)
#define ON_WM_MBUTTONDBLCLK() AFX_MOUSE(WM_MBUTTONDBLCLK, OnMButtonDblClk)
#define AFX_NCMOUSE(msg, fn) \
    AFX_MSG_VOID(msg, AFX_HANDLER(void (ThisClass::*)(UINT, CPoint), fn)((UINT)wParam, AFX_PT(lParam)))
#define ON_WM_NCMOUSEMOVE() AFX_NCMOUSE(WM_NCMOUSEMOVE, OnNcMouseMove)
#define ON_WM_NCLBUTTONDOWN() AFX_NCMOUSE(WM_NCLBUTTONDOWN, OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() AFX_NCMOUSE(WM_NCLBUTTONUP, OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() AFX_NCMOUSE(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk)
#define ON_WM_MOUSEWHEEL()                                                                                   \
    AFX_MSG_RESULT(WM_MOUSEWHEEL, AFX_HANDLER(BOOL (ThisClass::*)(UINT, short, CPoint), OnMouseWheel)(      \
                                      (UINT)LOWORD(wParam), (short)HIWORD(wParam), AFX_PT(lParam)))
#define ON_WM_SETCURSOR()                                                                                   \
    AFX_MSG_RESULT(WM_SETCURSOR, AFX_HANDLER(BOOL (ThisClass::*)(CWnd*, UINT, UINT), OnSetCursor)(          \
                                     AFX_WND(wParam), (UINT)LOWORD(lParam), (UINT)HIWORD(lParam)))
#define ON_WM_CONTEXTMENU() \
    AFX_MSG_VOID(WM_CONTEXTMENU, AFX_HANDLER(void (ThisClass::*)(CWnd*, CPoint), OnContextMenu)(AFX_WND(wParam), AFX_PT(lParam)))

// Keyboard
#define AFX_KEY(msg, fn)                                                                          \
    AFX_MSG_VOID(msg, AFX_HANDLER(void (ThisClass::*)(UINT, UINT, UINT), fn)((UINT)wParam,        \
                                                                            (UINT)LOWORD(lParam), (UINT)HIWORD(lParam)))
#define ON_WM_KEYDOWN() AFX_KEY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() AFX_KEY(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR() AFX_KEY(WM_CHAR, OnChar)
#define ON_WM_SYSKEYDOWN() AFX_KEY(WM_SYSKEYDOWN, OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_KEY(WM_SYSKEYUP, OnSysKeyUp)
#define ON_WM_SYSCHAR() AFX_KEY(WM_SYSCHAR, OnSysChar)

// Scrolling
#define ON_WM_HSCROLL()                                                                                 \
    AFX_MSG_VOID(WM_HSCROLL, AFX_HANDLER(void (ThisClass::*)(UINT, UINT, CScrollBar*), OnHScroll)(      \
                                 (UINT)LOWORD(wParam), (UINT)(short)HIWORD(wParam), (CScrollBar*)AFX_WND(lParam)))
#define ON_WM_VSCROLL()                                                                                 \
    AFX_MSG_VOID(WM_VSCROLL, AFX_HANDLER(void (ThisClass::*)(UINT, UINT, CScrollBar*), OnVScroll)(      \
                                 (UINT)LOWORD(wParam), (UINT)(short)HIWORD(wParam), (CScrollBar*)AFX_WND(lParam)))

// Menus
#define ON_WM_INITMENUPOPUP()                                                                             \
    AFX_MSG_VOID(WM_INITMENUPOPUP, AFX_HANDLER(void (ThisClass::*)(CMenu*, UINT, BOOL), OnInitMenuPopup)( \
                                       CMenu::FromHandle((HMENU)wParam), (UINT)LOWORD(lParam), (BOOL)HIWORD(lParam)))
#define ON_WM_MENUCHAR()                                                                                   \
    AFX_MSG_RESULT(WM_MENUCHAR, AFX_HANDLER(LRESULT (ThisClass::*)(UINT, UINT, CMenu*), OnMenuChar)(       \
                                    (UINT)LOWORD(wParam), (UINT)HIWORD(wParam), CMenu::FromHandle((HMENU)lParam)))
#define ON_WM_MENUSELECT()                                                                                  \
    AFX_MSG_VOID(WM_MENUSELECT, AFX_HANDLER(void (ThisClass::*)(UINT, UINT, HMENU), OnMenuSelect)(          \
                                    (UINT)LOWORD(wParam), (UINT)HIWORD(wParam), (HMENU)lParam))

// Owner drawing and colours (the parent side)
#define ON_WM_DRAWITEM() \
    AFX_MSG_VOID(WM_DRAWITEM, AFX_HANDLER(void (ThisClass::*)(int, LPDRAWITEMSTRUCT), OnDrawItem)((int)wParam, (LPDRAWITEMSTRUCT)lParam))
#define ON_WM_MEASUREITEM()                                                                                   \
    AFX_MSG_VOID(WM_MEASUREITEM, AFX_HANDLER(void (ThisClass::*)(int, LPMEASUREITEMSTRUCT), OnMeasureItem)( \
                                     (int)wParam, (LPMEASUREITEMSTRUCT)lParam))
#define ON_WM_COMPAREITEM()                                                                                   \
    AFX_MSG_RESULT(WM_COMPAREITEM, AFX_HANDLER(int (ThisClass::*)(int, LPCOMPAREITEMSTRUCT), OnCompareItem)( \
                                       (int)wParam, (LPCOMPAREITEMSTRUCT)lParam))
#define ON_WM_DELETEITEM()                                                                                  \
    AFX_MSG_VOID(WM_DELETEITEM, AFX_HANDLER(void (ThisClass::*)(int, LPDELETEITEMSTRUCT), OnDeleteItem)(   \
                                    (int)wParam, (LPDELETEITEMSTRUCT)lParam))
#define ON_WM_CTLCOLOR()                                                                                       \
    AFX_MSG_RESULT(WM_CTLCOLOR, AFX_HANDLER(HBRUSH (ThisClass::*)(CDC*, CWnd*, UINT), OnCtlColor)(             \
                                    CDC::FromHandle(((AFX_CTLCOLOR*)lParam)->hDC), AFX_WND(((AFX_CTLCOLOR*)lParam)->hWnd), \
                                    ((AFX_CTLCOLOR*)lParam)->nCtlType))

// Reflected to the child that sent them
#define ON_WM_CTLCOLOR_REFLECT()                                                                                  \
    AFX_MSG_RESULT(WM_REFLECT_BASE + WM_CTLCOLOR, AFX_HANDLER(HBRUSH (ThisClass::*)(CDC*, UINT), CtlColor)(      \
                                                      CDC::FromHandle(((AFX_CTLCOLOR*)lParam)->hDC),              \
                                                      ((AFX_CTLCOLOR*)lParam)->nCtlType))
#define ON_WM_DRAWITEM_REFLECT()                                                                             \
    AFX_ENTRY(WM_REFLECT_BASE + WM_DRAWITEM, 0, 0, 0, AfxSig_msg, nullptr,                                  \
              AFX_HANDLER(void (ThisClass::*)(LPDRAWITEMSTRUCT), DrawItem)((LPDRAWITEMSTRUCT)lParam);      \
              *pResult = TRUE; return TRUE;)
#define ON_WM_MEASUREITEM_REFLECT()                                                                          \
    AFX_ENTRY(WM_REFLECT_BASE + WM_MEASUREITEM, 0, 0, 0, AfxSig_msg, nullptr,                               \
              AFX_HANDLER(void (ThisClass::*)(LPMEASUREITEMSTRUCT), MeasureItem)((LPMEASUREITEMSTRUCT)lParam); \
              *pResult = TRUE; return TRUE;)
#define ON_WM_COMPAREITEM_REFLECT()                                                                                \
    AFX_MSG_RESULT(WM_REFLECT_BASE + WM_COMPAREITEM,                                                              \
                   AFX_HANDLER(int (ThisClass::*)(LPCOMPAREITEMSTRUCT), CompareItem)((LPCOMPAREITEMSTRUCT)lParam))
#define ON_WM_DELETEITEM_REFLECT()                                                                            \
    AFX_ENTRY(WM_REFLECT_BASE + WM_DELETEITEM, 0, 0, 0, AfxSig_msg, nullptr,                                 \
              AFX_HANDLER(void (ThisClass::*)(LPDELETEITEMSTRUCT), DeleteItem)((LPDELETEITEMSTRUCT)lParam); \
              *pResult = TRUE; return TRUE;)
#define ON_WM_HSCROLL_REFLECT()                                                                     \
    AFX_MSG_VOID(WM_REFLECT_BASE + WM_HSCROLL,                                                     \
                 AFX_HANDLER(void (ThisClass::*)(UINT, UINT), HScroll)((UINT)LOWORD(wParam), (UINT)(short)HIWORD(wParam)))
#define ON_WM_VSCROLL_REFLECT()                                                                     \
    AFX_MSG_VOID(WM_REFLECT_BASE + WM_VSCROLL,                                                     \
                 AFX_HANDLER(void (ThisClass::*)(UINT, UINT), VScroll)((UINT)LOWORD(wParam), (UINT)(short)HIWORD(wParam)))

// Any message, and registered messages
#define ON_MESSAGE(message, memberFxn) \
    AFX_MSG_RESULT(message, AFX_HANDLER(LRESULT (ThisClass::*)(WPARAM, LPARAM), memberFxn)(wParam, lParam))
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                                     \
    AFX_ENTRY(0xC000, 0, 0, 0, AfxSig_registered, &nMessageVariable,                           \
              *pResult = AFX_HANDLER(LRESULT (ThisClass::*)(WPARAM, LPARAM), memberFxn)(wParam, lParam); \
              return TRUE;)

// --- commands and notifications (dispatched through OnCmdMsg) ----------------
// For these entries wParam carries the command or control identifier.

#define ON_COMMAND(id, memberFxn)                                                \
    AFX_ENTRY(WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), AfxSig_cmd, nullptr, \
              AFX_HANDLER(void (ThisClass::*)(), memberFxn)(); return TRUE;)
#define ON_COMMAND_EX(id, memberFxn)                                             \
    AFX_ENTRY(WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), AfxSig_cmd, nullptr, \
              return AFX_HANDLER(BOOL (ThisClass::*)(UINT), memberFxn)((UINT)wParam);)
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                      \
    AFX_ENTRY(WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), AfxSig_cmd, nullptr, \
              AFX_HANDLER(void (ThisClass::*)(UINT), memberFxn)((UINT)wParam); return TRUE;)
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                \
    AFX_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(id), AfxSig_cmd, nullptr, \
              AFX_HANDLER(void (ThisClass::*)(CCmdUI*), memberFxn)((CCmdUI*)pExtra); return TRUE;)
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                                      \
    AFX_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(idLast), AfxSig_cmd, nullptr, \
              AFX_HANDLER(void (ThisClass::*)(CCmdUI*), memberFxn)((CCmdUI*)pExtra); return TRUE;)
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                \
    AFX_ENTRY(WM_COMMAND, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(id), AfxSig_cmd, nullptr, \
              AFX_HANDLER(void (ThisClass::*)(), memberFxn)(); return TRUE;)
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn)                                      \
    AFX_ENTRY(WM_COMMAND, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(idLast), AfxSig_cmd, nullptr, \
              AFX_HANDLER(void (ThisClass::*)(UINT), memberFxn)((UINT)wParam); return TRUE;)
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                     \
    AFX_ENTRY(WM_NOTIFY, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(id), AfxSig_cmd, nullptr,        \
              AFX_HANDLER(void (ThisClass::*)(NMHDR*, LRESULT*), memberFxn)(                      \
                  ((AFX_NOTIFY*)pExtra)->pNMHDR, ((AFX_NOTIFY*)pExtra)->pResult); return TRUE;)
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn)                                       \
    AFX_ENTRY(WM_NOTIFY, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(idLast), AfxSig_cmd, nullptr,    \
              AFX_HANDLER(void (ThisClass::*)(UINT, NMHDR*, LRESULT*), memberFxn)(                \
                  (UINT)wParam, ((AFX_NOTIFY*)pExtra)->pNMHDR, ((AFX_NOTIFY*)pExtra)->pResult); return TRUE;)
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn)                                                  \
    AFX_ENTRY(WM_NOTIFY, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(id), AfxSig_cmd, nullptr,        \
              return AFX_HANDLER(BOOL (ThisClass::*)(UINT, NMHDR*, LRESULT*), memberFxn)(         \
                  (UINT)wParam, ((AFX_NOTIFY*)pExtra)->pNMHDR, ((AFX_NOTIFY*)pExtra)->pResult);)
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn)                                    \
    AFX_ENTRY(WM_NOTIFY, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(idLast), AfxSig_cmd, nullptr,    \
              return AFX_HANDLER(BOOL (ThisClass::*)(UINT, NMHDR*, LRESULT*), memberFxn)(         \
                  (UINT)wParam, ((AFX_NOTIFY*)pExtra)->pNMHDR, ((AFX_NOTIFY*)pExtra)->pResult);)

// Reflected commands and notifications, handled by the child that sent them.
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                \
    AFX_ENTRY(WM_REFLECT_BASE + WM_COMMAND, (UINT)(WORD)(wNotifyCode), 0, 0, AfxSig_cmd, nullptr, \
              AFX_HANDLER(void (ThisClass::*)(), memberFxn)(); return TRUE;)
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn)                                             \
    AFX_ENTRY(WM_REFLECT_BASE + WM_COMMAND, (UINT)(WORD)(wNotifyCode), 0, 0, AfxSig_cmd, nullptr, \
              return AFX_HANDLER(BOOL (ThisClass::*)(), memberFxn)();)
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                                                 \
    AFX_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, (UINT)(WORD)(wNotifyCode), 0, 0, AfxSig_cmd, nullptr,        \
              AFX_HANDLER(void (ThisClass::*)(NMHDR*, LRESULT*), memberFxn)(                      \
                  ((AFX_NOTIFY*)pExtra)->pNMHDR, ((AFX_NOTIFY*)pExtra)->pResult); return TRUE;)
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn)                                              \
    AFX_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, (UINT)(WORD)(wNotifyCode), 0, 0, AfxSig_cmd, nullptr,        \
              return AFX_HANDLER(BOOL (ThisClass::*)(NMHDR*, LRESULT*), memberFxn)(               \
                  ((AFX_NOTIFY*)pExtra)->pNMHDR, ((AFX_NOTIFY*)pExtra)->pResult);)

// Control notifications by name
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
