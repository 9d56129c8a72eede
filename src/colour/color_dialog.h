// CKXColorDialog: the "More Colors" dialog, a property sheet with a
// standard page (a honeycomb of 144 colours) and a custom page (hue,
// saturation and luminance, red, green and blue).  Beside the pages the
// new colour and the current one show side by side, each with its
// hexadecimal text; a click on a text copies it to the clipboard.  Run it
// modally; GetColor is the new colour after OK.
//
//   CKXColorDialog dlg(clrNow, clrNow, 0, this);
//   if (dlg.DoModal() == IDOK) Use(dlg.GetColor());
#pragma once

#include "colour/color_dialog_ctrls.h"
#include "win/afxwin.h"
#include "win/propsheet.h"

// Style of the dialog (the selector passes its own bits 0x20 and 0x40 on).
constexpr DWORD KXCDS_CUSTOMPAGE = 0x20;  // opens on the custom page
constexpr DWORD KXCDS_NOHEX = 0x40;       // no hexadecimal texts

class CKXColorDialog;

class CKXColorPageStandard : public CPropertyPage {
    DECLARE_DYNAMIC(CKXColorPageStandard)
public:
    explicit CKXColorPageStandard(CKXColorDialog* pDialog);
    // Selects the cell of clr (none when no cell holds it).
    void SetColor(COLORREF clr);
    CKXHoneycombCtrl& GetHoneycomb() { return m_honeycomb; }

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;

protected:
    void OnCellChanged();
    void OnCellChosen();
    void OnSize(UINT nType, int cx, int cy);

    CKXColorDialog* m_pDialog;
    CKXHoneycombCtrl m_honeycomb;

    DECLARE_MESSAGE_MAP()
};

class CKXColorPageCustom : public CPropertyPage {
    DECLARE_DYNAMIC(CKXColorPageCustom)
public:
    explicit CKXColorPageCustom(CKXColorDialog* pDialog);
    // Shows clr in every field.
    void SetColor(COLORREF clr);

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;

protected:
    // Writes the fields from m_hsl and the colour; the group that was typed
    // into keeps its text.
    void ShowFields(COLORREF clr, bool bRGBEdits, bool bHSLEdits);
    int ReadField(UINT nID, int nMax) const;
    void OnRGBChanged();
    void OnHSLChanged();
    void OnSpectrumChanged();
    void OnLuminanceChanged();
    void FromHSL();

    CKXColorDialog* m_pDialog;
    CKXColorFieldCtrl m_wndSpectrum{false};
    CKXColorFieldCtrl m_wndLuminance{true};
    KX_HSL m_hsl;
    bool m_bUpdating = false;

    DECLARE_MESSAGE_MAP()
};

class CKXColorDialog : public CPropertySheet {
    DECLARE_DYNAMIC(CKXColorDialog)
public:
    CKXColorDialog(COLORREF clrCurrent, COLORREF clrNew, DWORD dwStyle = 0, CWnd* pParentWnd = nullptr);
    ~CKXColorDialog() override;

    INT_PTR DoModal() override;
    BOOL Create(CWnd* pParentWnd = nullptr, DWORD dwStyle = (DWORD)-1, DWORD dwExStyle = 0) override;

    void SetCurrentColor(COLORREF clr);
    void SetNewColor(COLORREF clr);
    COLORREF GetColor() const { return m_clrNew; }
    COLORREF GetCurrentColor() const { return m_clrCurrent; }
    DWORD GetDialogStyle() const { return m_dwStyle; }

    // "Hex: RRGGBB".
    CString RGBtoHex(COLORREF clr) const;
    // Puts the text on the clipboard as CF_TEXT.
    BOOL CopyToClipboard(const CString& strText);

    // A page changed the new colour: the other page and the swatch follow.
    void NewColorFrom(CPropertyPage* pSource, COLORREF clr);

    CKXColorPageStandard& GetStandardPage() { return m_pageStandard; }
    CKXColorPageCustom& GetCustomPage() { return m_pageCustom; }
    // The swatches' rectangles in the sheet's client area.
    CRect GetNewSwatchRect() const { return m_rcNew; }
    CRect GetCurrentSwatchRect() const { return m_rcCurrent; }

    BOOL OnInitDialog() override;

    // Identifiers of the texts beside the pages.
    enum : UINT { IDC_NEW_LABEL = 0x4B50, IDC_CURRENT_LABEL, IDC_NEW_HEX, IDC_CURRENT_HEX };

protected:
    void LayOutSwatches();
    void UpdateHexTexts();
    void OnPaint();
    void OnNewHexClicked();
    void OnCurrentHexClicked();

    COLORREF m_clrCurrent;
    COLORREF m_clrNew;
    DWORD m_dwStyle;
    CKXColorPageStandard m_pageStandard;
    CKXColorPageCustom m_pageCustom;
    CStatic m_wndNewLabel, m_wndCurrentLabel, m_wndNewHex, m_wndCurrentHex;
    CRect m_rcNew, m_rcCurrent;

    DECLARE_MESSAGE_MAP()
};
