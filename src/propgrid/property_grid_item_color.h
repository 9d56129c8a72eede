// Colour and font property items.  The colour item shows a swatch before
// its "red; green; blue" text and opens the colour dialog from its button;
// the colour-popup item shows "RRGGBB" and drops the library's colour popup
// down; the font item shows "face; Npt" and opens the font dialog.  The owner may
// take the button press itself (KX_PGN_INPLACEBUTTONDOWN answered 1).
#pragma once

#include "propgrid/property_grid_item.h"

class CKXPropertyGridItemColor : public CKXPropertyGridItem {
    DECLARE_DYNAMIC(CKXPropertyGridItemColor)
public:
    CKXPropertyGridItemColor(LPCTSTR lpszCaption, COLORREF clr = 0, COLORREF* pBindColor = nullptr);
    explicit CKXPropertyGridItemColor(UINT nID, COLORREF clr = 0, COLORREF* pBindColor = nullptr);

    // Virtual: the colour-popup item keeps its own text form.
    virtual void SetColor(COLORREF clr);
    COLORREF GetColor() const { return m_clrValue; }
    void BindToColor(COLORREF* pBindColor) { m_pBindColor = pBindColor; }

    // "red; green; blue", and back (parts of 255 and more read as 255).
    static CString RGBToString(COLORREF clr);
    static COLORREF StringToRGB(LPCTSTR lpszText);

    CRect GetValueRect() override;
    void SetValue(LPCTSTR lpszValue) override;
    BOOL OnDrawItemValue(CDC& dc, CRect rcValue) override;
    BOOL UpdateData(BOOL bSaveAndValidate) override;
    void OnInplaceButtonDown() override;

protected:
    COLORREF m_clrValue = 0;
    COLORREF* m_pBindColor = nullptr;
};

class CKXColorPopup;
class CKXPropertyGridColorPopup;

class CKXPropertyGridItemColorPopup : public CKXPropertyGridItemColor {
    DECLARE_DYNAMIC(CKXPropertyGridItemColorPopup)
public:
    CKXPropertyGridItemColorPopup(LPCTSTR lpszCaption, COLORREF clr = 0, COLORREF* pBindColor = nullptr);
    explicit CKXPropertyGridItemColorPopup(UINT nID, COLORREF clr = 0, COLORREF* pBindColor = nullptr);
    ~CKXPropertyGridItemColorPopup() override;

    // Stores the colour and its text; the bound variable follows only in
    // UpdateData.
    void SetColor(COLORREF clr) override;
    // "RRGGBB", and back (read as one hexadecimal number).
    static CString RGBToString(COLORREF clr);
    static COLORREF StringToRGB(LPCTSTR lpszText);
    // The popup while it is open, else null.
    CKXColorPopup* GetPopup() const;

    void SetValue(LPCTSTR lpszValue) override;
    void OnInplaceButtonDown() override;

protected:
    CKXPropertyGridColorPopup* m_pPopup = nullptr;
    friend class CKXPropertyGridColorPopup;
};

class CKXPropertyGridItemFont : public CKXPropertyGridItem {
    DECLARE_DYNAMIC(CKXPropertyGridItemFont)
public:
    CKXPropertyGridItemFont(LPCTSTR lpszCaption, LOGFONT& font);
    CKXPropertyGridItemFont(UINT nID, LOGFONT& font);

    // Copies the font; the text is its face and its size in points on the
    // screen.
    void SetFont(LOGFONT& font);
    void GetFont(LOGFONT* pFont) const;

    void OnInplaceButtonDown() override;

protected:
    LOGFONT m_lfValue;
};
