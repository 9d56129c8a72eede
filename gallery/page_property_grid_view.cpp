// "Property grid (view)": the same properties in six grids, one per painter:
// the default, native XP and Office 2003 (which follow the luna colour
// schemes and the visual style's glyphs, and otherwise look like the
// default), cool, simple and Delphi.  Click a value to edit it, the arrow to
// drop its list, the box or a double click to open a group; drag the divider.
// The picture shows the Delphi grid with a value being edited.
#include "gallery_page.h"

#include "propgrid/property_grid.h"

namespace {

const struct {
    const char* pszName;
    eKXPROPERTYGRIDPAINTTHEME eTheme;
} s_painters[] = {
    {"Default", KX_GRIDTHEME_DEFAULT}, {"Native XP", KX_GRIDTHEME_NATIVEXP}, {"Office 2003", KX_GRIDTHEME_OFFICE2003},
    {"Cool", KX_GRIDTHEME_COOL},       {"Simple", KX_GRIDTHEME_SIMPLE},      {"Delphi", KX_GRIDTHEME_DELPHI},
};
constexpr int kGrids = static_cast<int>(sizeof s_painters / sizeof s_painters[0]);

class CPropertyGridViewPage : public CGalleryPage {
public:
    CPropertyGridViewPage() : CGalleryPage("Property grid (view)") {}

protected:
    BOOL CreateControls() override;
    // The Delphi grid's Caption is being edited.
    void PrepareSnapshot() override;

private:
    static CKXPropertyGridItem* Add(CKXPropertyGridItem* pParent, LPCTSTR lpszCaption, LPCTSTR lpszValue,
                                    LPCTSTR lpszDescription, UINT nFlags = KX_ITEM_EDIT);
    static void Fill(CKXPropertyGrid& grid);

    CStatic m_wndLabels[kGrids];
    CKXPropertyGrid m_wndGrids[kGrids];
};

CKXPropertyGridItem* CPropertyGridViewPage::Add(CKXPropertyGridItem* pParent, LPCTSTR lpszCaption,
                                                LPCTSTR lpszValue, LPCTSTR lpszDescription, UINT nFlags) {
    CKXPropertyGridItem* pItem = pParent->AddChildItem(new CKXPropertyGridItem(lpszCaption, lpszValue));
    pItem->SetDescription(lpszDescription);
    pItem->SetFlags(nFlags);
    return pItem;
}

void CPropertyGridViewPage::Fill(CKXPropertyGrid& grid) {
    CKXPropertyGridItem* pAppearance = grid.AddCategory("Appearance");
    Add(pAppearance, "Caption", "OK", "The text on the button.");
    CKXPropertyGridItem* pColour = Add(pAppearance, "Colour", "Blue", "Chosen from the list or typed.",
                                       KX_ITEM_EDIT | KX_ITEM_LIST_BUTTON);
    for (const char* p : {"Black", "Blue", "Green", "Red", "White"}) pColour->GetConstraints()->AddConstraint(p);
    CKXPropertyGridItem* pStyle = Add(pAppearance, "Style", "Flat", "A closed list: double-click to step through it.",
                                      KX_ITEM_LIST_BUTTON);
    for (const char* p : {"Flat", "Raised", "Sunken"}) pStyle->GetConstraints()->AddConstraint(p);
    Add(pAppearance, "Font", "Tahoma; 8pt", "Opens a dialog of its own.", KX_ITEM_BROWSE_BUTTON);
    Add(pAppearance, "Class", "CKXFlatButton", "Read-only: shown in grey.")->SetReadOnly(TRUE);
    CKXPropertyGridItem* pLayout = grid.AddCategory("Layout");
    CKXPropertyGridItem* pPosition = Add(pLayout, "Position", "10; 20", "Where the control is.", 0);
    Add(pPosition, "X", "10", "From the left.");
    Add(pPosition, "Y", "20", "From the top.");
    Add(pLayout, "Size", "75; 23", "Width and height.");
    CKXPropertyGridItem* pBehaviour = grid.AddCategory("Behaviour");
    Add(pBehaviour, "Enabled", "True", "Whether it takes input.");
    pAppearance->Expand();
    pLayout->Expand();
    pPosition->Expand();
}

BOOL CPropertyGridViewPage::CreateControls() {
    const int cx = 228, cy = 262, gap = 8, cyLabel = 18;
    for (int i = 0; i < kGrids; ++i) {
        const int x = 4 + (i % 3) * (cx + gap), y = 2 + (i / 3) * (cy + cyLabel + gap);
        if (!m_wndLabels[i].Create(s_painters[i].pszName, WS_CHILD | WS_VISIBLE | SS_LEFT,
                                   CRect(x, y, x + cx, y + cyLabel), this) ||
            !m_wndGrids[i].Create(CRect(x, y + cyLabel, x + cx, y + cyLabel + cy), this, 100 + i))
            return FALSE;
        m_wndGrids[i].SetTheme(s_painters[i].eTheme);
        m_wndGrids[i].SetViewDivider(0.45);
        Fill(m_wndGrids[i]);
    }
    return TRUE;
}

void CPropertyGridViewPage::PrepareSnapshot() {
    // Each grid shows a selection; the focus (and the edit) is in the last.
    for (int i = 0; i < kGrids; ++i) {
        CKXPropertyGridItems* pCategories = m_wndGrids[i].GetCategories();
        CKXPropertyGridItem* pItem = pCategories->GetAt(0)->GetChilds()->GetAt(i == kGrids - 1 ? 0 : 1);
        pItem->Select();
        if (i == kGrids - 1) {
            pItem->OnChar('C');
            m_wndGrids[i].GetGridView().GetInplaceEdit().ReplaceSel("ancel");
        }
    }
}

}  // namespace

CGalleryPage* CreatePropertyGridViewPage() { return new CPropertyGridViewPage; }
