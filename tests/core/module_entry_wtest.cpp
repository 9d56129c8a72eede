// Loading and unloading the library: the order of the start-up steps and of
// the teardown, observed in the linked module and in a private copy of it.
#include "core/module_state.h"

#include "core/aux_data.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::vector<std::string> kAttachSteps = {
    "+DrawHelpers", "+ComboDropWidth", "+UserColors", "+BinaryData", "+ColorManager", "+MenuShellLevel", "+MenuSubMenus",
    "+TaskbarCreated", "AfxInitExtensionModule", "CDynLinkLibrary", "InitResources",
};
const std::vector<std::string> kDetachSteps = {
    "AfxTermExtensionModule", "-TaskbarCreated", "-MenuSubMenus", "-MenuShellLevel", "-ColorManager",
    "-BinaryData", "-UserColors", "-ComboDropWidth", "-DrawHelpers",
};

std::vector<std::string> StepsOf(decltype(&KXGetStartupSteps) pfn) {
    const char* steps[64];
    const int n = pfn(steps, 64);
    return std::vector<std::string>(steps, steps + n);
}

int ChainLength() {
    int n = 0;
    for (CDynLinkLibrary* p = AfxGetFirstDynLinkLibrary(); p; p = p->m_pNextDLL) ++n;
    return n;
}

TEST(ModuleEntry, LinkedModuleStartedInOrder) {
    EXPECT_EQ(kAttachSteps, StepsOf(&KXGetStartupSteps));
    HMODULE hKX = ::GetModuleHandleA("KX.dll");
    ASSERT_NE(nullptr, hKX);
    bool bInChain = false;
    for (CDynLinkLibrary* p = AfxGetFirstDynLinkLibrary(); p; p = p->m_pNextDLL) bInChain |= p->m_hModule == hKX;
    EXPECT_TRUE(bInChain);
    EXPECT_EQ(hKX, CKXAuxData::Get().hResInstance);
    EXPECT_NE(nullptr, CKXAuxData::Get().fontRegular.GetSafeHandle());
    EXPECT_EQ(::RegisterClipboardFormatA("BinaryData"), KXGetBinaryDataFormat());
    EXPECT_EQ(::RegisterWindowMessageA("TaskbarCreated"), KXGetTaskbarCreatedMessage());
    EXPECT_EQ(::GetSystemMetrics(SM_CXHTHUMB) + 2 * ::GetSystemMetrics(SM_CXEDGE), KXGetComboDropWidth());
}

std::vector<std::string> g_observed;
void Observe(const char* pszStep) { g_observed.push_back(pszStep); }

// A copy of KX.dll beside the original is a second, independent module: its
// load and unload run the whole entry again while this program watches.
TEST(ModuleEntry, CopyLoadsAndUnloadsInOrder) {
    char szPath[MAX_PATH];
    ASSERT_NE(0u, ::GetModuleFileNameA(::GetModuleHandleA("KX.dll"), szPath, MAX_PATH));
    std::string copy = szPath;
    copy = copy.substr(0, copy.find_last_of("\\/") + 1) + "KX_entry_copy.dll";
    ASSERT_TRUE(::CopyFileA(szPath, copy.c_str(), FALSE));

    const int nChain = ChainLength();
    HMODULE hCopy = ::LoadLibraryA(copy.c_str());
    ASSERT_NE(nullptr, hCopy);
    auto pfnSteps = reinterpret_cast<decltype(&KXGetStartupSteps)>(
        reinterpret_cast<void (*)()>(::GetProcAddress(hCopy, "KXGetStartupSteps")));
    auto pfnObserve = reinterpret_cast<decltype(&KXSetStartupObserver)>(
        reinterpret_cast<void (*)()>(::GetProcAddress(hCopy, "KXSetStartupObserver")));
    ASSERT_TRUE(pfnSteps && pfnObserve);
    EXPECT_EQ(kAttachSteps, StepsOf(pfnSteps));
    EXPECT_EQ(nChain + 1, ChainLength());

    g_observed.clear();
    pfnObserve(&Observe);
    EXPECT_TRUE(::FreeLibrary(hCopy));
    EXPECT_EQ(kDetachSteps, g_observed);
    EXPECT_EQ(nChain, ChainLength());
    ::DeleteFileA(copy.c_str());
}

}  // namespace
