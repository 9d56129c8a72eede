// CardDoc.cpp : a contact card: a name, a phone number and a mark.
#include "stdafx.h"

#include "CardDoc.h"
#include "CardSheet.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(CCardDoc, CDocument)

BEGIN_MESSAGE_MAP(CCardDoc, CDocument)
    ON_COMMAND(ID_CARD_CLEAR, OnCardClear)
    ON_COMMAND(ID_CARD_PROPERTIES, OnCardProperties)
END_MESSAGE_MAP()

BOOL CCardDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument()) return FALSE;
    m_name = "New contact";
    return TRUE;
}

void CCardDoc::DeleteContents() {
    m_name.Empty();
    m_phone.Empty();
    m_favourite = 0;
}

void CCardDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_name << m_phone << m_favourite;
    } else {
        ar >> m_name >> m_phone >> m_favourite;
    }
}

void CCardDoc::OnCardClear() {
    DeleteContents();
    SetModifiedFlag();
    UpdateAllViews(nullptr);
}

void CCardDoc::OnCardProperties() {
    CCardSheet sheet(this, AfxGetMainWnd());
    sheet.DoModal();
}
