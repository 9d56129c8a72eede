// What the property grid's Wine tests share: a grid in a host window whose
// framework window is the grid's owner, recording every notification and
// answering it with a reply the test chooses; a sample tree; the points of a
// row's caption and value; the view's item and sequence helpers.
#pragma once

#include "core/aux_data.h"
#include "core/color_manager.h"
#include "propgrid/property_grid.h"

#include "support/host_window.h"
#include "support/input.h"
#include "support/msg_recorder.h"
#include "support/pump.h"

#include <gtest/gtest.h>

#include <vector>

namespace kxtest {

class GridTest : public ::testing::Test {
protected:
    static constexpr UINT kGridID = 100;

    void SetUp() override {
        CKXColorManager::s_managerInstance.RefreshColors(FALSE);
        CKXAuxData::Get().UpdateSysColors();
        ASSERT_TRUE(m_parent.SubclassWindow(m_window.hwnd()));
        m_window.SetMessageHandler([this](HWND, UINT nMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
            if (nMsg != KXWM_PROPERTYGRID_NOTIFY) return false;
            m_notes.push_back({wParam, lParam});
            *pResult = wParam < sizeof m_replies / sizeof m_replies[0] ? m_replies[wParam] : 0;
            return true;
        });
        ASSERT_TRUE(m_grid.Create(CRect(10, 10, 310, 310), &m_parent, kGridID));
        PumpUntilIdle();
    }
    void TearDown() override {
        m_grid.DestroyWindow();
        m_parent.UnsubclassWindow();
        PumpUntilIdle();
    }

    CKXPropertyGridView& View() { return m_grid.GetGridView(); }

    // "Appearance": Colour (a list of Red, Green, Blue), Caption (an edit),
    // Fixed (read-only); "Layout": Width, Margins (Left, Right).
    void Fill() {
        m_pAppearance = m_grid.AddCategory("Appearance");
        m_pColour = Add(m_pAppearance, "Colour", "Red", KX_ITEM_EDIT | KX_ITEM_LIST_BUTTON);
        for (const char* p : {"Red", "Green", "Blue"}) m_pColour->GetConstraints()->AddConstraint(p);
        m_pCaption = Add(m_pAppearance, "Caption", "Hello");
        m_pFixed = Add(m_pAppearance, "Fixed", "Cannot change");
        m_pFixed->SetReadOnly(TRUE);
        m_pLayout = m_grid.AddCategory("Layout");
        m_pWidth = Add(m_pLayout, "Width", "10");
        m_pMargins = Add(m_pLayout, "Margins", "1; 2", 0);
        Add(m_pMargins, "Left", "1");
        Add(m_pMargins, "Right", "2");
        m_pAppearance->Expand();
        m_pLayout->Expand();
    }
    static CKXPropertyGridItem* Add(CKXPropertyGridItem* pParent, LPCTSTR lpszCaption, LPCTSTR lpszValue,
                                    UINT nFlags = KX_ITEM_EDIT) {
        CKXPropertyGridItem* pItem = pParent->AddChildItem(new CKXPropertyGridItem(lpszCaption, lpszValue));
        pItem->SetFlags(nFlags);
        return pItem;
    }

    // Points of a shown item's row, view coordinates.
    CPoint CaptionPoint(CKXPropertyGridItem* pItem) {
        const CRect rc = pItem->GetItemRect();
        return CPoint(40, rc.CenterPoint().y);
    }
    CPoint ValuePoint(CKXPropertyGridItem* pItem) {
        const CRect rc = pItem->GetItemRect();
        return CPoint(View().GetDividerPos() + 20, rc.CenterPoint().y);
    }
    // Input posted to a window (the view when none is named), then handled.
    HWND To(HWND hWnd) { return hWnd != nullptr ? hWnd : View().m_hWnd; }
    void Click(CPoint pt, HWND hWnd = nullptr) { kxtest::PostClick(To(hWnd), pt), PumpUntilIdle(); }
    void DoubleClick(CPoint pt, HWND hWnd = nullptr) { kxtest::PostDoubleClick(To(hWnd), pt), PumpUntilIdle(); }
    void Down(CPoint pt, HWND hWnd = nullptr) { kxtest::PostMouseDown(To(hWnd), pt), PumpUntilIdle(); }
    void Up(CPoint pt, HWND hWnd = nullptr) { kxtest::PostMouseUp(To(hWnd), pt), PumpUntilIdle(); }
    void Drag(CPoint pt, HWND hWnd = nullptr) { kxtest::PostMouseMove(To(hWnd), pt, MK_LBUTTON), PumpUntilIdle(); }
    void Key(UINT vk, HWND hWnd = nullptr, bool alt = false) { kxtest::PostKeyPress(To(hWnd), vk, alt), PumpUntilIdle(); }
    void Type(const char* psz, HWND hWnd = nullptr) { kxtest::PostTypeText(To(hWnd), psz), PumpUntilIdle(); }

    // A child's rectangle in the view's coordinates; a window's text.
    CRect InView(CWnd& wnd) {
        CRect rc;
        wnd.GetWindowRect(&rc);
        View().ScreenToClient(&rc);
        return rc;
    }
    static CString Text(CWnd& wnd) {
        CString str;
        wnd.GetWindowText(str);
        return str;
    }

    // The captions of the rows, separated by spaces.
    std::string Rows() {
        std::string s;
        for (int i = 0; i < View().GetCount(); ++i)
            s += (s.empty() ? "" : " ") + std::string(View().GetItem(i)->GetCaption());
        return s;
    }
    // The codes of the notifications since the last call.
    std::vector<WPARAM> TakeCodes() {
        std::vector<WPARAM> codes;
        for (const auto& note : m_notes) codes.push_back(note.first);
        m_notes.clear();
        return codes;
    }
    static ExpectedMessage Note(WPARAM nCode) {
        return ExpectedMessage("owner", KXWM_PROPERTYGRID_NOTIFY, kSent).WithWParam(nCode);
    }

    HostWindow m_window{440, 400};
    CWnd m_parent;
    CKXPropertyGrid m_grid;
    std::vector<std::pair<WPARAM, LPARAM>> m_notes;
    LRESULT m_replies[9] = {};
    CKXPropertyGridItem *m_pAppearance = nullptr, *m_pColour = nullptr, *m_pCaption = nullptr, *m_pFixed = nullptr,
                        *m_pLayout = nullptr, *m_pWidth = nullptr, *m_pMargins = nullptr;
};

using Codes = std::vector<WPARAM>;

}  // namespace kxtest
