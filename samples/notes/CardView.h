// CardView.h : the card's form.
#pragma once

#include "CardDoc.h"
#include "resource.h"

class CCardView : public CFormView {
    DECLARE_DYNCREATE(CCardView)
protected:
    CCardView();

public:
    CCardDoc* GetDocument() const { return static_cast<CCardDoc*>(m_pDocument); }
    void DoDataExchange(CDataExchange* pDX) override;
    void OnInitialUpdate() override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;

protected:
    void OnFieldChange();
    BOOL m_bUpdating = FALSE;
    DECLARE_MESSAGE_MAP()
};
