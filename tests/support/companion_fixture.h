// A fixture for tests that read the library's companion module (its menus,
// toolbars and bitmaps are real data): KXRes.dll is the resource module
// while the test runs, and a host window is attached to a CWnd.
#pragma once

#include "win/afxwin.h"

#include "support/host_window.h"

#include <gtest/gtest.h>

namespace kxtest {

class CompanionModuleTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_hRes = ::LoadLibraryExA("KXRes.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(nullptr, m_hRes);
        m_hOld = AfxGetResourceHandle();
        AfxSetResourceHandle(m_hRes);
        m_host.Attach(m_window.hwnd());
    }
    void TearDown() override {
        m_host.Detach();
        AfxSetResourceHandle(m_hOld);
        if (m_hRes) ::FreeLibrary(m_hRes);
    }

    HostWindow m_window;
    CWnd m_host;
    HINSTANCE m_hRes = nullptr, m_hOld = nullptr;
};

}  // namespace kxtest
