// CKXDateEdit: a masked edit for a day/month/year date ("00/00/0000") with
// range checks per digit and conversion to and from COleDateTime.
// CKXTimeEdit: the same for hours and minutes ("00:00"), twelve-hour digit
// limits unless Set24Hour.
//
// The text is read back with the platform's date parsing in the user's
// locale (VarDateFromStr): a text that is no date, or an impossible one such
// as 31/02/2024, gives an invalid COleDateTime.
#pragma once

#include "base/coledatetime.h"
#include "edit/mask_edit.h"

class CKXDateEdit : public CKXMaskEdit {
    DECLARE_DYNCREATE(CKXDateEdit)
public:
    CKXDateEdit();
    ~CKXDateEdit() override;

    // The text (and the default that Backspace restores) becomes str.
    virtual void SetDateTime(CString str);
    virtual void SetDateTime(const COleDateTime& dt);
    // The window text read as a date.
    virtual COleDateTime GetDateTime();
    virtual CString GetWindowDateTime();
    virtual COleDateTime ReadOleDateTime(LPCTSTR lpszText);
    // "%d/%m/%Y"; an invalid value gives "Invalid DateTime".
    virtual void FormatOleDateTime(CString& str, COleDateTime dt);

    bool ProcessMask(UINT& ch, int nPos) override;
};

class CKXTimeEdit : public CKXDateEdit {
    DECLARE_DYNCREATE(CKXTimeEdit)
public:
    CKXTimeEdit();
    ~CKXTimeEdit() override;

    // Hours 0 to 23, minutes 0 to 59; a value outside changes nothing.
    // The text becomes both as "%02d:%02d".
    virtual void SetHours(int nHours);
    virtual void SetMins(int nMins);
    virtual void SetTime(int nHours, int nMins);
    // The values last set, not what was typed since.
    int GetHours() const { return m_nHours; }
    int GetMins() const { return m_nMins; }
    void Set24Hour(bool b24Hour) { m_b24Hour = b24Hour; }
    bool Is24Hour() const { return m_b24Hour; }

    // "00:00" for exactly 0.0, else "%H:%M".
    void FormatOleDateTime(CString& str, COleDateTime dt) override;
    bool ProcessMask(UINT& ch, int nPos) override;

protected:
    void ShowTime();

    int m_nHours = 0;
    int m_nMins = 0;
    bool m_b24Hour = false;
};

// Binds ctrl to the dialog item nIDC; saving, value becomes the control's
// date, otherwise the control shows value.
void DDX_KXOleDateTime(CDataExchange* pDX, int nIDC, CKXDateEdit& ctrl, COleDateTime& value);
