// CardSheet.cpp : the card's property sheet.
#include "stdafx.h"

#include "CardSheet.h"

namespace {

// The document takes what the pages hold: a change like any other edit.
void Store(CCardDoc* pDoc) {
    pDoc->SetModifiedFlag();
    pDoc->UpdateAllViews(nullptr);
}

}  // namespace

BEGIN_MESSAGE_MAP(CCardContactPage, CPropertyPage)
    ON_EN_CHANGE(IDC_CARD_NAME, OnChange)
    ON_EN_CHANGE(IDC_CARD_PHONE, OnChange)
END_MESSAGE_MAP()

CCardContactPage::CCardContactPage(CCardDoc* pDoc)
    : CPropertyPage(IDD_CARD_CONTACT), m_name(pDoc->m_name), m_phone(pDoc->m_phone), m_pDoc(pDoc) {}

BOOL CCardContactPage::OnInitDialog() {
    BOOL bResult = CPropertyPage::OnInitDialog();
    SetModified(FALSE);  // filling the fields is no change
    return bResult;
}

void CCardContactPage::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_CARD_NAME, m_name);
    DDV_MaxChars(pDX, m_name, 64);
    DDX_Text(pDX, IDC_CARD_PHONE, m_phone);
}

BOOL CCardContactPage::OnApply() {
    if (IsModified()) {
        m_pDoc->m_name = m_name;
        m_pDoc->m_phone = m_phone;
        Store(m_pDoc);
    }
    return CPropertyPage::OnApply();
}

BEGIN_MESSAGE_MAP(CCardMarkPage, CPropertyPage)
    ON_BN_CLICKED(IDC_CARD_FAVOURITE, OnChange)
END_MESSAGE_MAP()

CCardMarkPage::CCardMarkPage(CCardDoc* pDoc)
    : CPropertyPage(IDD_CARD_MARK), m_favourite(pDoc->m_favourite), m_pDoc(pDoc) {}

void CCardMarkPage::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_CARD_FAVOURITE, m_favourite);
}

BOOL CCardMarkPage::OnApply() {
    if (IsModified()) {
        m_pDoc->m_favourite = m_favourite;
        Store(m_pDoc);
    }
    return CPropertyPage::OnApply();
}

CCardSheet::CCardSheet(CCardDoc* pDoc, CWnd* pParent)
    : CPropertySheet(_T("Card Properties"), pParent), m_contact(pDoc), m_mark(pDoc) {
    AddPage(&m_contact);
    AddPage(&m_mark);
}
