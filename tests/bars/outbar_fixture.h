// What the outlook bar's Wine tests share: a host window attached to a CWnd
// (so that owner-draw and colour messages are reflected, as a framework
// parent does) that records every WM_OUTBAR_NOTIFY with a copy of its record
// and answers it (1 unless a test says otherwise), image lists of solid
// coloured icons, and a filled bar.
#pragma once

#include "bars/outbar.h"
#include "core/aux_data.h"
#include "core/color_manager.h"
#include "win/afxwin.h"

#include "support/capture.h"
#include "support/host_window.h"
#include "support/input.h"
#include "support/named_lock.h"
#include "support/pump.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace kxtest {

// The colours of the test icons, image i in colour i.
inline const COLORREF kIconColors[] = {RGB(255, 0, 0),   RGB(0, 160, 0),   RGB(0, 0, 255),  RGB(255, 200, 0),
                                       RGB(160, 0, 160), RGB(0, 160, 160), RGB(120, 60, 0), RGB(255, 120, 180)};
constexpr int kIconCount = 8;

// Image lists of opaque icons, image i in colour i.
inline void FillImageList(CImageList& list, int cx) {
    list.Create(cx, cx, ILC_COLOR24 | ILC_MASK, kIconCount, 0);
    CClientDC screen(nullptr);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    for (COLORREF clr : kIconColors) {
        CBitmap color, mask;  // a black mask: every pixel shows
        color.CreateCompatibleBitmap(&screen, cx, cx);
        mask.CreateBitmap(cx, cx, 1, 1, nullptr);
        CBitmap* pOld = dc.SelectObject(&color);
        dc.FillSolidRect(0, 0, cx, cx, clr);
        dc.SelectObject(&mask);
        dc.PatBlt(0, 0, cx, cx, BLACKNESS);
        dc.SelectObject(pOld);
        ICONINFO ii = {TRUE, 0, 0, static_cast<HBITMAP>(mask.GetSafeHandle()),
                       static_cast<HBITMAP>(color.GetSafeHandle())};
        HICON hIcon = ::CreateIconIndirect(&ii);
        list.Add(hIcon);
        ::DestroyIcon(hIcon);
    }
}

class OutBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        CKXColorManager::s_managerInstance.RefreshColors(FALSE);
        CKXAuxData::Get().UpdateSysColors();
        ASSERT_TRUE(m_parent.SubclassWindow(m_window.hwnd()));
        m_window.SetMessageHandler([this](HWND, UINT nMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
            if (nMsg != WM_OUTBAR_NOTIFY || m_bIgnore) return false;
            const int nCode = static_cast<int>(wParam);
            m_notes.push_back(Describe(nCode, *reinterpret_cast<const KX_OUTBAR_INFO*>(lParam)));
            const auto it = m_replies.find(nCode);
            *pResult = it == m_replies.end() ? 1 : it->second;
            if (m_onNotify) m_onNotify(nCode);
            return true;
        });
        FillImageList(m_large, 32);
        FillImageList(m_small, 16);
        // The real cursor away from everything, so that the system's own
        // mouse messages do not move through the bar.
        MoveCursorTo(m_window.hwnd(), POINT{390, 290});
    }
    void TearDown() override {
        m_bIgnore = true;
        m_parent.UnsubclassWindow();
        PumpUntilIdle();
    }

    // "code:index,from,to,folderFrom,folderTo,T|F,text"
    static std::string Describe(int nCode, const KX_OUTBAR_INFO& info) {
        char sz[64];
        std::snprintf(sz, sizeof sz, "%d:%d,%d,%d,%d,%d,%c,", nCode, info.nIndex, info.nDragFrom, info.nDragTo,
                      info.nFolderFrom, info.nFolderTo, info.bFolder ? 'T' : 'F');
        return sz + std::string(info.lpszText ? info.lpszText : "<null>");
    }
    // The notifications so far, which are then forgotten.
    std::vector<std::string> Notes() {
        std::vector<std::string> notes;
        notes.swap(m_notes);
        return notes;
    }

    // Three folders in a 200 x 300 bar at the host's corner: "Mail" (large
    // icons: Inbox, Calendar, Contacts, Tasks), "Small" (small icons: Notes,
    // Journal) and "Tree" (a child window).  The inside rectangle of folder 0
    // spans y = 21 to 256.
    template <class T = CKXOutBarCtrl>
    void Make(T& bar, DWORD dwFlags = OUTBAR_DEFAULTFLAGS, CRect rc = CRect(0, 0, 200, 300)) {
        ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE, rc, &m_parent, 100, dwFlags));
        bar.SetImageList(&m_large, OUTBAR_IMAGE_LARGE);
        bar.SetImageList(&m_small, OUTBAR_IMAGE_SMALL);
        bar.AddFolder("Mail", 10);
        bar.AddFolder("Small", 11);
        ASSERT_TRUE(m_child.Create(WS_CHILD | LBS_NOINTEGRALHEIGHT, CRect(0, 0, 10, 10), &bar, 300));
        m_child.AddString("child window");
        bar.AddFolderBar("Tree", &m_child, 12);
        bar.GetBarFolder(1)->SetSmallIcons(TRUE);
        const char* mail[] = {"Inbox", "Calendar", "Contacts", "Tasks"};
        for (int i = 0; i < 4; ++i) bar.InsertItem(0, -1, mail[i], i, 100u + i);
        bar.InsertItem(1, -1, "Notes", 4);
        bar.InsertItem(1, -1, "Journal", 5);
        bar.Invalidate();
        PumpUntilIdle();
        Notes();
    }

    CPoint Center(CKXOutBarCtrl& bar, int nIndex) {
        CRect rc;
        bar.GetIconRect(bar.GetSelFolder(), nIndex, rc);
        return rc.CenterPoint();
    }

    CursorLock m_cursorLock;  // first: held for the whole test
    HostWindow m_window;
    CWnd m_parent;
    CImageList m_large, m_small;
    CListBox m_child;
    std::vector<std::string> m_notes;
    std::map<int, LRESULT> m_replies;
    std::function<void(int)> m_onNotify;
    bool m_bIgnore = false;
};

}  // namespace kxtest
