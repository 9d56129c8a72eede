// What the edit controls' Wine tests share: a host window attached to a
// CWnd (so that the colour messages of its children are reflected back to
// them, as a framework parent does), the shared colours refreshed for the
// classic scheme the test process runs with, the answer of a command-update
// handler, and the clipboard's text.
#pragma once

#include "core/aux_data.h"
#include "core/color_manager.h"
#include "win/afxwin.h"

#include "support/named_lock.h"
#include "support/host_window.h"
#include "support/pump.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace kxtest {

class EditTest : public ::testing::Test {
protected:
    // The clipboard is the desktop's: other test programs keep off it meanwhile.
    ClipboardLock m_clipboardLock;

    void SetUp() override {
        CKXColorManager::s_managerInstance.RefreshColors(FALSE);
        CKXAuxData::Get().UpdateSysColors();
        ASSERT_TRUE(m_parent.SubclassWindow(m_window.hwnd()));
    }
    void TearDown() override {
        m_parent.UnsubclassWindow();
        PumpUntilIdle();
    }

    static constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
    static constexpr DWORD kExStyle = WS_EX_CLIENTEDGE;

    // Created by the library: Create, then the client edge as dialogs give it.
    template <class T>
    void Make(T& ctrl, const CRect& rc, DWORD dwStyle = kStyle, UINT nID = 100) {
        ASSERT_TRUE(ctrl.Create(dwStyle, rc, &m_parent, nID));
        ctrl.ModifyStyleEx(0, kExStyle, SWP_FRAMECHANGED);
        PumpUntilIdle();
    }
    // A plain edit of the host, then subclassed, as a dialog item is.
    template <class T>
    void Subclass(T& ctrl, const CRect& rc, DWORD dwStyle = kStyle, UINT nID = 101) {
        HWND hEdit = ::CreateWindowExA(kExStyle, "EDIT", "", dwStyle, rc.left, rc.top, rc.Width(), rc.Height(),
                                       m_window.hwnd(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)),
                                       ::GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, hEdit);
        ASSERT_TRUE(ctrl.SubclassDlgItem(nID, &m_parent));
        PumpUntilIdle();
    }

    // Pumps as an application's loop does: PreTranslateMessage first.
    void PumpTranslated() {
        MSG msg;
        for (int i = 0; i < 200 && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i)
            if (!CWnd::WalkPreTranslateTree(m_window.hwnd(), &msg)) ::DispatchMessageA(&msg);
        PumpUntilIdle();
    }

    HostWindow m_window;
    CWnd m_parent;
};

// The answer of a command-update handler.
class CmdUIProbe : public CCmdUI {
public:
    explicit CmdUIProbe(UINT nID) { m_nID = nID; }
    void Enable(BOOL bOn) override {
        m_bAnswered = TRUE;
        m_bEnabled = bOn;
    }
    BOOL m_bAnswered = FALSE;
    BOOL m_bEnabled = FALSE;
};

// Whether pTarget's update handler for nID enables it; -1 when it leaves
// the item alone.
inline int UpdateState(CCmdTarget* pTarget, UINT nID) {
    CmdUIProbe probe(nID);
    pTarget->OnCmdMsg(nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &probe, nullptr);
    return probe.m_bAnswered ? (probe.m_bEnabled ? 1 : 0) : -1;
}

// Puts text on the clipboard; null empties it.
inline void SetClipboard(HWND hOwner, const char* psz) {
    ASSERT_TRUE(::OpenClipboard(hOwner));
    ::EmptyClipboard();
    if (psz) {
        const size_t cb = std::strlen(psz) + 1;
        HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, cb);
        std::memcpy(::GlobalLock(h), psz, cb);
        ::GlobalUnlock(h);
        ::SetClipboardData(CF_TEXT, h);
    }
    ::CloseClipboard();
}

// The clipboard's text; "<none>" when it holds none.
inline std::string ClipboardText(HWND hOwner) {
    std::string text = "<none>";
    if (!::OpenClipboard(hOwner)) return "<cannot open>";
    if (HANDLE h = ::GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(::GlobalLock(h));
        ::GlobalUnlock(h);
    }
    ::CloseClipboard();
    return text;
}

}  // namespace kxtest
