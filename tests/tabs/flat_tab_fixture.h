// What the flat tab control's Wine tests share: a host window attached to a
// CWnd, the control, and panes to put behind its tabs.
#pragma once

#include "tabs/flat_tab_ctrl.h"

#include "core/aux_data.h"
#include "core/color_manager.h"

#include "support/host_window.h"
#include "support/pump.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace kxtest {

// A tab's window: a child that fills itself with one colour.
class CPaneWnd : public CWnd {
public:
    explicit CPaneWnd(COLORREF clr) : m_clr(clr) {}
    BOOL Create(CWnd* pParent, DWORD dwStyle = WS_CHILD | WS_VISIBLE) {
        return CWnd::Create(AfxRegisterWndClass(0), "pane", dwStyle, CRect(0, 0, 10, 10), pParent, 0);
    }
    COLORREF m_clr;

protected:
    // No message map: this header is part of several test files.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_ERASEBKGND) {
            CRect rc;
            GetClientRect(&rc);
            CDC::FromHandle(reinterpret_cast<HDC>(wParam))->FillSolidRect(&rc, m_clr);
            return TRUE;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class FlatTabTest : public ::testing::Test {
protected:
    static constexpr UINT kID = 77;

    void SetUp() override {
        // The strip's face and frames come from the shared data, which took
        // the colours of the moment the library was loaded: the test
        // process's scheme came later.
        CKXColorManager::s_managerInstance.RefreshColors(FALSE);
        CKXAuxData::Get().UpdateSysColors();
        m_host.Attach(m_window.hwnd());
    }
    void TearDown() override {
        m_tabs.DestroyWindow();
        m_panes.clear();
        m_host.Detach();
        PumpUntilIdle();
    }

    // The control over the host's whole client area.
    void Create(DWORD dwStyle, const CRect& rc = CRect(0, 0, HostWindow::kDefaultWidth, HostWindow::kDefaultHeight)) {
        ASSERT_TRUE(m_tabs.Create(WS_CHILD | WS_VISIBLE | dwStyle, rc, &m_host, kID));
    }

    // A pane in the host, for a tab to take over.
    CPaneWnd* NewPane(COLORREF clr) {
        m_panes.push_back(std::make_unique<CPaneWnd>(clr));
        EXPECT_TRUE(m_panes.back()->Create(&m_host));
        return m_panes.back().get();
    }

    // Tabs "Tab 0" .. "Tab n-1" without windows.
    void AddTabs(int n) {
        for (int i = 0; i < n; ++i) {
            const int nIndex = m_tabs.GetItemCount();
            CString str;
            str.Format("Tab %d", nIndex);
            ASSERT_EQ(nIndex, m_tabs.InsertItem(nIndex, str));
        }
    }

    const CKXFlatTabLayout& Layout() const { return m_tabs.GetLayout(); }

    HostWindow m_window;
    CWnd m_host;
    CKXFlatTabCtrl m_tabs;
    std::vector<std::unique_ptr<CPaneWnd>> m_panes;
};

}  // namespace kxtest
