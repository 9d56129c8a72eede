#include "edit/date_edit.h"

#include "edit/mask_chars.h"

IMPLEMENT_DYNCREATE(CKXDateEdit, CKXMaskEdit)
IMPLEMENT_DYNCREATE(CKXTimeEdit, CKXDateEdit)

// --- CKXDateEdit ----------------------------------------------------------------

CKXDateEdit::CKXDateEdit() {
    m_bUseMask = true;
    m_strMask = "00/00/0000";
    m_strLiteral = "__/__/____";
}

CKXDateEdit::~CKXDateEdit() = default;

void CKXDateEdit::SetDateTime(CString str) {
    m_strDefault = str;
    m_strText = str;
    SetControlText(m_strText);
}

void CKXDateEdit::SetDateTime(const COleDateTime& dt) {
    CString str;
    FormatOleDateTime(str, dt);
    SetDateTime(str);
}

COleDateTime CKXDateEdit::GetDateTime() { return ReadOleDateTime(GetWindowDateTime()); }

CString CKXDateEdit::GetWindowDateTime() { return GetControlText(); }

COleDateTime CKXDateEdit::ReadOleDateTime(LPCTSTR lpszText) {
    COleDateTime dt;
    dt.ParseDateTime(lpszText, 0, LOCALE_USER_DEFAULT);
    return dt;
}

void CKXDateEdit::FormatOleDateTime(CString& str, COleDateTime dt) { str = dt.Format("%d/%m/%Y"); }

bool CKXDateEdit::ProcessMask(UINT& ch, int nPos) {
    const eKXDIGITCHECK eCheck = KXCheckDateDigit(m_strMask, m_strText, nPos, ch);
    if (eCheck == KX_DIGIT_NOT_DIGIT) MaskBeep();
    return eCheck == KX_DIGIT_OK;
}

// --- CKXTimeEdit ----------------------------------------------------------------

CKXTimeEdit::CKXTimeEdit() {
    m_strMask = "00:00";
    m_strLiteral = "__:__";
}

CKXTimeEdit::~CKXTimeEdit() = default;

void CKXTimeEdit::ShowTime() {
    m_strText.Format("%02d:%02d", m_nHours, m_nMins);
    SetControlText(m_strText);
}

void CKXTimeEdit::SetHours(int nHours) {
    if (nHours < 0 || nHours > 23) return;
    m_nHours = nHours;
    ShowTime();
}

void CKXTimeEdit::SetMins(int nMins) {
    if (nMins < 0 || nMins > 59) return;
    m_nMins = nMins;
    ShowTime();
}

void CKXTimeEdit::SetTime(int nHours, int nMins) {
    if (nHours < 0 || nHours > 23 || nMins < 0 || nMins > 59) return;
    m_nHours = nHours;
    m_nMins = nMins;
    ShowTime();
}

void CKXTimeEdit::FormatOleDateTime(CString& str, COleDateTime dt) {
    if (static_cast<DATE>(dt) == 0.0) str = "00:00";
    else str = dt.Format("%H:%M");
}

bool CKXTimeEdit::ProcessMask(UINT& ch, int nPos) {
    const eKXDIGITCHECK eCheck = KXCheckTimeDigit(m_strMask, m_strText, nPos, ch, m_b24Hour);
    if (eCheck != KX_DIGIT_OK) MaskBeep();
    return eCheck == KX_DIGIT_OK;
}

// --- dialog data exchange ---------------------------------------------------------

void DDX_KXOleDateTime(CDataExchange* pDX, int nIDC, CKXDateEdit& ctrl, COleDateTime& value) {
    DDX_Control(pDX, nIDC, ctrl);
    if (pDX->m_bSaveAndValidate) value = ctrl.GetDateTime();
    else ctrl.SetDateTime(value);
}
