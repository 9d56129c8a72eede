// CardSheet.h : Card > Properties...: the card's fields on two pages.
#pragma once

#include "CardDoc.h"
#include "resource.h"

// Each page edits the document directly when OK or Apply is pressed, so the
// form view follows at once.
class CCardContactPage : public CPropertyPage {
public:
    explicit CCardContactPage(CCardDoc* pDoc);
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnApply() override;

    CString m_name;
    CString m_phone;

protected:
    void OnChange() { SetModified(); }
    CCardDoc* m_pDoc;
    DECLARE_MESSAGE_MAP()
};

class CCardMarkPage : public CPropertyPage {
public:
    explicit CCardMarkPage(CCardDoc* pDoc);
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnApply() override;

    int m_favourite = 0;

protected:
    void OnChange() { SetModified(); }
    CCardDoc* m_pDoc;
    DECLARE_MESSAGE_MAP()
};

class CCardSheet : public CPropertySheet {
public:
    explicit CCardSheet(CCardDoc* pDoc, CWnd* pParent = nullptr);

    CCardContactPage m_contact;
    CCardMarkPage m_mark;
};
