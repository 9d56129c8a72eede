// A host window subclassed by a CWnd for the colour controls' tests (so
// that it reflects the picker's owner drawing and clicks back to it, as a
// framework parent does), the shared colours refreshed for the scheme the
// test process runs with, and no user colours at the start of a test.
#pragma once

#include "colour/color_popup.h"
#include "core/aux_data.h"
#include "core/color_manager.h"
#include "support/host_window.h"
#include "support/pump.h"

#include <gtest/gtest.h>

#include <set>

namespace kxtest {

// The six notifications, as messages and as WM_COMMAND codes.
inline const std::set<UINT> kColourMessages = {KXCPN_SELCHANGE, KXCPN_DROPDOWN,     KXCPN_CLOSEUP,
                                               KXCPN_SELENDOK,  KXCPN_SELENDCANCEL, KXCPN_SELNOFILL};

class ColourTest : public ::testing::Test {
protected:
    void SetUp() override {
        CKXColorPopup::ResetUserColors();
        CKXColorManager::s_managerInstance.RefreshColors(FALSE);
        CKXAuxData::Get().UpdateSysColors();
        ASSERT_TRUE(m_host.SubclassWindow(m_window.hwnd()));
    }
    void TearDown() override {
        PumpUntilIdle();
        m_host.UnsubclassWindow();
        CKXColorPopup::ResetUserColors();
    }

    HostWindow m_window;
    CWnd m_host;
};

inline CPoint Centre(const RECT& rc) { return CPoint((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2); }

}  // namespace kxtest
