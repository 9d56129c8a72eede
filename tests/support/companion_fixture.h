// Fixtures for tests that read the library's companion module (its menus,
// toolbars and bitmaps are real data): KXRes.dll is the resource module
// while the test runs, and (CompanionModuleTest) a host window is attached
// to a CWnd.
#pragma once

#include "win/afxwin.h"

#include "support/host_window.h"

#include <gtest/gtest.h>

namespace kxtest {

// KXRes.dll as the resource module while a test runs.
class CompanionResourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_hRes = ::LoadLibraryExA("KXRes.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(nullptr, m_hRes);
        m_hOld = AfxGetResourceHandle();
        AfxSetResourceHandle(m_hRes);
    }
    void TearDown() override {
        if (m_hRes == nullptr) return;
        AfxSetResourceHandle(m_hOld);
        ::FreeLibrary(m_hRes);
        m_hRes = nullptr;
    }

    HINSTANCE m_hRes = nullptr, m_hOld = nullptr;
};

// The same with a host window attached to a CWnd.
class CompanionModuleTest : public CompanionResourceTest {
protected:
    void SetUp() override {
        CompanionResourceTest::SetUp();
        m_host.Attach(m_window.hwnd());
    }
    void TearDown() override {
        if (m_host.m_hWnd != nullptr) m_host.Detach();
        CompanionResourceTest::TearDown();
    }

    HostWindow m_window;
    CWnd m_host;
};

}  // namespace kxtest
