#include "propgrid/property_grid_item_number.h"

#include "propgrid/property_grid_bound.h"
#include "propgrid/property_grid_view.h"
#include "propgrid/typed_value_text.h"

#include <cstdint>

IMPLEMENT_DYNAMIC(CKXPropertyGridItemNumber, CKXPropertyGridItem)
IMPLEMENT_DYNAMIC(CKXPropertyGridItemNumberSpin, CKXPropertyGridItemNumber)
IMPLEMENT_DYNAMIC(CKXPropertyGridItemSliderCtrl, CKXPropertyGridItemNumber)
IMPLEMENT_DYNAMIC(CKXPropertyGridItemDouble, CKXPropertyGridItem)

namespace {

// The spin button and the slider of the selected numeric item, children of
// the view: they report to the item they were made for.
class CInplaceSpin : public CSpinButtonCtrl {
public:
    explicit CInplaceSpin(CKXPropertyGridItemNumberSpin* pItem) : m_pItem(pItem) {}

protected:
    BOOL OnDeltaPos(NMHDR* pNMHDR, LRESULT* pResult) {
        m_pItem->OnSpinStep(reinterpret_cast<NMUPDOWN*>(pNMHDR)->iDelta);
        *pResult = 1;  // the button keeps its own position
        return TRUE;
    }
    CKXPropertyGridItemNumberSpin* m_pItem;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CInplaceSpin, CSpinButtonCtrl)
    ON_NOTIFY_REFLECT_EX(UDN_DELTAPOS, OnDeltaPos)
END_MESSAGE_MAP()

class CInplaceSlider : public CSliderCtrl {
public:
    CInplaceSlider(CKXPropertyGridItemSliderCtrl* pItem, int nPos) : m_pItem(pItem), m_nLastPos(nPos) {}

protected:
    // The slider's own painting shows where it is: a new place is news.
    void OnPaint() {
        Default();
        const int nPos = GetPos();
        if (nPos == m_nLastPos) return;
        m_nLastPos = nPos;
        m_pItem->OnSliderPos(nPos);
    }
    CKXPropertyGridItemSliderCtrl* m_pItem;
    int m_nLastPos;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CInplaceSlider, CSliderCtrl)
    ON_WM_PAINT()
END_MESSAGE_MAP()

template <class T>
void DestroyControl(T*& pWnd) {
    if (pWnd == nullptr) return;
    pWnd->DestroyWindow();
    delete pWnd;
    pWnd = nullptr;
}

}  // namespace

// --- whole numbers ----------------------------------------------------------------

CKXPropertyGridItemNumber::CKXPropertyGridItemNumber(LPCTSTR lpszCaption, long nValue, long* pBindNumber)
    : CKXPropertyGridItem(lpszCaption), m_pBindNumber(pBindNumber) {
    SetNumber(nValue);
}

CKXPropertyGridItemNumber::CKXPropertyGridItemNumber(UINT nID, long nValue, long* pBindNumber)
    : CKXPropertyGridItem(nID), m_pBindNumber(pBindNumber) {
    SetNumber(nValue);
}

void CKXPropertyGridItemNumber::SetNumber(long nValue) {
    m_nValue = nValue;
    if (m_pBindNumber != nullptr) *m_pBindNumber = m_nValue;
    CKXPropertyGridItem::SetValue(KXNumberToString(m_nValue));
}

void CKXPropertyGridItemNumber::SetValue(LPCTSTR lpszValue) { SetNumber(KXStringToNumber(lpszValue)); }

BOOL CKXPropertyGridItemNumber::UpdateData(BOOL bSaveAndValidate) {
    KXExchangeBound(m_pBindNumber, m_nValue, bSaveAndValidate, [this](const long& value) { SetNumber(value); });
    return CKXPropertyGridItem::UpdateData(bSaveAndValidate);
}

// --- with a spin button ----------------------------------------------------------------

CKXPropertyGridItemNumberSpin::CKXPropertyGridItemNumberSpin(LPCTSTR lpszCaption, long nValue, long* pBindNumber,
                                                             long nMin, long nMax)
    : CKXPropertyGridItemNumber(lpszCaption, nValue, pBindNumber), m_nMin(nMin), m_nMax(nMax) {}

CKXPropertyGridItemNumberSpin::CKXPropertyGridItemNumberSpin(UINT nID, long nValue, long* pBindNumber, long nMin,
                                                             long nMax)
    : CKXPropertyGridItemNumber(nID, nValue, pBindNumber), m_nMin(nMin), m_nMax(nMax) {}

CKXPropertyGridItemNumberSpin::~CKXPropertyGridItemNumberSpin() { DestroySpin(); }

void CKXPropertyGridItemNumberSpin::SetRange(long nMin, long nMax) {
    m_nMin = nMin;
    m_nMax = nMax;
    if (m_pSpin != nullptr) m_pSpin->SetRange32(m_nMin, m_nMax);
}

CRect CKXPropertyGridItemNumberSpin::GetValueRect() {
    CRect rc = CKXPropertyGridItemNumber::GetValueRect();
    rc.right -= 17;
    return rc;
}

void CKXPropertyGridItemNumberSpin::OnSelect() {
    CKXPropertyGridItemNumber::OnSelect();
    CKXPropertyGridView* pView = GetLiveView();
    if (m_bReadOnly || pView == nullptr || m_pSpin != nullptr) return;
    const CRect rcRow = GetItemRect();
    const CRect rc(rcRow.right - 15, rcRow.top, rcRow.right, rcRow.bottom);
    m_pSpin = new CInplaceSpin(this);
    if (!m_pSpin->Create(WS_CHILD | WS_VISIBLE | UDS_ARROWKEYS, rc, pView, 0)) {
        delete m_pSpin;
        m_pSpin = nullptr;
        return;
    }
    m_pSpin->SetRange32(m_nMin, m_nMax);
}

void CKXPropertyGridItemNumberSpin::OnDeselect() {
    DestroySpin();
    CKXPropertyGridItemNumber::OnDeselect();
}

void CKXPropertyGridItemNumberSpin::DestroySpin() { DestroyControl(m_pSpin); }

void CKXPropertyGridItemNumberSpin::OnSpinStep(int nDelta) {
    OnValidateEdit();
    // Held to the 32-bit range, as typed text would be.
    long long nSum = static_cast<long long>(m_nValue) + nDelta;
    nSum = nSum > INT32_MAX ? INT32_MAX : nSum < INT32_MIN ? INT32_MIN : nSum;
    OnValueChanged(KXNumberToString(static_cast<long>(nSum)));
}

// --- with a slider ------------------------------------------------------------------

CKXPropertyGridItemSliderCtrl::CKXPropertyGridItemSliderCtrl(LPCTSTR lpszCaption, long nValue, long* pBindNumber,
                                                             long nMin, long nMax)
    : CKXPropertyGridItemNumber(lpszCaption, nValue, pBindNumber), m_nMin(nMin), m_nMax(nMax) {}

CKXPropertyGridItemSliderCtrl::CKXPropertyGridItemSliderCtrl(UINT nID, long nValue, long* pBindNumber, long nMin,
                                                             long nMax)
    : CKXPropertyGridItemNumber(nID, nValue, pBindNumber), m_nMin(nMin), m_nMax(nMax) {}

CKXPropertyGridItemSliderCtrl::~CKXPropertyGridItemSliderCtrl() { DestroySlider(); }

void CKXPropertyGridItemSliderCtrl::OnSelect() {
    CKXPropertyGridItemNumber::OnSelect();
    CKXPropertyGridView* pView = GetLiveView();
    if (m_bReadOnly || pView == nullptr || m_pSlider != nullptr) return;
    // The number keeps room for three digits at the left.
    CClientDC dc(pView);
    CFont* pOld = dc.SelectObject(&pView->m_fontNormal);
    const int cxDigits = dc.GetTextExtent("XXX", 3).cx;
    dc.SelectObject(pOld);
    CRect rc = GetValueRect();
    rc.left += cxDigits + 2;
    if (rc.left >= rc.right) return;
    m_pSlider = new CInplaceSlider(this, static_cast<int>(m_nValue));
    if (!m_pSlider->Create(WS_CHILD | TBS_HORZ | TBS_NOTICKS, rc, pView, 0)) {
        delete m_pSlider;
        m_pSlider = nullptr;
        return;
    }
    m_pSlider->SetRange(static_cast<int>(m_nMin), static_cast<int>(m_nMax));
    m_pSlider->SetPos(static_cast<int>(m_nValue));
    m_pSlider->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CKXPropertyGridItemSliderCtrl::OnDeselect() {
    DestroySlider();
    CKXPropertyGridItemNumber::OnDeselect();
}

void CKXPropertyGridItemSliderCtrl::DestroySlider() { DestroyControl(m_pSlider); }

void CKXPropertyGridItemSliderCtrl::OnSliderPos(int nPos) {
    SetNumber(nPos);
    const CString strText = m_strValue;
    OnValueChanged(strText);
    if (CKXPropertyGridView* pView = GetLiveView()) pView->Invalidate(FALSE);
}

// --- floating point -----------------------------------------------------------------

CKXPropertyGridItemDouble::CKXPropertyGridItemDouble(LPCTSTR lpszCaption, double dValue, double* pBindDouble,
                                                     LPCTSTR lpszFormat)
    : CKXPropertyGridItem(lpszCaption), m_pBindDouble(pBindDouble) {
    m_strFormat = lpszFormat != nullptr ? lpszFormat : "%g";
    SetDouble(dValue);
}

CKXPropertyGridItemDouble::CKXPropertyGridItemDouble(UINT nID, double dValue, double* pBindDouble,
                                                     LPCTSTR lpszFormat)
    : CKXPropertyGridItem(nID), m_pBindDouble(pBindDouble) {
    m_strFormat = lpszFormat != nullptr ? lpszFormat : "%g";
    SetDouble(dValue);
}

void CKXPropertyGridItemDouble::SetDouble(double dValue) {
    m_dValue = dValue;
    if (m_pBindDouble != nullptr) *m_pBindDouble = m_dValue;
    CKXPropertyGridItem::SetValue(KXDoubleToString(m_strFormat, m_dValue));
}

void CKXPropertyGridItemDouble::SetValue(LPCTSTR lpszValue) { SetDouble(KXStringToDouble(lpszValue)); }

BOOL CKXPropertyGridItemDouble::UpdateData(BOOL bSaveAndValidate) {
    KXExchangeBound(m_pBindDouble, m_dValue, bSaveAndValidate, [this](const double& value) { SetDouble(value); });
    return CKXPropertyGridItem::UpdateData(bSaveAndValidate);
}
