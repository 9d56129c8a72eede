// CardDoc.h : a contact card.
#pragma once

class CCardDoc : public CDocument {
    DECLARE_DYNCREATE(CCardDoc)
public:
    CString m_name;
    CString m_phone;
    int m_favourite = 0;

    BOOL OnNewDocument() override;
    void DeleteContents() override;
    void Serialize(CArchive& ar) override;

protected:
    void OnCardClear();
    void OnCardProperties();
    DECLARE_MESSAGE_MAP()
};
