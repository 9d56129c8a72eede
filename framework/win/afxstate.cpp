#include "win/afxstate.h"

#include <cstring>

#include "win/cmdtarget.h"
#include "win/ctl_common.h"
#include "win/dc.h"
#include "win/gdiobj.h"
#include "win/imagelist.h"
#include "win/menu.h"
#include "win/winapp.h"
#include "win/wnd.h"

namespace {

struct ModuleState {
    HINSTANCE hInstance = nullptr;
    HINSTANCE hResource = nullptr;
    CDynLinkLibrary* pLibraries = nullptr;
};

ModuleState& Module() {
    static ModuleState state;
    return state;
}

thread_local AFX_THREAD_STATE t_state;

// Releases a thread's maps when the thread ends.
struct ThreadMapsCleanup {
    ~ThreadMapsCleanup() { AfxTermThreadMaps(); }
};
thread_local ThreadMapsCleanup t_cleanup;

// Whether a class record lies in the image of the module given as context.
bool ClassInModule(const CRuntimeClass* pClass, const void* context) {
    auto base = reinterpret_cast<const BYTE*>(context);
    auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    auto p = reinterpret_cast<const BYTE*>(pClass);
    return p >= base && p < base + nt->OptionalHeader.SizeOfImage;
}

CRuntimeClass* FindClassInLibraries(LPCSTR lpszClassName) {
    for (CDynLinkLibrary* lib = Module().pLibraries; lib; lib = lib->m_pNextDLL)
        for (CRuntimeClass* p = lib->m_pFirstSharedClass; p; p = p->m_pNextClass)
            if (strcmp(p->m_lpszClassName, lpszClassName) == 0) return p;
    return nullptr;
}

struct ClassSearchInstaller {
    ClassSearchInstaller() { AfxSetClassSearchHook(&FindClassInLibraries); }
} g_classSearchInstaller;

template <class T>
CHandleMap<T>* MapOf(CHandleMap<T>*& slot, BOOL bCreate) {
    if (slot == nullptr && bCreate) {
        (void)&t_cleanup;  // make sure the thread's cleanup is registered
        slot = new CHandleMap<T>;
    }
    return slot;
}

}  // namespace

AFX_THREAD_STATE* AfxGetThreadState() { return &t_state; }

CHandleMap<CWnd>* afxMapHWND(BOOL bCreate) { return MapOf(t_state.m_pmapHWND, bCreate); }
CHandleMap<CDC>* afxMapHDC(BOOL bCreate) { return MapOf(t_state.m_pmapHDC, bCreate); }
CHandleMap<CGdiObject>* afxMapHGDIOBJ(BOOL bCreate) { return MapOf(t_state.m_pmapHGDIOBJ, bCreate); }
CHandleMap<CMenu>* afxMapHMENU(BOOL bCreate) { return MapOf(t_state.m_pmapHMENU, bCreate); }
CHandleMap<CImageList>* afxMapHIMAGELIST(BOOL bCreate) { return MapOf(t_state.m_pmapHIMAGELIST, bCreate); }

void AfxDeleteTempMaps() {
    AFX_THREAD_STATE* s = &t_state;
    if (s->m_pmapHWND) s->m_pmapHWND->DeleteTemp();
    if (s->m_pmapHDC) s->m_pmapHDC->DeleteTemp();
    if (s->m_pmapHGDIOBJ) s->m_pmapHGDIOBJ->DeleteTemp();
    if (s->m_pmapHMENU) s->m_pmapHMENU->DeleteTemp();
    if (s->m_pmapHIMAGELIST) s->m_pmapHIMAGELIST->DeleteTemp();
}

void AfxLockTempMaps() { ++t_state.m_nTempMapLock; }

BOOL AfxUnlockTempMaps(BOOL bDeleteTemps) {
    ASSERT(t_state.m_nTempMapLock > 0);
    if (t_state.m_nTempMapLock <= 0 || --t_state.m_nTempMapLock != 0) return FALSE;
    if (bDeleteTemps) AfxDeleteTempMaps();
    return TRUE;
}

void AfxTermThreadMaps() {
    AFX_THREAD_STATE* s = &t_state;
    if (CToolTipCtrl* pToolTip = s->m_pToolTip) {
        s->m_pToolTip = nullptr;
        pToolTip->DestroyWindow();
        delete pToolTip;
    }
    delete s->m_pmapHWND;
    delete s->m_pmapHDC;
    delete s->m_pmapHGDIOBJ;
    delete s->m_pmapHMENU;
    delete s->m_pmapHIMAGELIST;
    s->m_pmapHWND = nullptr;
    s->m_pmapHDC = nullptr;
    s->m_pmapHGDIOBJ = nullptr;
    s->m_pmapHMENU = nullptr;
    s->m_pmapHIMAGELIST = nullptr;
}

HINSTANCE AfxGetInstanceHandle() {
    ModuleState& m = Module();
    return m.hInstance ? m.hInstance : ::GetModuleHandleA(nullptr);
}

void AfxSetInstanceHandle(HINSTANCE hInst) { Module().hInstance = hInst; }

HINSTANCE AfxGetResourceHandle() {
    ModuleState& m = Module();
    return m.hResource ? m.hResource : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE hInstResource) { Module().hResource = hInstResource; }

LPCTSTR AfxGetAppName() {
    CWinApp* app = AfxGetApp();
    return app && app->m_pszAppName ? app->m_pszAppName : "";
}

HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType) {
    HINSTANCE hRes = AfxGetResourceHandle();
    if (::FindResourceA(hRes, lpszName, lpszType)) return hRes;
    for (CDynLinkLibrary* p = Module().pLibraries; p; p = p->m_pNextDLL)
        if (p->m_hResource && ::FindResourceA(p->m_hResource, lpszName, lpszType)) return p->m_hResource;
    return hRes;
}

HINSTANCE AfxFindStringResourceHandle(UINT nID) {
    // Strings are stored sixteen to a block named by (id / 16) + 1.
    LPCTSTR block = MAKEINTRESOURCEA((nID >> 4) + 1);
    return AfxFindResourceHandle(block, MAKEINTRESOURCEA(6) /* RT_STRING */);
}

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule) {
    if (state.bInitialized) return TRUE;
    if (hModule == nullptr) return FALSE;
    state.hModule = hModule;
    state.hResource = hModule;
    // The module's classes registered themselves in the application's list
    // while its static objects were built; they belong to its own record.
    state.pFirstSharedClass = AfxTakeClasses(&ClassInModule, hModule);
    state.bInitialized = TRUE;
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL) {
    // Libraries of this module leave the chain.
    CDynLinkLibrary** link = &Module().pLibraries;
    while (*link) {
        CDynLinkLibrary* p = *link;
        if (p->m_hModule == state.hModule) {
            *link = p->m_pNextDLL;
            p->m_pNextDLL = nullptr;
            p->m_hModule = nullptr;  // the destructor must not search again
            delete p;
        } else {
            link = &p->m_pNextDLL;
        }
    }
    state.bInitialized = FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state)
    : CDynLinkLibrary(state.hModule, state.hResource) {
    m_pFirstSharedClass = state.pFirstSharedClass;
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule), m_hResource(hResource) {
    // Join at the end: earlier libraries are searched first.
    CDynLinkLibrary** link = &Module().pLibraries;
    while (*link) link = &(*link)->m_pNextDLL;
    *link = this;
}

CDynLinkLibrary::~CDynLinkLibrary() {
    for (CDynLinkLibrary** link = &Module().pLibraries; *link; link = &(*link)->m_pNextDLL)
        if (*link == this) {
            *link = m_pNextDLL;
            break;
        }
}

CDynLinkLibrary* AfxGetFirstDynLinkLibrary() { return Module().pLibraries; }
