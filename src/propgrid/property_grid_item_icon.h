// The icon property item: shows its icon and "(Icon)"; its button opens an
// icon file.  The item keeps a copy of the icon it is given and destroys
// its copies.
#pragma once

#include "propgrid/property_grid_item.h"

class CKXPropertyGridItemIcon : public CKXPropertyGridItem {
    DECLARE_DYNAMIC(CKXPropertyGridItemIcon)
public:
    CKXPropertyGridItemIcon(LPCTSTR lpszCaption, HICON hIcon = nullptr);
    explicit CKXPropertyGridItemIcon(UINT nID, HICON hIcon = nullptr);
    ~CKXPropertyGridItemIcon() override;

    // Keeps a copy of hIcon (the caller keeps its own).
    void SetIcon(HICON hIcon);
    HICON GetIcon() const { return m_hIcon; }

    BOOL OnDrawItemValue(CDC& dc, CRect rcValue) override;
    void OnInplaceButtonDown() override;

protected:
    HICON m_hIcon = nullptr;
};
