// CardView.cpp : the card's form: its fields exchange data with the
// document as they change.
#include "stdafx.h"

#include "CardView.h"

IMPLEMENT_DYNCREATE(CCardView, CFormView)

BEGIN_MESSAGE_MAP(CCardView, CFormView)
    ON_EN_CHANGE(IDC_CARD_NAME, OnFieldChange)
    ON_EN_CHANGE(IDC_CARD_PHONE, OnFieldChange)
    ON_BN_CLICKED(IDC_CARD_FAVOURITE, OnFieldChange)
END_MESSAGE_MAP()

CCardView::CCardView() : CFormView(IDD_CARD) {}

void CCardView::DoDataExchange(CDataExchange* pDX) {
    CFormView::DoDataExchange(pDX);
    CCardDoc* pDoc = GetDocument();
    DDX_Text(pDX, IDC_CARD_NAME, pDoc->m_name);
    DDV_MaxChars(pDX, pDoc->m_name, 64);
    DDX_Text(pDX, IDC_CARD_PHONE, pDoc->m_phone);
    DDX_Check(pDX, IDC_CARD_FAVOURITE, pDoc->m_favourite);
}

void CCardView::OnInitialUpdate() {
    m_bUpdating = TRUE;  // filling the fields is no edit
    CFormView::OnInitialUpdate();
    m_bUpdating = FALSE;
}

void CCardView::OnUpdate(CView*, LPARAM, CObject*) {
    // The document changed: the fields show it (without taking it for an edit).
    m_bUpdating = TRUE;
    UpdateData(FALSE);
    m_bUpdating = FALSE;
}

void CCardView::OnFieldChange() {
    if (m_bUpdating || GetDocument() == nullptr) return;
    if (UpdateData(TRUE)) GetDocument()->SetModifiedFlag();
}
