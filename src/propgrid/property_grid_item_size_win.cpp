#include "propgrid/property_grid_item_size.h"

#include "base/format_strings.h"
#include "propgrid/property_grid_bound.h"
#include "propgrid/property_grid_item_number.h"
#include "propgrid/typed_value_text.h"

IMPLEMENT_DYNAMIC(CKXPropertyGridItemSize, CKXPropertyGridItem)
IMPLEMENT_DYNAMIC(CKXPropertyGridItemRect, CKXPropertyGridItem)

namespace {

// A row of a size or a rectangle: a whole number whose committed changes go
// to its parent, which sets every row again.
template <class PARENT>
class CPartItem : public CKXPropertyGridItemNumber {
public:
    CPartItem(PARENT* pParent, int nPart, LPCTSTR lpszCaption)
        : CKXPropertyGridItemNumber(lpszCaption), m_pOwner(pParent), m_nPart(nPart) {}
    void OnValueChanged(LPCTSTR lpszValue) override {
        m_pOwner->OnChildChanged(m_nPart, KXStringToNumber(lpszValue));
    }

private:
    PARENT* m_pOwner;
    int m_nPart;
};

// Replaces the captions from the first (of count) with the pieces of the
// line-feed separated list, as far as it goes.
void SplitCaptions(CStringArray& captions, int nFirst, LPCTSTR lpszCaptions) {
    CString strPart;
    for (int i = nFirst; i < captions.GetSize(); ++i) {
        if (!AfxExtractSubString(strPart, lpszCaptions, i - nFirst, '\n')) break;
        captions[i] = strPart;
    }
}

// The rows are kept by the parent as well as by the tree, so that a row the
// application removes is never used after it is gone.
void HoldRows(CKXPropertyGridItemNumber* const* ppRows, int nCount) {
    for (int i = 0; i < nCount; ++i)
        if (ppRows[i] != nullptr) ppRows[i]->InternalAddRef();
}

void ReleaseRows(CKXPropertyGridItemNumber* const* ppRows, int nCount) {
    for (int i = 0; i < nCount; ++i)
        if (ppRows[i] != nullptr) ppRows[i]->InternalRelease();
}

CString LoadCaptions(UINT nID) {
    CString s;
    s.LoadString(nID);
    return s;
}

}  // namespace

// --- size ----------------------------------------------------------------------------

CKXPropertyGridItemSize::CKXPropertyGridItemSize(LPCTSTR lpszCaption, CSize size, CSize* pBindSize)
    : CKXPropertyGridItem(lpszCaption), m_pBindSize(pBindSize) {
    m_strChildCaptions.Add("Width");
    m_strChildCaptions.Add("Height");
    SetSize(size);
}

CKXPropertyGridItemSize::CKXPropertyGridItemSize(UINT nID, CSize size, CSize* pBindSize)
    : CKXPropertyGridItem(nID), m_pBindSize(pBindSize) {
    m_strChildCaptions.Add("Width");
    m_strChildCaptions.Add("Height");
    SetSize(size);
}

void CKXPropertyGridItemSize::SetSize(CSize size) {
    m_szValue = size;
    if (m_pBindSize != nullptr) *m_pBindSize = m_szValue;
    CKXPropertyGridItem::SetValue(KXSizeToString(m_szValue));
    UpdateChilds();
}

void CKXPropertyGridItemSize::UpdateChilds() {
    if (m_pChildItems[0] != nullptr) m_pChildItems[0]->SetNumber(m_szValue.cx);
    if (m_pChildItems[1] != nullptr) m_pChildItems[1]->SetNumber(m_szValue.cy);
}

void CKXPropertyGridItemSize::SetValue(LPCTSTR lpszValue) { SetSize(KXStringToSize(lpszValue)); }

BOOL CKXPropertyGridItemSize::UpdateData(BOOL bSaveAndValidate) {
    KXExchangeBound(m_pBindSize, m_szValue, bSaveAndValidate, [this](const CSize& value) { SetSize(value); });
    return CKXPropertyGridItem::UpdateData(bSaveAndValidate);
}

void CKXPropertyGridItemSize::OnAddChildItem() {
    if (m_pChildItems[0] != nullptr) return;
    for (int i = 0; i < 2; ++i)
        m_pChildItems[i] = static_cast<CKXPropertyGridItemNumber*>(
            AddChildItem(new CPartItem<CKXPropertyGridItemSize>(this, i, m_strChildCaptions[i])));
    HoldRows(m_pChildItems, 2);
    UpdateChilds();
}

void CKXPropertyGridItemSize::OnChildChanged(int nChild, long nValue) {
    CSize size = m_szValue;
    (nChild == 0 ? size.cx : size.cy) = nValue;
    OnValueChanged(KXSizeToString(size));
}

void CKXPropertyGridItemSize::SetChildCaption(LPCTSTR lpszCaptions) {
    SplitCaptions(m_strChildCaptions, 0, lpszCaptions);
    for (int i = 0; i < 2; ++i)
        if (m_pChildItems[i] != nullptr) m_pChildItems[i]->SetCaption(m_strChildCaptions[i]);
}

CKXPropertyGridItemSize::~CKXPropertyGridItemSize() { ReleaseRows(m_pChildItems, 2); }

void CKXPropertyGridItemSize::SetChildCaption(UINT nID) { SetChildCaption(LoadCaptions(nID)); }

// --- rectangle ---------------------------------------------------------------------------

CKXPropertyGridItemRect::CKXPropertyGridItemRect(LPCTSTR lpszCaption, CRect rect, CRect* pBindRect)
    : CKXPropertyGridItem(lpszCaption), m_pBindRect(pBindRect) {
    for (LPCTSTR psz : {"All", "Left", "Top", "Right", "Bottom"}) m_strChildCaptions.Add(psz);
    m_nFlags = 0;
    SetRect(rect);
}

CKXPropertyGridItemRect::CKXPropertyGridItemRect(UINT nID, CRect rect, CRect* pBindRect)
    : CKXPropertyGridItem(nID), m_pBindRect(pBindRect) {
    for (LPCTSTR psz : {"All", "Left", "Top", "Right", "Bottom"}) m_strChildCaptions.Add(psz);
    m_nFlags = 0;
    SetRect(rect);
}

void CKXPropertyGridItemRect::SetRect(CRect rect) {
    m_rcValue = rect;
    if (m_pBindRect != nullptr) *m_pBindRect = m_rcValue;
    SetValue(KXRectToString(m_rcValue));
}

void CKXPropertyGridItemRect::SetValue(LPCTSTR lpszValue) {
    CKXPropertyGridItem::SetValue(lpszValue);
    UpdateChilds();
}

void CKXPropertyGridItemRect::UpdateChilds() {
    const LONG sides[4] = {m_rcValue.left, m_rcValue.top, m_rcValue.right, m_rcValue.bottom};
    for (int i = 0; i < 4; ++i)
        if (m_pChildItems[i + 1] != nullptr) m_pChildItems[i + 1]->SetNumber(sides[i]);
}

BOOL CKXPropertyGridItemRect::UpdateData(BOOL bSaveAndValidate) {
    KXExchangeBound(m_pBindRect, m_rcValue, bSaveAndValidate, [this](const CRect& value) { SetRect(value); });
    return CKXPropertyGridItem::UpdateData(bSaveAndValidate);
}

void CKXPropertyGridItemRect::OnAddChildItem() {
    if (m_pChildItems[0] != nullptr) return;
    for (int i = 0; i < 5; ++i)
        m_pChildItems[i] = static_cast<CKXPropertyGridItemNumber*>(
            AddChildItem(new CPartItem<CKXPropertyGridItemRect>(this, i, m_strChildCaptions[i])));
    HoldRows(m_pChildItems, 5);
    UpdateChilds();
}

void CKXPropertyGridItemRect::OnChildChanged(int nChild, long nValue) {
    CRect rect = m_rcValue;
    if (nChild == 0) {
        rect.SetRect(nValue, nValue, nValue, nValue);
        if (m_pChildItems[0] != nullptr) m_pChildItems[0]->SetNumber(nValue);
    } else {
        LONG* sides[4] = {&rect.left, &rect.top, &rect.right, &rect.bottom};
        *sides[nChild - 1] = nValue;
        if (m_pChildItems[0] != nullptr) m_pChildItems[0]->SetNumber(0);
    }
    SetRect(rect);
    const CString strText = m_strValue;
    OnValueChanged(strText);
}

void CKXPropertyGridItemRect::SetChildCaption(LPCTSTR lpszCaptions) {
    SplitCaptions(m_strChildCaptions, 1, lpszCaptions);
    for (int i = 1; i < 5; ++i)
        if (m_pChildItems[i] != nullptr) m_pChildItems[i]->SetCaption(m_strChildCaptions[i]);
}

CKXPropertyGridItemRect::~CKXPropertyGridItemRect() { ReleaseRows(m_pChildItems, 5); }

void CKXPropertyGridItemRect::SetChildCaption(UINT nID) { SetChildCaption(LoadCaptions(nID)); }
