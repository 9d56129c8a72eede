// Dialog data exchange and validation.
#include "win/dialog.h"

#include "afxres.h"
#include "base/format_strings.h"
#include "win/afx_strings.h"
#include "win/winapp.h"

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cstdio>
#include <cstdlib>

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    // Controls changed by the exchange must not notify this window meanwhile.
    AFX_THREAD_STATE* state = AfxGetThreadState();
    HWND hWndOldLockout = state->m_hLockoutNotifyWindow;
    state->m_hLockoutNotifyWindow = m_hWnd;
    BOOL bOK = FALSE;
    try {
        DoDataExchange(&dx);
        bOK = TRUE;
    } catch (CUserException* e) {
        e->Delete();  // a failed validation has told the user already
    } catch (CException* e) {
        // Anything else (no memory, a missing control) the user is told here.
        e->ReportError(MB_ICONEXCLAMATION, AFX_IDP_INTERNAL_FAILURE);
        e->Delete();
    }
    state->m_hLockoutNotifyWindow = hWndOldLockout;
    return bOK;
}

void CWnd::DoDataExchange(CDataExchange*) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    if (hWndCtrl == nullptr) AfxThrowNotSupportedException();
    m_idLastControl = nIDC;
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_idLastControl != 0) {
        HWND hWndLastControl = ::GetDlgItem(m_pDlgWnd->m_hWnd, m_idLastControl);
        ::SetFocus(hWndLastControl);
        if (m_bEditLastControl) ::SendMessageA(hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

namespace {

CString WindowText(HWND hWnd) {
    CWnd wnd(hWnd);
    CString s;
    wnd.GetWindowText(s);
    wnd.m_hWnd = nullptr;
    return s;
}

// Sets the text only when it changes, so the control does not flicker.
void SetWindowTextIfChanged(HWND hWnd, LPCTSTR text) {
    if (WindowText(hWnd) != text) ::SetWindowTextA(hWnd, text);
}

[[noreturn]] void FailWith(CDataExchange* pDX, LPCTSTR prompt) {
    AfxMessageBox(prompt, MB_ICONEXCLAMATION);
    pDX->Fail();
}

[[noreturn]] void FailWith(CDataExchange* pDX, UINT nIDPrompt) { FailWith(pDX, AfxFrameworkString(nIDPrompt)); }

// Reads and writes a number in an edit control: on saving, text that does
// not parse (surrounding blanks allowed) tells the user nIDPrompt and fails.
template <class T, class Parse>
void ExchangeNumber(CDataExchange* pDX, int nIDC, T& value, const char* format, Parse parse, UINT nIDPrompt) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        CString text = WindowText(hWndCtrl);
        text.Trim();
        T parsed;
        if (!parse(text, parsed)) FailWith(pDX, nIDPrompt);
        value = parsed;
    } else {
        char buf[64];
        snprintf(buf, sizeof buf, format, value);
        SetWindowTextIfChanged(hWndCtrl, buf);
    }
}

template <class T>
bool ParseSigned(const CString& text, T& out, long long lo, long long hi) {
    if (text.IsEmpty()) return false;
    errno = 0;
    char* end = nullptr;
    long long v = strtoll(text, &end, 10);
    if (errno || *end != '\0' || v < lo || v > hi) return false;
    out = static_cast<T>(v);
    return true;
}

template <class T>
bool ParseUnsigned(const CString& text, T& out, unsigned long long hi) {
    if (text.IsEmpty() || text[0] == '-') return false;
    errno = 0;
    char* end = nullptr;
    unsigned long long v = strtoull(text, &end, 10);
    if (errno || *end != '\0' || v > hi) return false;
    out = static_cast<T>(v);
    return true;
}

template <class T>
bool ParseReal(const CString& text, T& out, double limit) {
    if (text.IsEmpty()) return false;
    errno = 0;
    char* end = nullptr;
    double v = strtod(text, &end);
    if (errno || *end != '\0' || v > limit || v < -limit) return false;
    out = static_cast<T>(v);
    return true;
}

template <class T>
void ExchangeSigned(CDataExchange* pDX, int nIDC, T& value, long long lo, long long hi, UINT nIDPrompt) {
    long long v = value;
    ExchangeNumber(pDX, nIDC, v, "%lld", [&](const CString& t, long long& out) { return ParseSigned(t, out, lo, hi); },
                   nIDPrompt);
    value = static_cast<T>(v);
}

template <class T>
void ExchangeUnsigned(CDataExchange* pDX, int nIDC, T& value, unsigned long long hi, UINT nIDPrompt) {
    unsigned long long v = value;
    ExchangeNumber(pDX, nIDC, v, "%llu", [&](const CString& t, unsigned long long& out) { return ParseUnsigned(t, out, hi); },
                   nIDPrompt);
    value = static_cast<T>(v);
}

}  // namespace

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd == nullptr) {
        HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
        if (!rControl.SubclassWindow(hWndCtrl)) AfxThrowNotSupportedException();
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = WindowText(hWndCtrl);
    else
        SetWindowTextIfChanged(hWndCtrl, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, LPTSTR value, int nMaxLen) {
    ASSERT(value != nullptr && nMaxLen > 0);
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        ::GetWindowTextA(hWndCtrl, value, nMaxLen);
    } else {
        SetWindowTextIfChanged(hWndCtrl, value);
        ::SendMessageA(hWndCtrl, EM_LIMITTEXT, static_cast<WPARAM>(nMaxLen - 1), 0);
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value) {
    ExchangeUnsigned(pDX, nIDC, value, UCHAR_MAX, AFX_IDP_PARSE_BYTE);
}
void DDX_Text(CDataExchange* pDX, int nIDC, short& value) {
    ExchangeSigned(pDX, nIDC, value, SHRT_MIN, SHRT_MAX, AFX_IDP_PARSE_INT);
}
void DDX_Text(CDataExchange* pDX, int nIDC, WORD& value) {
    ExchangeUnsigned(pDX, nIDC, value, USHRT_MAX, AFX_IDP_PARSE_UINT);
}
void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    ExchangeSigned(pDX, nIDC, value, INT_MIN, INT_MAX, AFX_IDP_PARSE_INT);
}
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) {
    ExchangeUnsigned(pDX, nIDC, value, UINT_MAX, AFX_IDP_PARSE_UINT);
}
void DDX_Text(CDataExchange* pDX, int nIDC, long& value) {
    ExchangeSigned(pDX, nIDC, value, LONG_MIN, LONG_MAX, AFX_IDP_PARSE_INT);
}
void DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value) {
    ExchangeUnsigned(pDX, nIDC, value, ULONG_MAX, AFX_IDP_PARSE_UINT);
}
void DDX_Text(CDataExchange* pDX, int nIDC, LONGLONG& value) {
    ExchangeSigned(pDX, nIDC, value, LLONG_MIN, LLONG_MAX, AFX_IDP_PARSE_INT);
}
void DDX_Text(CDataExchange* pDX, int nIDC, ULONGLONG& value) {
    ExchangeUnsigned(pDX, nIDC, value, ULLONG_MAX, AFX_IDP_PARSE_UINT);
}

void DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
    ExchangeNumber(pDX, nIDC, value, "%.15g", [](const CString& t, double& v) { return ParseReal(t, v, DBL_MAX); },
                   AFX_IDP_PARSE_REAL);
}

void DDX_Text(CDataExchange* pDX, int nIDC, float& value) {
    double d = value;
    ExchangeNumber(pDX, nIDC, d, "%.6g", [](const CString& t, double& v) { return ParseReal(t, v, FLT_MAX); },
                   AFX_IDP_PARSE_REAL);
    value = static_cast<float>(d);
}

void DDX_Text(CDataExchange* pDX, int nIDC, COleDateTime& value) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        CString text = WindowText(hWndCtrl);
        if (!value.ParseDateTime(text)) FailWith(pDX, AFX_IDP_PARSE_DATETIME);
    } else {
        SetWindowTextIfChanged(hWndCtrl, value.Format());
    }
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0));
    } else {
        ASSERT(value >= 0 && value <= 2);  // unchecked, checked or indeterminate
        ::SendMessageA(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(value >= 0 && value <= 2 ? value : 0), 0);
    }
}

// The group of radio buttons that starts at nIDC: value is the index of the
// checked one, or -1.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) value = -1;
    int iButton = 0;
    do {
        if (::SendMessageA(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (pDX->m_bSaveAndValidate) {
                if (::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0) != 0) value = iButton;
            } else {
                ::SendMessageA(hWndCtrl, BM_SETCHECK, iButton == value, 0);
            }
            iButton++;
        }
        hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
    } while (hWndCtrl && !(::GetWindowLongA(hWndCtrl, GWL_STYLE) & WS_GROUP));
}

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageA(hWndCtrl, LB_GETCURSEL, 0, 0));
    else
        ::SendMessageA(hWndCtrl, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageA(hWndCtrl, CB_GETCURSEL, 0, 0));
    else
        ::SendMessageA(hWndCtrl, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        int nIndex = static_cast<int>(::SendMessageA(hWndCtrl, LB_GETCURSEL, 0, 0));
        value.Empty();
        if (nIndex != LB_ERR) {
            int nLen = static_cast<int>(::SendMessageA(hWndCtrl, LB_GETTEXTLEN, nIndex, 0));
            if (nLen > 0) {
                ::SendMessageA(hWndCtrl, LB_GETTEXT, nIndex, reinterpret_cast<LPARAM>(value.GetBuffer(nLen)));
                value.ReleaseBuffer(nLen);
            }
        }
    } else if (::SendMessageA(hWndCtrl, LB_SELECTSTRING, static_cast<WPARAM>(-1),
                              reinterpret_cast<LPARAM>(value.GetString())) == LB_ERR) {
        ::SendMessageA(hWndCtrl, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    }
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = WindowText(hWndCtrl);
    } else if (::SendMessageA(hWndCtrl, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                              reinterpret_cast<LPARAM>(value.GetString())) == CB_ERR) {
        ::SetWindowTextA(hWndCtrl, value);
    }
}

namespace {
// Selects the exact string (an empty string selects nothing), else for a
// combo box puts the text into its edit field.
void SelectExact(HWND hWndCtrl, UINT nFind, UINT nSetSel, LRESULT nErr, const CString& value, bool bCombo) {
    LRESULT nIndex = value.IsEmpty() ? nErr
                                     : ::SendMessageA(hWndCtrl, nFind, static_cast<WPARAM>(-1),
                                                      reinterpret_cast<LPARAM>(value.GetString()));
    if (nIndex != nErr) {
        ::SendMessageA(hWndCtrl, nSetSel, static_cast<WPARAM>(nIndex), 0);
    } else {
        ::SendMessageA(hWndCtrl, nSetSel, static_cast<WPARAM>(-1), 0);
        if (bCombo && !value.IsEmpty()) ::SetWindowTextA(hWndCtrl, value);
    }
}
}  // namespace

void DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        DDX_LBString(pDX, nIDC, value);
    else
        SelectExact(hWndCtrl, LB_FINDSTRINGEXACT, LB_SETCURSEL, LB_ERR, value, false);
}

void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = WindowText(hWndCtrl);
    else
        SelectExact(hWndCtrl, CB_FINDSTRINGEXACT, CB_SETCURSEL, CB_ERR, value, true);
}

void DDX_Scroll(CDataExchange* pDX, int nIDC, int& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = ::GetScrollPos(hWndCtrl, SB_CTL);
    else
        ::SetScrollPos(hWndCtrl, SB_CTL, value, TRUE);
}

void DDX_Slider(CDataExchange* pDX, int nIDC, int& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(hWndCtrl, TBM_GETPOS, 0, 0));
    else
        ::SendMessageA(hWndCtrl, TBM_SETPOS, TRUE, value);
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars) {
    ASSERT(nChars >= 1);
    if (pDX->m_bSaveAndValidate && value.GetLength() > nChars) {
        CString strChars, prompt;
        strChars.Format("%d", nChars);
        LPCTSTR inserts[1] = {strChars};
        AfxFormatStrings(prompt, AfxFrameworkString(AFX_IDP_PARSE_STRING_SIZE), inserts, 1);
        FailWith(pDX, prompt);
    }
    if (!pDX->m_bSaveAndValidate && pDX->m_idLastControl != 0 && pDX->m_bEditLastControl)
        ::SendDlgItemMessageA(pDX->m_pDlgWnd->m_hWnd, pDX->m_idLastControl, EM_LIMITTEXT, nChars, 0);
}

namespace {
// On saving, a value outside [minVal, maxVal] tells the user the range
// (the prompt nIDPrompt with %1 and %2) and fails.
template <class T>
void CheckRange(CDataExchange* pDX, T value, T minVal, T maxVal, const char* format, UINT nIDPrompt) {
    ASSERT(minVal <= maxVal);
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal)) return;
    char szMin[64], szMax[64];
    snprintf(szMin, sizeof szMin, format, minVal);
    snprintf(szMax, sizeof szMax, format, maxVal);
    LPCTSTR inserts[2] = {szMin, szMax};
    CString prompt;
    AfxFormatStrings(prompt, AfxFrameworkString(nIDPrompt), inserts, 2);
    FailWith(pDX, prompt);
}
}  // namespace

void DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal) {
    CheckRange<unsigned>(pDX, value, minVal, maxVal, "%u", AFX_IDP_PARSE_INT_RANGE);
}
void DDV_MinMaxShort(CDataExchange* pDX, short value, short minVal, short maxVal) {
    CheckRange<int>(pDX, value, minVal, maxVal, "%d", AFX_IDP_PARSE_INT_RANGE);
}
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) {
    CheckRange(pDX, value, minVal, maxVal, "%d", AFX_IDP_PARSE_INT_RANGE);
}
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal) {
    CheckRange(pDX, value, minVal, maxVal, "%u", AFX_IDP_PARSE_INT_RANGE);
}
void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal) {
    CheckRange(pDX, value, minVal, maxVal, "%ld", AFX_IDP_PARSE_INT_RANGE);
}
void DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal) {
    CheckRange(pDX, value, minVal, maxVal, "%lu", AFX_IDP_PARSE_INT_RANGE);
}
void DDV_MinMaxLongLong(CDataExchange* pDX, LONGLONG value, LONGLONG minVal, LONGLONG maxVal) {
    CheckRange<long long>(pDX, value, minVal, maxVal, "%lld", AFX_IDP_PARSE_INT_RANGE);
}
void DDV_MinMaxULongLong(CDataExchange* pDX, ULONGLONG value, ULONGLONG minVal, ULONGLONG maxVal) {
    CheckRange<unsigned long long>(pDX, value, minVal, maxVal, "%llu", AFX_IDP_PARSE_INT_RANGE);
}
void DDV_MinMaxFloat(CDataExchange* pDX, const float& value, float minVal, float maxVal) {
    CheckRange<double>(pDX, value, minVal, maxVal, "%.6g", AFX_IDP_PARSE_REAL_RANGE);
}
void DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal) {
    CheckRange(pDX, value, minVal, maxVal, "%.15g", AFX_IDP_PARSE_REAL_RANGE);
}

void DDV_MinMaxSlider(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal) {
    ASSERT(minVal <= maxVal);
    if (!pDX->m_bSaveAndValidate) {
        // Loading gives the slider its range.
        if (pDX->m_idLastControl != 0) {
            HWND hWndCtrl = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, pDX->m_idLastControl);
            ::SendMessageA(hWndCtrl, TBM_SETRANGEMIN, FALSE, static_cast<LPARAM>(minVal));
            ::SendMessageA(hWndCtrl, TBM_SETRANGEMAX, TRUE, static_cast<LPARAM>(maxVal));
        }
        return;
    }
    CheckRange(pDX, value, minVal, maxVal, "%lu", AFX_IDP_PARSE_INT_RANGE);
}
