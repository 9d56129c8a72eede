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
// signature: a handler of another type stops the compilation with a message
// that names the entry and the type it needs.  A map that finds no entry
// continues with its base class's map.  The window-message entries
// (ON_WM_*) are in msgmap_wm.h.
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
// Commands are 0x8000 and above; below are control and button identifiers.
#define IS_COMMAND_ID(nID) ((nID) & 0x8000)
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
        [[maybe_unused]] typedef theClass ThisClass;                              \
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

// The handler, checked against its exact signature, called on `self`.  The
// check runs in a generic lambda so that a mismatch is one static assertion
// naming the entry, not a cascade of conversion errors.
#define AFX_HANDLER_OF(entry, sig, memberFxn)                                                      \
    (self->*[]<class AfxC>(AfxC*) {                                                               \
        constexpr bool bFits = requires { static_cast<sig>(&AfxC::memberFxn); };                   \
        static_assert(bFits, #entry ": the handler " #memberFxn " must have the type " #sig);     \
        if constexpr (bFits)                                                                      \
            return static_cast<sig>(&AfxC::memberFxn);                                            \
        else                                                                                      \
            return static_cast<sig>(nullptr);                                                     \
    }(self))

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
// A window message whose handler returns nothing, answered with TRUE.
#define AFX_MSG_TRUE(msg, call) AFX_ENTRY(msg, 0, 0, 0, AfxSig_msg, nullptr, call; *pResult = TRUE; return TRUE;)

#define AFX_PT(lParam) CPoint((short)LOWORD(lParam), (short)HIWORD(lParam))
#define AFX_WND(h) CWnd::FromHandle((HWND)(h))

// Any message, and registered messages
#define ON_MESSAGE(message, memberFxn) \
    AFX_MSG_RESULT(message, AFX_HANDLER_OF(ON_MESSAGE, LRESULT (ThisClass::*)(WPARAM, LPARAM), memberFxn)(wParam, lParam))
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                                     \
    AFX_ENTRY(0xC000, 0, 0, 0, AfxSig_registered, &nMessageVariable,                           \
              *pResult = AFX_HANDLER_OF(ON_REGISTERED_MESSAGE, LRESULT (ThisClass::*)(WPARAM, LPARAM), memberFxn)(wParam, lParam); \
              return TRUE;)

// Messages posted to a thread (no window), in a CWinThread's map.
#define ON_THREAD_MESSAGE(message, memberFxn) \
    AFX_MSG_VOID(message, AFX_HANDLER_OF(ON_THREAD_MESSAGE, void (ThisClass::*)(WPARAM, LPARAM), memberFxn)(wParam, lParam))
#define ON_REGISTERED_THREAD_MESSAGE(nMessageVariable, memberFxn)                                     \
    AFX_ENTRY(0xC000, 0, 0, 0, AfxSig_registered, &nMessageVariable,                                  \
              AFX_HANDLER_OF(ON_REGISTERED_THREAD_MESSAGE, void (ThisClass::*)(WPARAM, LPARAM), memberFxn)( \
                  wParam, lParam);                                                                    \
              *pResult = 0; return TRUE;)

// --- commands and notifications (dispatched through OnCmdMsg) ----------------
// For these entries wParam carries the command or control identifier.

#define ON_COMMAND(id, memberFxn)                                                \
    AFX_ENTRY(WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), AfxSig_cmd, nullptr, \
              AFX_HANDLER_OF(ON_COMMAND, void (ThisClass::*)(), memberFxn)(); return TRUE;)
#define ON_COMMAND_EX(id, memberFxn)                                             \
    AFX_ENTRY(WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), AfxSig_cmd, nullptr, \
              return AFX_HANDLER_OF(ON_COMMAND_EX, BOOL (ThisClass::*)(UINT), memberFxn)((UINT)wParam);)
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn)                                        \
    AFX_ENTRY(WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), AfxSig_cmd, nullptr,      \
              return AFX_HANDLER_OF(ON_COMMAND_EX_RANGE, BOOL (ThisClass::*)(UINT), memberFxn)((UINT)wParam);)
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                      \
    AFX_ENTRY(WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), AfxSig_cmd, nullptr, \
              AFX_HANDLER_OF(ON_COMMAND_RANGE, void (ThisClass::*)(UINT), memberFxn)((UINT)wParam); return TRUE;)
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                \
    AFX_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(id), AfxSig_cmd, nullptr, \
              AFX_HANDLER_OF(ON_UPDATE_COMMAND_UI, void (ThisClass::*)(CCmdUI*), memberFxn)((CCmdUI*)pExtra); return TRUE;)
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                                      \
    AFX_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(idLast), AfxSig_cmd, nullptr, \
              AFX_HANDLER_OF(ON_UPDATE_COMMAND_UI_RANGE, void (ThisClass::*)(CCmdUI*), memberFxn)((CCmdUI*)pExtra); return TRUE;)
#define AFX_ON_CONTROL(entry, wNotifyCode, id, memberFxn)                                    \
    AFX_ENTRY(WM_COMMAND, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(id), AfxSig_cmd, nullptr, \
              AFX_HANDLER_OF(entry, void (ThisClass::*)(), memberFxn)(); return TRUE;)
#define ON_CONTROL(wNotifyCode, id, memberFxn) AFX_ON_CONTROL(ON_CONTROL, wNotifyCode, id, memberFxn)
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn)                                      \
    AFX_ENTRY(WM_COMMAND, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(idLast), AfxSig_cmd, nullptr, \
              AFX_HANDLER_OF(ON_CONTROL_RANGE, void (ThisClass::*)(UINT), memberFxn)((UINT)wParam); return TRUE;)
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                     \
    AFX_ENTRY(WM_NOTIFY, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(id), AfxSig_cmd, nullptr,        \
              AFX_HANDLER_OF(ON_NOTIFY, void (ThisClass::*)(NMHDR*, LRESULT*), memberFxn)(                      \
                  ((AFX_NOTIFY*)pExtra)->pNMHDR, ((AFX_NOTIFY*)pExtra)->pResult); return TRUE;)
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn)                                       \
    AFX_ENTRY(WM_NOTIFY, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(idLast), AfxSig_cmd, nullptr,    \
              AFX_HANDLER_OF(ON_NOTIFY_RANGE, void (ThisClass::*)(UINT, NMHDR*, LRESULT*), memberFxn)(                \
                  (UINT)wParam, ((AFX_NOTIFY*)pExtra)->pNMHDR, ((AFX_NOTIFY*)pExtra)->pResult); return TRUE;)
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn)                                                  \
    AFX_ENTRY(WM_NOTIFY, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(id), AfxSig_cmd, nullptr,        \
              return AFX_HANDLER_OF(ON_NOTIFY_EX, BOOL (ThisClass::*)(UINT, NMHDR*, LRESULT*), memberFxn)(         \
                  (UINT)wParam, ((AFX_NOTIFY*)pExtra)->pNMHDR, ((AFX_NOTIFY*)pExtra)->pResult);)
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn)                                    \
    AFX_ENTRY(WM_NOTIFY, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(idLast), AfxSig_cmd, nullptr,    \
              return AFX_HANDLER_OF(ON_NOTIFY_EX_RANGE, BOOL (ThisClass::*)(UINT, NMHDR*, LRESULT*), memberFxn)(         \
                  (UINT)wParam, ((AFX_NOTIFY*)pExtra)->pNMHDR, ((AFX_NOTIFY*)pExtra)->pResult);)

// Reflected commands and notifications, handled by the child that sent them.
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                \
    AFX_ENTRY(WM_REFLECT_BASE + WM_COMMAND, (UINT)(WORD)(wNotifyCode), 0, 0, AfxSig_cmd, nullptr, \
              AFX_HANDLER_OF(ON_CONTROL_REFLECT, void (ThisClass::*)(), memberFxn)(); return TRUE;)
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn)                                             \
    AFX_ENTRY(WM_REFLECT_BASE + WM_COMMAND, (UINT)(WORD)(wNotifyCode), 0, 0, AfxSig_cmd, nullptr, \
              return AFX_HANDLER_OF(ON_CONTROL_REFLECT_EX, BOOL (ThisClass::*)(), memberFxn)();)
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                                                 \
    AFX_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, (UINT)(WORD)(wNotifyCode), 0, 0, AfxSig_cmd, nullptr,        \
              AFX_HANDLER_OF(ON_NOTIFY_REFLECT, void (ThisClass::*)(NMHDR*, LRESULT*), memberFxn)(                      \
                  ((AFX_NOTIFY*)pExtra)->pNMHDR, ((AFX_NOTIFY*)pExtra)->pResult); return TRUE;)
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn)                                              \
    AFX_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, (UINT)(WORD)(wNotifyCode), 0, 0, AfxSig_cmd, nullptr,        \
              return AFX_HANDLER_OF(ON_NOTIFY_REFLECT_EX, BOOL (ThisClass::*)(NMHDR*, LRESULT*), memberFxn)(               \
                  ((AFX_NOTIFY*)pExtra)->pNMHDR, ((AFX_NOTIFY*)pExtra)->pResult);)

// Control notifications by name (WM_COMMAND from buttons, edits, list and
// combo boxes and statics): handlers take nothing and return nothing.
#define ON_BN_CLICKED(id, memberFxn) AFX_ON_CONTROL(ON_BN_CLICKED, BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) AFX_ON_CONTROL(ON_BN_DOUBLECLICKED, BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_DBLCLK(id, memberFxn) AFX_ON_CONTROL(ON_BN_DBLCLK, BN_DBLCLK, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) AFX_ON_CONTROL(ON_BN_SETFOCUS, BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) AFX_ON_CONTROL(ON_BN_KILLFOCUS, BN_KILLFOCUS, id, memberFxn)
#define ON_BN_PUSHED(id, memberFxn) AFX_ON_CONTROL(ON_BN_PUSHED, BN_PUSHED, id, memberFxn)
#define ON_BN_UNPUSHED(id, memberFxn) AFX_ON_CONTROL(ON_BN_UNPUSHED, BN_UNPUSHED, id, memberFxn)
#define ON_BN_HILITE(id, memberFxn) AFX_ON_CONTROL(ON_BN_HILITE, BN_HILITE, id, memberFxn)
#define ON_BN_UNHILITE(id, memberFxn) AFX_ON_CONTROL(ON_BN_UNHILITE, BN_UNHILITE, id, memberFxn)
#define ON_BN_DISABLE(id, memberFxn) AFX_ON_CONTROL(ON_BN_DISABLE, BN_DISABLE, id, memberFxn)
#define ON_BN_PAINT(id, memberFxn) AFX_ON_CONTROL(ON_BN_PAINT, BN_PAINT, id, memberFxn)

#define ON_EN_SETFOCUS(id, memberFxn) AFX_ON_CONTROL(ON_EN_SETFOCUS, EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) AFX_ON_CONTROL(ON_EN_KILLFOCUS, EN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) AFX_ON_CONTROL(ON_EN_CHANGE, EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) AFX_ON_CONTROL(ON_EN_UPDATE, EN_UPDATE, id, memberFxn)
#define ON_EN_ERRSPACE(id, memberFxn) AFX_ON_CONTROL(ON_EN_ERRSPACE, EN_ERRSPACE, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) AFX_ON_CONTROL(ON_EN_MAXTEXT, EN_MAXTEXT, id, memberFxn)
#define ON_EN_HSCROLL(id, memberFxn) AFX_ON_CONTROL(ON_EN_HSCROLL, EN_HSCROLL, id, memberFxn)
#define ON_EN_VSCROLL(id, memberFxn) AFX_ON_CONTROL(ON_EN_VSCROLL, EN_VSCROLL, id, memberFxn)
#define ON_EN_ALIGN_LTR_EC(id, memberFxn) AFX_ON_CONTROL(ON_EN_ALIGN_LTR_EC, EN_ALIGN_LTR_EC, id, memberFxn)
#define ON_EN_ALIGN_RTL_EC(id, memberFxn) AFX_ON_CONTROL(ON_EN_ALIGN_RTL_EC, EN_ALIGN_RTL_EC, id, memberFxn)

#define ON_LBN_ERRSPACE(id, memberFxn) AFX_ON_CONTROL(ON_LBN_ERRSPACE, LBN_ERRSPACE, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) AFX_ON_CONTROL(ON_LBN_SELCHANGE, LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) AFX_ON_CONTROL(ON_LBN_DBLCLK, LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn) AFX_ON_CONTROL(ON_LBN_SELCANCEL, LBN_SELCANCEL, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) AFX_ON_CONTROL(ON_LBN_SETFOCUS, LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) AFX_ON_CONTROL(ON_LBN_KILLFOCUS, LBN_KILLFOCUS, id, memberFxn)

#define ON_CBN_ERRSPACE(id, memberFxn) AFX_ON_CONTROL(ON_CBN_ERRSPACE, CBN_ERRSPACE, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) AFX_ON_CONTROL(ON_CBN_SELCHANGE, CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) AFX_ON_CONTROL(ON_CBN_DBLCLK, CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) AFX_ON_CONTROL(ON_CBN_SETFOCUS, CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) AFX_ON_CONTROL(ON_CBN_KILLFOCUS, CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) AFX_ON_CONTROL(ON_CBN_EDITCHANGE, CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) AFX_ON_CONTROL(ON_CBN_EDITUPDATE, CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) AFX_ON_CONTROL(ON_CBN_DROPDOWN, CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) AFX_ON_CONTROL(ON_CBN_CLOSEUP, CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) AFX_ON_CONTROL(ON_CBN_SELENDOK, CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) AFX_ON_CONTROL(ON_CBN_SELENDCANCEL, CBN_SELENDCANCEL, id, memberFxn)

#define ON_STN_CLICKED(id, memberFxn) AFX_ON_CONTROL(ON_STN_CLICKED, STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) AFX_ON_CONTROL(ON_STN_DBLCLK, STN_DBLCLK, id, memberFxn)
#define ON_STN_ENABLE(id, memberFxn) AFX_ON_CONTROL(ON_STN_ENABLE, STN_ENABLE, id, memberFxn)
#define ON_STN_DISABLE(id, memberFxn) AFX_ON_CONTROL(ON_STN_DISABLE, STN_DISABLE, id, memberFxn)

#include "win/msgmap_wm.h"
