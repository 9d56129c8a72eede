// "Hex editor": a block of bytes in the three columns, editable by keyboard
// and mouse, with check boxes for the column options, and a read-only view
// of the same kind of data with short addresses from a base and no
// character column.  Its second picture shows the context menu.
#include "gallery_page.h"

#include "edit/hex_edit.h"
#include "snapshot.h"

#include <cstring>
#include <vector>

namespace {

enum : UINT {
    IDC_HEX = 100,
    IDC_VIEW,
    IDC_ADDRESS,
    IDC_HEXDIGITS,
    IDC_CHARS,
    IDC_WIDE,
    IDC_DELETES,
    IDC_READONLY,
    IDC_WIDE_ROWS,
};

const struct {
    UINT nID;
    const char* pszText;
} s_options[] = {
    {IDC_ADDRESS, "&Addresses"},        {IDC_HEXDIGITS, "&Hex digits"},  {IDC_CHARS, "&Characters"},
    {IDC_WIDE, "&Wide addresses"},      {IDC_DELETES, "Allow &deletes"}, {IDC_READONLY, "&Read-only"},
    {IDC_WIDE_ROWS, "1&6 bytes per row"},
};

// A text, then every byte value once, then another text.
std::vector<BYTE> SampleBlock() {
    const char szHead[] = "KX hex editor: addresses, digits and characters side by side.\r\n";
    const char szTail[] = "Type over any nibble, or past the end to grow the block.";
    std::vector<BYTE> bytes(szHead, szHead + sizeof szHead - 1);
    for (int i = 0; i < 256; ++i) bytes.push_back(static_cast<BYTE>(i));
    bytes.insert(bytes.end(), szTail, szTail + sizeof szTail - 1);
    return bytes;
}

class CHexEditPage : public CGalleryPage {
public:
    CHexEditPage() : CGalleryPage("Hex editor") {}

    void PrepareSnapshot() override {
        // Thirteen bytes selected in the hex column, the caret on the low
        // nibble of the last of them.
        m_hex.SetFocus();
        m_hex.m_nEditMode = KX_HEX_MODE_LOW;
        m_hex.m_nCurrentAddress = 0x1C;
        m_hex.SetSel(0x10, 0x1D);
    }

    BOOL SaveExtraSnapshots(const CString& strPathPrefix, CWnd* pFrame) override {
        CRect rc;
        m_hex.GetWindowRect(&rc);
        const CPoint pt(rc.left + 190, rc.top + 60);
        return SaveWindowPngWithMenu(pFrame, strPathPrefix + "-menu.png", [&] {
            m_hex.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_hex.m_hWnd), MAKELPARAM(pt.x, pt.y));
        });
    }

protected:
    BOOL CreateControls() override {
        const DWORD dwHexStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL;
        if (!m_label.Create("Up to 1 KB: type digits or characters, Tab between the columns, Insert, Delete, "
                            "Backspace; right-click for the menu.",
                            WS_CHILD | WS_VISIBLE, CRect(0, 0, 720, 18), this) ||
            !m_hex.Create(dwHexStyle, CRect(0, 22, 660, 330), this, IDC_HEX))
            return FALSE;
        m_hex.ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
        std::vector<BYTE> bytes = SampleBlock();
        m_hex.SetBPR(16);
        m_hex.SetData(bytes.data(), static_cast<int>(bytes.size()), 1024);

        // Two rows of options under the editor.
        for (int i = 0; i < static_cast<int>(sizeof s_options / sizeof s_options[0]); ++i) {
            const int x = (i % 4) * 140, y = 338 + (i / 4) * 24;
            if (!m_boxes[i].Create(s_options[i].pszText, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
                                   CRect(x, y, x + 136, y + 20), this, s_options[i].nID))
                return FALSE;
        }
        for (UINT nID : {IDC_ADDRESS, IDC_HEXDIGITS, IDC_CHARS, IDC_WIDE, IDC_DELETES, IDC_WIDE_ROWS})
            CheckDlgButton(nID, BST_CHECKED);

        if (!m_viewLabel.Create("Read-only, 4-digit addresses from 7C00, no character column:",
                                WS_CHILD | WS_VISIBLE, CRect(0, 396, 660, 414), this) ||
            !m_view.Create(dwHexStyle | ES_READONLY, CRect(0, 418, 500, 556), this, IDC_VIEW))
            return FALSE;
        m_view.ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
        std::vector<BYTE> boot(512);
        for (size_t i = 0; i < boot.size(); ++i) boot[i] = static_cast<BYTE>(i * 7 + (i >> 3));
        boot[510] = 0x55;
        boot[511] = 0xAA;
        m_view.SetOptions(1, 1, 0, 0);
        m_view.SetAddressBase(0x7C00);
        m_view.SetBPR(16);
        m_view.SetData(boot.data(), static_cast<int>(boot.size()), -1);
        return TRUE;
    }

    void OnOption(UINT) {
        m_hex.SetOptions(IsDlgButtonChecked(IDC_ADDRESS), IsDlgButtonChecked(IDC_HEXDIGITS),
                         IsDlgButtonChecked(IDC_CHARS), IsDlgButtonChecked(IDC_WIDE));
        m_hex.SetAllowDeletes(IsDlgButtonChecked(IDC_DELETES) != 0);
        m_hex.SetReadOnly(IsDlgButtonChecked(IDC_READONLY));
        m_hex.SetBPR(IsDlgButtonChecked(IDC_WIDE_ROWS) ? 16 : 8);
        m_hex.Invalidate();
    }

private:
    CStatic m_label, m_viewLabel;
    CKXHexEdit m_hex, m_view;
    CButton m_boxes[sizeof s_options / sizeof s_options[0]];

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHexEditPage, CGalleryPage)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_ADDRESS, IDC_WIDE_ROWS, OnOption)
END_MESSAGE_MAP()

}  // namespace

CGalleryPage* CreateHexEditPage() { return new CHexEditPage; }
