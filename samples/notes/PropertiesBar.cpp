// PropertiesBar.cpp : the properties of the active document in a grid.
#include "stdafx.h"

#include "PropertiesBar.h"

#include "CardDoc.h"
#include "NoteDoc.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CPropertiesBar, CDialogBar)
    ON_WM_SIZE()
    ON_MESSAGE(KXWM_PROPERTYGRID_NOTIFY, OnGridNotify)
END_MESSAGE_MAP()

BOOL CPropertiesBar::Create(CFrameWnd* pFrame) {
    if (!CDialogBar::Create(pFrame, IDD_PROPERTIES, WS_CHILD | WS_VISIBLE | CBRS_RIGHT, AFX_IDW_DIALOGBAR))
        return FALSE;
    CRect rc;
    GetClientRect(&rc);
    if (!m_grid.Create(rc, this, IDC_PROPERTIES_GRID)) return FALSE;
    m_grid.SetViewDivider(0.45);
    return TRUE;
}

void CPropertiesBar::OnSize(UINT nType, int cx, int cy) {
    CDialogBar::OnSize(nType, cx, cy);
    if (m_grid.GetSafeHwnd() != nullptr) m_grid.MoveWindow(0, 0, cx, cy);
}

void CPropertiesBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
    CDialogBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
    CMDIFrameWnd* pMain = DYNAMIC_DOWNCAST(CMDIFrameWnd, pTarget);
    CMDIChildWnd* pChild = pMain != nullptr ? pMain->MDIGetActive() : nullptr;
    CDocument* pDoc = pChild != nullptr ? pChild->GetActiveDocument() : nullptr;
    if (pDoc != m_pShown)
        ShowDocument(pDoc);
    else
        ReadDocument();
}

void CPropertiesBar::ShowDocument(CDocument* pDoc) {
    m_grid.ResetContent();
    m_pName = m_pPhone = nullptr;
    m_pFavourite = nullptr;
    m_pTitle = nullptr;
    m_pShown = pDoc;
    if (CCardDoc* pCard = DYNAMIC_DOWNCAST(CCardDoc, pDoc)) {
        CKXPropertyGridItem* pCategory = m_grid.AddCategory("Card");
        m_pName = pCategory->AddChildItem(new CKXPropertyGridItem("Name", pCard->m_name));
        m_pPhone = pCategory->AddChildItem(new CKXPropertyGridItem("Phone", pCard->m_phone));
        m_pFavourite = new CKXPropertyGridItemBool("Favourite", pCard->m_favourite, nullptr, 1);
        pCategory->AddChildItem(m_pFavourite);
        pCategory->Expand();
    } else if (CNoteDoc* pNote = DYNAMIC_DOWNCAST(CNoteDoc, pDoc)) {
        CKXPropertyGridItem* pCategory = m_grid.AddCategory("Note");
        m_pTitle = pCategory->AddChildItem(new CKXPropertyGridItem("Title", pNote->GetTitle()));
        m_pTitle->SetReadOnly(TRUE);
        pCategory->Expand();
    }
}

void CPropertiesBar::ReadDocument() {
    // Only what changed is set again: an edit under way keeps its text.
    if (CCardDoc* pCard = DYNAMIC_DOWNCAST(CCardDoc, m_pShown)) {
        if (m_pName != nullptr && m_pName->GetValue() != pCard->m_name) m_pName->SetValue(pCard->m_name);
        if (m_pPhone != nullptr && m_pPhone->GetValue() != pCard->m_phone) m_pPhone->SetValue(pCard->m_phone);
        if (m_pFavourite != nullptr && m_pFavourite->GetBool() != (pCard->m_favourite != 0))
            m_pFavourite->SetBool(pCard->m_favourite);
    } else if (m_pTitle != nullptr && m_pShown != nullptr && m_pTitle->GetValue() != m_pShown->GetTitle()) {
        m_pTitle->SetValue(m_pShown->GetTitle());
    }
}

LRESULT CPropertiesBar::OnGridNotify(WPARAM wParam, LPARAM) {
    CCardDoc* pCard = DYNAMIC_DOWNCAST(CCardDoc, m_pShown);
    if (wParam != KX_PGN_ITEMVALUE_CHANGED || pCard == nullptr) return 0;
    pCard->m_name = m_pName->GetValue();
    pCard->m_phone = m_pPhone->GetValue();
    pCard->m_favourite = m_pFavourite->GetBool();
    pCard->SetModifiedFlag();
    pCard->UpdateAllViews(nullptr);
    return 0;
}
