// "Property grid": the whole control (the toolbar with the two sort buttons,
// the rows, the help pane under its splitter) with one item of every type.
// Its second picture shows the Boolean item's drop-down list open.
#include "gallery_page.h"
#include "snapshot.h"

#include "propgrid/property_grid.h"
#include "propgrid/property_grid_items.h"

namespace {

class CPropertyGridPage : public CGalleryPage {
public:
    CPropertyGridPage() : CGalleryPage("Property grid") {}

protected:
    BOOL CreateControls() override;
    void PrepareSnapshot() override;
    BOOL SaveExtraSnapshots(const CString& strPathPrefix, CWnd* pFrame) override;

private:
    template <class T>
    T* Add(CKXPropertyGridItem* pParent, T* pItem, LPCTSTR lpszDescription) {
        pParent->AddChildItem(pItem);
        pItem->SetDescription(lpszDescription);
        return pItem;
    }
    void Fill();

    CStatic m_wndLabel;
    CKXPropertyGrid m_wndGrid;
    CKXPropertyGridItemBool* m_pVisible = nullptr;
    CKXPropertyGridItemNumberSpin* m_pSpin = nullptr;
};

void CPropertyGridPage::Fill() {
    CKXPropertyGridItem* pText = m_wndGrid.AddCategory("Text");
    LOGFONT lf = {};
    lf.lfHeight = -11;
    lf.lfWeight = FW_NORMAL;
    lstrcpyA(lf.lfFaceName, "Tahoma");
    Add(pText, new CKXPropertyGridItemFont("Font", lf), "The font dialog opens from the button.");
    Add(pText, new CKXPropertyGridItemColor("Colour", RGB(0, 84, 166)), "Red; green; blue, or the colour dialog.");
    Add(pText, new CKXPropertyGridItemMaskEdit("Phone", "(999) 999-9999", "(___) ___-____", "(555) 123-4567"),
        "Typed through a mask.");
    Add(pText, new CKXPropertyGridItemHotKey("Shortcut", 'S', HOTKEYF_CONTROL | HOTKEYF_SHIFT),
        "Press the keys while the field has the focus.");

    CKXPropertyGridItem* pLayout = m_wndGrid.AddCategory("Layout");
    Add(pLayout, new CKXPropertyGridItemSize("Size", CSize(640, 480)), "Width; height, or each in its row.");
    Add(pLayout, new CKXPropertyGridItemRect("Margins", CRect(4, 2, 4, 2)), "All sides at once, or one each.");
    m_pSpin = Add(pLayout, new CKXPropertyGridItemNumberSpin("Columns", 3, nullptr, 1, 12), "Stepped by the arrows.");
    Add(pLayout, new CKXPropertyGridItemSliderCtrl("Opacity", 80, nullptr, 0, 100), "Dragged with the slider.");
    Add(pLayout, new CKXPropertyGridItemDouble("Zoom", 1.25, nullptr, "%0.2f"), "A number in the format given.");
    Add(pLayout, new CKXPropertyGridItemNumber("Tab stop", 8), "A whole number.");

    CKXPropertyGridItem* pBehaviour = m_wndGrid.AddCategory("Behaviour");
    m_pVisible = Add(pBehaviour, new CKXPropertyGridItemBool("Visible", TRUE), "Chosen from the list.");
    Add(pBehaviour, new CKXPropertyGridItemBool("Enabled", TRUE, nullptr, 1), "A check box.");
    // A shared system icon: the item keeps a copy of its own.
    HICON hIcon = static_cast<HICON>(::LoadImageA(nullptr, MAKEINTRESOURCEA(32516), IMAGE_ICON, 0, 0, LR_SHARED));
    Add(pBehaviour, new CKXPropertyGridItemIcon("Icon", hIcon), "Loaded from an icon file.");

    pText->Expand();
    pLayout->Expand();
    pBehaviour->Expand();
}

BOOL CPropertyGridPage::CreateControls() {
    if (!m_wndLabel.Create("Every item type; the buttons sort, the bar above the help pane drags.",
                           WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 18), this) ||
        !m_wndGrid.Create(CRect(0, 22, 340, 500), this, 100))
        return FALSE;
    m_wndGrid.ShowToolBar(TRUE);
    m_wndGrid.SetViewDivider(0.42);
    Fill();
    return TRUE;
}

void CPropertyGridPage::PrepareSnapshot() {
    // The spin item is selected: its edit box and spin button show.
    m_pSpin->Select();
}

BOOL CPropertyGridPage::SaveExtraSnapshots(const CString& strPathPrefix, CWnd* pFrame) {
    m_pVisible->Select();
    m_pVisible->OnInplaceButtonDown();
    CKXPropertyGridInplaceList& list = m_wndGrid.GetGridView().GetInplaceList();
    const BOOL bSaved = SaveWindowPngWithPopup(pFrame, strPathPrefix + "-list.png", list.GetSafeHwnd());
    if (list.GetSafeHwnd() != nullptr) list.Cancel();
    return bSaved;
}

}  // namespace

CGalleryPage* CreatePropertyGridPage() { return new CPropertyGridPage; }
