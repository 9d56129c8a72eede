// Process- and thread-wide state of the framework: the handle maps of each
// thread, the message being handled, the application and its resources, and
// the chain of extension modules whose resources and classes are searched
// after the application's.
#pragma once

#include "base/cobject.h"
#include "base/cstring.h"
#include "win/handlemap.h"

class CWnd;
class CDC;
class CGdiObject;
class CMenu;
class CImageList;
class CWinThread;
class CWinApp;
class CDynLinkLibrary;

struct AFX_THREAD_STATE {
    CHandleMap<CWnd>* m_pmapHWND = nullptr;
    CHandleMap<CDC>* m_pmapHDC = nullptr;
    CHandleMap<CGdiObject>* m_pmapHGDIOBJ = nullptr;
    CHandleMap<CMenu>* m_pmapHMENU = nullptr;
    CHandleMap<CImageList>* m_pmapHIMAGELIST = nullptr;

    MSG m_lastSentMsg = {};       // the message being handled (GetCurrentMessage)
    MSG m_msgCur = {};            // the message being pumped by the loop
    CWnd* m_pWndInit = nullptr;   // the window being created, attached by the creation hook
    HHOOK m_hHookOldCbtFilter = nullptr;
    CWinThread* m_pCurrentWinThread = nullptr;
    CWnd* m_pRoutingView = nullptr;
    HWND m_hLockoutNotifyWindow = nullptr;  // UpdateData in progress: its controls' notifications are ignored
    // The popup menu CMenu::TrackPopupMenu is tracking and its owner: the
    // owner's WM_MEASUREITEM looks for the item there first.
    HWND m_hTrackingWindow = nullptr;
    HMENU m_hTrackingMenu = nullptr;
    int m_nMsgLast = 0;
};

AFX_THREAD_STATE* AfxGetThreadState();

// The per-thread maps, created on first use.
CHandleMap<CWnd>* afxMapHWND(BOOL bCreate = FALSE);
CHandleMap<CDC>* afxMapHDC(BOOL bCreate = FALSE);
CHandleMap<CGdiObject>* afxMapHGDIOBJ(BOOL bCreate = FALSE);
CHandleMap<CMenu>* afxMapHMENU(BOOL bCreate = FALSE);
CHandleMap<CImageList>* afxMapHIMAGELIST(BOOL bCreate = FALSE);

// Frees the temporary wrappers of the calling thread (done at idle time).
void AfxDeleteTempMaps();
// Frees every map of the calling thread (done when the thread ends).
void AfxTermThreadMaps();

// Module state: the application module and its resource module.
HINSTANCE AfxGetInstanceHandle();
void AfxSetInstanceHandle(HINSTANCE hInst);
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstResource);
LPCTSTR AfxGetAppName();
CWinApp* AfxGetApp();
CWinThread* AfxGetThread();
CWnd* AfxGetMainWnd();

// Finds the module holding a resource: the resource module first, then the
// extension modules in the order they joined.  Never null: the resource
// module when nobody has it.
HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);

// An extension library's record, filled by AfxInitExtensionModule in its
// DllMain; a CDynLinkLibrary made from it joins the resource chain.
struct AFX_EXTENSION_MODULE {
    BOOL bInitialized = FALSE;
    HMODULE hModule = nullptr;
    HMODULE hResource = nullptr;
    // The module's serialisable classes, taken out of the application's
    // list by AfxInitExtensionModule; found by name while a CDynLinkLibrary
    // of the module is in the chain.
    CRuntimeClass* pFirstSharedClass = nullptr;
};

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

class CDynLinkLibrary {
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state);
    CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource);
    virtual ~CDynLinkLibrary();
    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;

    HMODULE m_hModule;
    HMODULE m_hResource;
    CRuntimeClass* m_pFirstSharedClass = nullptr;
    CDynLinkLibrary* m_pNextDLL = nullptr;
};

// The first library in the chain (null when none).
CDynLinkLibrary* AfxGetFirstDynLinkLibrary();
