// "Colours": colour pickers (the classic button, the flat face with its
// text, the text in colour), a colour selector with user colours placed on
// the page, and a button that opens the colour dialog.  A line at the foot
// reports the notifications.  Further pictures: a picker's popup open over
// the page, and the dialog's standard and custom pages.
#include "gallery_page.h"

#include "colour/color_dialog.h"
#include "colour/color_picker.h"
#include "colour/color_popup.h"
#include "colour/color_text.h"
#include "snapshot.h"

#include <memory>
#include <vector>

namespace {

enum : UINT {
    IDC_PICKER = 100,
    IDC_PICKER_FLAT,
    IDC_PICKER_TEXT,
    IDC_MORE,
    IDC_STATUS,
};

const char* NotificationName(UINT n) {
    switch (n) {
    case KXCPN_SELCHANGE: return "KXCPN_SELCHANGE";
    case KXCPN_DROPDOWN: return "KXCPN_DROPDOWN";
    case KXCPN_CLOSEUP: return "KXCPN_CLOSEUP";
    case KXCPN_SELENDOK: return "KXCPN_SELENDOK";
    case KXCPN_SELENDCANCEL: return "KXCPN_SELENDCANCEL";
    case KXCPN_SELNOFILL: return "KXCPN_SELNOFILL";
    default: return "?";
    }
}

// Handles what is waiting, as the application's loop would.
void PumpPending() {
    MSG msg;
    for (int i = 0; i < 1000 && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

class CColoursPage : public CGalleryPage {
public:
    CColoursPage() : CGalleryPage("Colours") {}

    BOOL SaveExtraSnapshots(const CString& strPathPrefix, CWnd* pFrame) override {
        // The first picker's popup, the highlight on a cell.
        m_picker.ShowPopupWindow();
        PumpPending();
        HWND hPopup = m_picker.GetPopupWindow();
        if (hPopup == nullptr) return FALSE;
        for (UINT vk : {VK_DOWN, VK_DOWN, VK_RIGHT, VK_RIGHT}) m_picker.SendMessage(WM_KEYDOWN, vk, 0);
        ::UpdateWindow(hPopup);
        pFrame->UpdateWindow();
        BOOL bSaved = SaveWindowPngWithPopup(pFrame, strPathPrefix + "-popup.png", hPopup);
        m_picker.SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
        PumpPending();

        // The dialog over the gallery, one picture per page.
        CKXColorDialog dlg(RGB(0x33, 0x66, 0x99), RGB(0xFF, 0x99, 0x33), 0, this);
        if (!dlg.Create(this)) return FALSE;
        const char* const names[] = {"-dialog-standard.png", "-dialog-custom.png"};
        for (int i = 0; i < 2; ++i) {
            dlg.SetActivePage(i);
            PumpPending();
            dlg.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            bSaved &= SaveWindowPngWithPopup(pFrame, strPathPrefix + names[i], dlg.m_hWnd);
        }
        dlg.DestroyWindow();
        return bSaved;
    }

protected:
    BOOL CreateControls() override {
        Label("Pickers: click one (or Alt+Down, F4) and choose with the mouse or the arrow keys and Enter.", 8, 8, 640);
        Label("Classic:", 8, 36, 90);
        Label("Flat, with text:", 8, 68, 90);
        Label("Text in colour:", 8, 100, 90);
        if (!m_picker.Create("", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(104, 32, 214, 52), this, IDC_PICKER) ||
            !m_pickerFlat.Create("Accent", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(104, 64, 214, 84), this,
                                 IDC_PICKER_FLAT) ||
            !m_pickerText.Create("Heading", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(104, 96, 214, 116), this,
                                 IDC_PICKER_TEXT))
            return FALSE;
        m_picker.SetColor(RGB(0, 0, 128));
        m_picker.SetDefaultColor(RGB(0, 0, 0));
        m_pickerFlat.SetFlatLook(TRUE);
        m_pickerFlat.ShowText(TRUE);
        m_pickerFlat.SetColor(RGB(255, 204, 0));
        m_pickerFlat.SetPopupStyle(KXCPS_40COLORS | KXCPS_USERCOLORS);
        m_pickerText.ShowText(TRUE);
        m_pickerText.SetTextInColor(TRUE);
        m_pickerText.SetColor(RGB(153, 51, 51));
        m_pickerText.SetPopupStyle(KXCPS_NOFILL | KXCPS_40COLORS);

        // Colours the user chose before, shared by every selector.
        if (CKXColorSelectorCtrl::m_arUserDefColors.GetSize() == 0)
            for (COLORREF clr : {RGB(230, 120, 40), RGB(40, 140, 200), RGB(120, 60, 160), RGB(20, 120, 90)})
                CKXColorPopup::AddUserColor(clr);
        Label("A selector with user colours:", 260, 36, 300);
        if (!m_selector.Create(CRect(260, 40, 260, 56), this, KXCPS_40COLORS | KXCPS_USERCOLORS, RGB(40, 140, 200),
                               RGB(0, 0, 0)))
            return FALSE;

        if (!m_more.Create("More colours...", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                           CRect(8, 140, 214, 166), this, IDC_MORE))
            return FALSE;
        return m_status.Create("Notifications show here.", WS_CHILD | WS_VISIBLE | SS_SUNKEN | SS_CENTERIMAGE,
                               CRect(8, 300, 660, 322), this, IDC_STATUS);
    }

    void OnPickerNotify(UINT nID) {
        const MSG* pMsg = GetCurrentMessage();
        const UINT nCode = HIWORD(pMsg->wParam);
        auto* pPicker = static_cast<CKXColorPicker*>(GetDlgItem(static_cast<int>(nID)));
        CString str;
        str.Format("Picker %u: %s, %s.", nID - IDC_PICKER + 1, NotificationName(nCode),
                   static_cast<const char*>(KXColorToHex(pPicker->GetColor())));
        m_status.SetWindowText(str);
    }

    LRESULT OnSelectorEnd(WPARAM wParam, LPARAM) {
        const MSG* pMsg = GetCurrentMessage();
        m_selector.SelectColor(static_cast<COLORREF>(wParam));
        CString str;
        str.Format("Selector: %s, %s.", NotificationName(pMsg->message),
                   static_cast<const char*>(KXColorToHex(static_cast<COLORREF>(wParam))));
        m_status.SetWindowText(str);
        return 0;
    }

    void OnMore() {
        CKXColorDialog dlg(m_picker.GetColor(), m_picker.GetColor(), 0, this);
        if (dlg.DoModal() == IDOK) m_picker.SetColor(dlg.GetColor());
    }

private:
    void Label(LPCTSTR lpszText, int x, int y, int cx) {
        m_labels.push_back(std::make_unique<CStatic>());
        m_labels.back()->Create(lpszText, WS_CHILD | WS_VISIBLE, CRect(x, y, x + cx, y + 16), this);
    }

    CKXColorPicker m_picker, m_pickerFlat, m_pickerText;
    CKXColorSelectorCtrl m_selector;
    CButton m_more;
    CStatic m_status;
    std::vector<std::unique_ptr<CStatic>> m_labels;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColoursPage, CGalleryPage)
    ON_CONTROL_RANGE(KXCPN_SELENDOK, IDC_PICKER, IDC_PICKER_TEXT, OnPickerNotify)
    ON_CONTROL_RANGE(KXCPN_SELENDCANCEL, IDC_PICKER, IDC_PICKER_TEXT, OnPickerNotify)
    ON_CONTROL_RANGE(KXCPN_SELCHANGE, IDC_PICKER, IDC_PICKER_TEXT, OnPickerNotify)
    ON_CONTROL_RANGE(KXCPN_SELNOFILL, IDC_PICKER, IDC_PICKER_TEXT, OnPickerNotify)
    ON_MESSAGE(KXCPN_SELENDOK, OnSelectorEnd)
    ON_MESSAGE(KXCPN_SELCHANGE, OnSelectorEnd)
    ON_MESSAGE(KXCPN_SELENDCANCEL, OnSelectorEnd)
    ON_COMMAND(IDC_MORE, OnMore)
END_MESSAGE_MAP()

}  // namespace

CGalleryPage* CreateColoursPage() { return new CColoursPage; }
