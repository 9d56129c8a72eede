// "Owner-drawn button": a CButton-derived class with BS_OWNERDRAW that
// paints itself in DrawItem, reached through the reflected WM_DRAWITEM.
#include "gallery_page.h"

namespace {

// Blends two colours: nPart / nWhole of the way from crFrom to crTo.
COLORREF Blend(COLORREF crFrom, COLORREF crTo, int nPart, int nWhole) {
    if (nWhole <= 0) return crFrom;
    auto mix = [&](int a, int b) { return a + (b - a) * nPart / nWhole; };
    return RGB(mix(GetRValue(crFrom), GetRValue(crTo)), mix(GetGValue(crFrom), GetGValue(crTo)),
               mix(GetBValue(crFrom), GetBValue(crTo)));
}

// A button with a vertical gradient, a dark border and centred text.
// Pressed, it turns darker with the gradient reversed and the text moved
// down a pixel; focused, it gets a thicker border and a focus rectangle.
class CGradientButton : public CButton {
public:
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override {
        CDC* pDC = CDC::FromHandle(lpDIS->hDC);
        CRect rc = lpDIS->rcItem;
        const bool bPressed = (lpDIS->itemState & ODS_SELECTED) != 0;
        const bool bFocused = (lpDIS->itemState & ODS_FOCUS) != 0;
        const bool bDisabled = (lpDIS->itemState & ODS_DISABLED) != 0;

        COLORREF crTop = RGB(236, 243, 252), crBottom = RGB(160, 190, 232);
        COLORREF crBorder = RGB(52, 84, 138), crText = RGB(20, 40, 80);
        if (bPressed) {
            crTop = RGB(92, 128, 190);
            crBottom = RGB(140, 172, 222);
            crText = RGB(255, 255, 255);
        }
        if (bDisabled) {
            crTop = RGB(240, 240, 240);
            crBottom = RGB(214, 214, 214);
            crBorder = RGB(160, 160, 160);
            crText = RGB(150, 150, 150);
        }

        // The gradient: one line of colour per pixel row.
        for (int y = rc.top; y < rc.bottom; ++y)
            pDC->FillSolidRect(rc.left, y, rc.Width(), 1, Blend(crTop, crBottom, y - rc.top, rc.Height() - 1));

        // The border, two pixels wide when the button has the focus.
        CBrush brBorder;
        brBorder.CreateSolidBrush(crBorder);
        CRect rcBorder = rc;
        pDC->FrameRect(&rcBorder, &brBorder);
        if (bFocused) {
            rcBorder.DeflateRect(1, 1);
            pDC->FrameRect(&rcBorder, &brBorder);
        }

        CString strText;
        GetWindowText(strText);
        CRect rcText = rc;
        if (bPressed) rcText.OffsetRect(1, 1);
        CFont* pOldFont = pDC->SelectObject(GetFont());
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(crText);
        pDC->DrawText(strText, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        pDC->SelectObject(pOldFont);

        if (bFocused && !bPressed) {
            CRect rcFocus = rc;
            rcFocus.DeflateRect(4, 4);
            pDC->SetTextColor(RGB(0, 0, 0));
            pDC->DrawFocusRect(&rcFocus);
        }
    }
};

enum : UINT { IDC_NORMAL = 100, IDC_FOCUSED, IDC_PRESSED, IDC_DISABLED, IDC_COUNTER };

class COwnerDrawnButtonPage : public CGalleryPage {
public:
    COwnerDrawnButtonPage() : CGalleryPage("Owner-drawn button") {}

    // The picture shows every look at once: one button keeps the focus and
    // one is held down.
    void PrepareSnapshot() override {
        GetTopLevelParent()->SetForegroundWindow();
        m_wndFocused.SetFocus();
        m_wndPressed.SetState(TRUE);
    }

protected:
    BOOL CreateControls() override {
        const DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;
        m_wndIntro.Create("Each button below is a CGradientButton: BS_OWNERDRAW, painted in its DrawItem. "
                          "Click one, or tab to it, to see the pressed and focused looks.",
                          WS_CHILD | WS_VISIBLE, CRect(8, 0, 700, 34), this);
        m_wndNormal.Create("Normal", dwStyle, CRect(8, 44, 168, 84), this, IDC_NORMAL);
        m_wndFocused.Create("Focused", dwStyle, CRect(184, 44, 344, 84), this, IDC_FOCUSED);
        m_wndPressed.Create("Pressed", dwStyle, CRect(360, 44, 520, 84), this, IDC_PRESSED);
        m_wndDisabled.Create("Disabled", dwStyle, CRect(536, 44, 696, 84), this, IDC_DISABLED);
        m_wndDisabled.EnableWindow(FALSE);
        m_wndCounter.Create("Click me", dwStyle, CRect(8, 104, 344, 164), this, IDC_COUNTER);
        return TRUE;
    }

    void OnCounterClicked() {
        CString strCaption;
        strCaption.Format("Clicked %d time%s", m_nClicks + 1, m_nClicks == 0 ? "" : "s");
        ++m_nClicks;
        m_wndCounter.SetWindowText(strCaption);
    }

private:
    CStatic m_wndIntro;
    CGradientButton m_wndNormal, m_wndFocused, m_wndPressed, m_wndDisabled, m_wndCounter;
    int m_nClicks = 0;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerDrawnButtonPage, CGalleryPage)
    ON_BN_CLICKED(IDC_COUNTER, OnCounterClicked)
END_MESSAGE_MAP()

}  // namespace

CGalleryPage* CreateOwnerDrawnButtonPage() { return new COwnerDrawnButtonPage; }
