// KX.dll's entry: joins the framework as an extension module, builds the
// module-wide objects and fills the shared data.
#include "bars/menu.h"
#include "colour/color_selector.h"
#include "core/aux_data.h"
#include "core/color_manager.h"
#include "core/draw_helpers.h"
#include "core/module_state.h"
#include "core/theme_wrapper.h"

namespace {

// --- the step record ----------------------------------------------------

const char* g_apSteps[64];
int g_nSteps = 0;
KX_STARTUP_OBSERVER g_pfnObserver = nullptr;

void Step(const char* pszStep) {
    ASSERT(g_nSteps < static_cast<int>(sizeof g_apSteps / sizeof g_apSteps[0]));  // room for every step
    if (g_nSteps < static_cast<int>(sizeof g_apSteps / sizeof g_apSteps[0])) g_apSteps[g_nSteps++] = pszStep;
    if (g_pfnObserver) g_pfnObserver(pszStep);
}

// A module-wide value that records when it is built and torn down.
template <typename T>
class CTracked {
public:
    template <typename F>
    CTracked(const char* pszBuilt, const char* pszGone, F make) : m_value(make()), m_pszGone(pszGone) {
        Step(pszBuilt);
    }
    ~CTracked() { Step(m_pszGone); }
    CTracked(const CTracked&) = delete;
    CTracked& operator=(const CTracked&) = delete;
    const T& Value() const { return m_value; }

private:
    T m_value;
    const char* m_pszGone;
};

}  // namespace

// --- the module-wide objects, in the order they are built ----------------
//
// The objects that other families reach by their class's static member are
// defined here, in front of the rest, so that the order does not depend on
// the order in which the linker meets the files.  Everything in this file is
// built top to bottom when the module is mapped (before DllMain runs) and
// destroyed bottom to top after DllMain has handled the detach.
CKXDrawHelpers CKXDrawHelpers::m_instanceDrawManager;
CKXColorManager CKXColorManager::s_managerInstance;
CTypedPtrArray<CPtrArray, HMENU> CKXMenu::m_AllSubMenus;
CUIntArray CKXColorSelectorCtrl::m_arUserDefColors;

namespace {

// The steps below mark each object's place in the order.  Objects of the
// families not yet in the library get their place here when they arrive:
//   (1. the drawing-helper instance, above)
//   2. the window map of the window hooks
//   3. the run-time binding of UpdateLayeredWindow for popup effects
//   (4. the combo boxes' drop-button width, below)
//   (5. the colour selector's user colours, above)
//   (6. the "BinaryData" clipboard format, below)
//   (7. the colour manager, above)
//   8. the flat-control manager's maps m_ctrlMap, m_dlgMap, m_threadMap
//   9. the flat-control manager instance
//  (10. the menu's operating-system value, below, and its m_AllSubMenus
//       list, above)
//  (11. the "TaskbarCreated" message, below; the tray icon's message table
//       takes it when the tray icon arrives)
struct CKXModuleObjects {
    CTracked<BOOL> drawHelpers{"+DrawHelpers", "-DrawHelpers", [] {
        return CKXDrawHelpers::m_instanceDrawManager.HasPlatformGradient();
    }};
    CTracked<int> nComboDropWidth{"+ComboDropWidth", "-ComboDropWidth", [] {
        return ::GetSystemMetrics(SM_CXHTHUMB) + 2 * ::GetSystemMetrics(SM_CXEDGE);
    }};
    CTracked<BOOL> userColors{"+UserColors", "-UserColors", [] {
        return CKXColorSelectorCtrl::m_arUserDefColors.GetSize() == 0;
    }};
    CTracked<UINT> cfBinaryData{"+BinaryData", "-BinaryData",
                                [] { return ::RegisterClipboardFormatA("BinaryData"); }};
    CTracked<BOOL> colorManager{"+ColorManager", "-ColorManager", [] { return TRUE; }};
    CTracked<int> nMenuShellLevel{"+MenuShellLevel", "-MenuShellLevel",
                                  [] { return CKXMenu::ComputeShellLevel(); }};
    CTracked<BOOL> menuSubMenus{"+MenuSubMenus", "-MenuSubMenus", [] { return TRUE; }};
    CTracked<UINT> nTaskbarCreated{"+TaskbarCreated", "-TaskbarCreated",
                                   [] { return ::RegisterWindowMessageA("TaskbarCreated"); }};
};

CKXModuleObjects g_moduleObjects;

AFX_EXTENSION_MODULE g_extensionModule;

}  // namespace

UINT KXGetBinaryDataFormat() { return g_moduleObjects.cfBinaryData.Value(); }
UINT KXGetTaskbarCreatedMessage() { return g_moduleObjects.nTaskbarCreated.Value(); }
int KXGetComboDropWidth() { return g_moduleObjects.nComboDropWidth.Value(); }
int KXGetMenuShellLevel() { return g_moduleObjects.nMenuShellLevel.Value(); }

int KXGetStartupSteps(const char** ppSteps, int nMax) {
    int n = 0;
    for (; ppSteps && n < nMax && n < g_nSteps; ++n) ppSteps[n] = g_apSteps[n];
    return ppSteps ? n : g_nSteps;
}

void KXSetStartupObserver(KX_STARTUP_OBSERVER pfnObserver) { g_pfnObserver = pfnObserver; }

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
    switch (dwReason) {
    case DLL_PROCESS_ATTACH:
        // The library's classes registered into the application's list while
        // the module's static records were built; the extension-module
        // initialisation moves them into the library's own record.
        if (!AfxInitExtensionModule(g_extensionModule, hInstance)) return FALSE;
        Step("AfxInitExtensionModule");
        // Joins the application's chain of resource and class look-ups; the
        // framework owns it from here and frees it at termination.
        new CDynLinkLibrary(g_extensionModule);
        Step("CDynLinkLibrary");
        CKXAuxData::Get().InitResources(g_extensionModule.hResource);
        Step("InitResources");
        return TRUE;
    case DLL_PROCESS_DETACH:
        // No visual-styles calls from here on: the library may be gone.
        CKXWinThemeWrapper::m_bDllDetached = TRUE;
        Step("AfxTermExtensionModule");
        AfxTermExtensionModule(g_extensionModule);
        return TRUE;
    default:
        return TRUE;
    }
}
