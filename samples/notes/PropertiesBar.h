// PropertiesBar.h : a docked bar with a property grid that shows the active
// document's fields and writes the user's edits back into it.
#pragma once

#include "propgrid/property_grid.h"
#include "propgrid/property_grid_items.h"

class CPropertiesBar : public CDialogBar {
public:
    CPropertiesBar() = default;
    // The bar on the frame's right edge, its grid filling it.
    BOOL Create(CFrameWnd* pFrame);

    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    // The grid's rows for pDoc (none without a document).
    void ShowDocument(CDocument* pDoc);
    // The document's fields into the rows, where they differ.
    void ReadDocument();
    void OnSize(UINT nType, int cx, int cy);
    LRESULT OnGridNotify(WPARAM wParam, LPARAM lParam);

    CKXPropertyGrid m_grid;
    CDocument* m_pShown = nullptr;
    CKXPropertyGridItem* m_pName = nullptr;
    CKXPropertyGridItem* m_pPhone = nullptr;
    CKXPropertyGridItemBool* m_pFavourite = nullptr;
    CKXPropertyGridItem* m_pTitle = nullptr;
    DECLARE_MESSAGE_MAP()
};
