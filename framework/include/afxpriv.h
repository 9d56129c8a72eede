// The framework's private messages and helpers that programs use anyway:
// idle updates, initial updates, the kick that restarts idle processing,
// status-bar message strings, and ON_MESSAGE_VOID.
#pragma once

#ifndef __AFXPRIV_H__
#define __AFXPRIV_H__
#endif

#include "afxwin.h"

#define WM_QUERYAFXWNDPROC 0x0360
#define WM_SIZEPARENT 0x0361
#define WM_SETMESSAGESTRING 0x0362
#define WM_COMMANDHELP 0x0365
#define WM_HELPHITTEST 0x0366
#define WM_EXITHELPMODE 0x0367
#define WM_RECALCPARENT 0x0368
#define WM_SIZECHILD 0x0369
#define WM_QUERYCENTERWND 0x036B
#define WM_DISABLEMODAL 0x036C
#define WM_FLOATSTATUS 0x036D
#define WM_ACTIVATETOPLEVEL 0x036E
#define WM_SOCKET_NOTIFY 0x0373
#define WM_SOCKET_DEAD 0x0374
#define WM_POPMESSAGESTRING 0x0375

// A message whose handler takes and returns nothing.
#define ON_MESSAGE_VOID(message, memberFxn) \
    AFX_MSG_VOID(message, AFX_HANDLER_OF(ON_MESSAGE_VOID, void (ThisClass::*)(), memberFxn)())
