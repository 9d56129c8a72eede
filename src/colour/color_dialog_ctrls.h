// The painted controls of the colour dialog's pages: the honeycomb of the
// standard page, and the hue/saturation field and luminance bar of the
// custom page.  Each tells its parent of a change with WM_COMMAND: its
// identifier and KXCCN_CHANGED (KXCCN_CHOSEN for a double click on a
// honeycomb cell, which also ends the dialog).
#pragma once

#include "colour/color_custom_model.h"
#include "colour/color_grid_layout.h"
#include "colour/honeycomb.h"
#include "win/afxwin.h"

#include <vector>

constexpr UINT KXCCN_CHANGED = 1;
constexpr UINT KXCCN_CHOSEN = 2;

// Draws the 144 cells with their reference points at ptOrigin + the cell's
// point; nSelected (-1: none) gets a black and white outline.
void KXDrawHoneycomb(CDC* pDC, CPoint ptOrigin, int nSelected);
// The outline alone.
void KXDrawHoneySelection(CDC* pDC, CPoint ptOrigin, int nSelected);

class CKXHoneycombCtrl : public CWnd {
    DECLARE_DYNAMIC(CKXHoneycombCtrl)
public:
    // Where the cells' reference points start inside the control.
    static constexpr int kOrigin = 6;

    ~CKXHoneycombCtrl() override;

    BOOL Create(const CRect& rect, CWnd* pParentWnd, UINT nID);
    // The cell holding clr is selected, or none.
    void SetColor(COLORREF clr);
    int GetSel() const { return m_nSel; }
    // Selects the cell (out of range: none); no notification.
    void SetSel(int nIndex);
    COLORREF GetSelColor() const;
    void Paint(CDC* pDC);

protected:
    void Notify(UINT nCode);
    // The cells without a selection, drawn once per size and background.
    void UpdateCache(CDC* pDC, const CRect& rc, HBRUSH hBrush);
    void FreeCache();
    void OnDestroy();
    void OnSysColorChange();
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    UINT OnGetDlgCode();
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);

    int m_nSel = -1;
    CDC m_dcCache;
    CBitmap m_bmpCache;
    CBitmap* m_pOldCache = nullptr;
    CSize m_sizeCache;
    HBRUSH m_hCacheBrush = nullptr;
    COLORREF m_clrCache = 0;

    DECLARE_MESSAGE_MAP()
};

// The hue/saturation field (bLuminance false) or the luminance bar of the
// custom page, over a placeholder of the page's template.
class CKXColorFieldCtrl : public CWnd {
    DECLARE_DYNAMIC(CKXColorFieldCtrl)
public:
    explicit CKXColorFieldCtrl(bool bLuminance) : m_bLuminance(bLuminance) {}

    void SetHSL(const KX_HSL& hsl);
    const KX_HSL& GetHSL() const { return m_hsl; }
    void Paint(CDC* pDC);

protected:
    void Track(CPoint point);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);

    bool m_bLuminance;
    KX_HSL m_hsl;
    std::vector<DWORD> m_pixels;  // the field's picture, made once per size
    CSize m_sizePixels;

    DECLARE_MESSAGE_MAP()
};
