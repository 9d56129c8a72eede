// A host window attached to a CWnd for the colour controls' tests, which
// start every test without user colours and record what the host gets.
#pragma once

#include "colour/color_popup.h"
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
        m_host.Attach(m_window.hwnd());
    }
    void TearDown() override {
        PumpUntilIdle();
        m_host.Detach();
        CKXColorPopup::ResetUserColors();
    }

    HostWindow m_window;
    CWnd m_host;
};

inline CPoint Centre(const RECT& rc) { return CPoint((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2); }

}  // namespace kxtest
