// Dialog data exchange and validation.
#include "win/dialog.h"

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
    } catch (CException* e) {
        // A failed validation has told the user already.
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

template <class T, class Parse>
void ExchangeNumber(CDataExchange* pDX, int nIDC, T& value, const char* format, Parse parse, LPCTSTR prompt) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        CString text = WindowText(hWndCtrl);
        text.Trim();
        T parsed;
        if (!parse(text, parsed)) FailWith(pDX, prompt);
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

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    ExchangeNumber(pDX, nIDC, value, "%d", [](const CString& t, int& v) { return ParseSigned(t, v, INT_MIN, INT_MAX); },
                   "Please enter an integer.");
}

void DDX_Text(CDataExchange* pDX, int nIDC, long& value) {
    ExchangeNumber(pDX, nIDC, value, "%ld",
                   [](const CString& t, long& v) { return ParseSigned(t, v, LONG_MIN, LONG_MAX); },
                   "Please enter an integer.");
}

void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) {
    ExchangeNumber(pDX, nIDC, value, "%u", [](const CString& t, UINT& v) { return ParseUnsigned(t, v, UINT_MAX); },
                   "Please enter a positive integer.");
}

void DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value) {
    ExchangeNumber(pDX, nIDC, value, "%lu", [](const CString& t, DWORD& v) { return ParseUnsigned(t, v, ULONG_MAX); },
                   "Please enter a positive integer.");
}

void DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
    ExchangeNumber(pDX, nIDC, value, "%.15g", [](const CString& t, double& v) { return ParseReal(t, v, DBL_MAX); },
                   "Please enter a number.");
}

void DDX_Text(CDataExchange* pDX, int nIDC, float& value) {
    double d = value;
    ExchangeNumber(pDX, nIDC, d, "%.6g", [](const CString& t, double& v) { return ParseReal(t, v, FLT_MAX); },
                   "Please enter a number.");
    value = static_cast<float>(d);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0));
    else
        ::SendMessageA(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(value >= 0 && value <= 2 ? value : 0), 0);
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

void DDX_Slider(CDataExchange* pDX, int nIDC, int& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(hWndCtrl, TBM_GETPOS, 0, 0));
    else
        ::SendMessageA(hWndCtrl, TBM_SETPOS, TRUE, value);
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars) {
    if (pDX->m_bSaveAndValidate && value.GetLength() > nChars) {
        CString prompt;
        prompt.Format("Please enter no more than %d characters.", nChars);
        FailWith(pDX, prompt);
    }
    if (!pDX->m_bSaveAndValidate && pDX->m_idLastControl != 0 && pDX->m_bEditLastControl)
        ::SendDlgItemMessageA(pDX->m_pDlgWnd->m_hWnd, pDX->m_idLastControl, EM_LIMITTEXT, nChars, 0);
}

namespace {
template <class T>
void CheckRange(CDataExchange* pDX, T value, T minVal, T maxVal, const char* format) {
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal)) return;
    char prompt[160];
    snprintf(prompt, sizeof prompt, format, minVal, maxVal);
    FailWith(pDX, prompt);
}
}  // namespace

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) {
    CheckRange(pDX, value, minVal, maxVal, "Please enter an integer between %d and %d.");
}
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal) {
    CheckRange(pDX, value, minVal, maxVal, "Please enter an integer between %u and %u.");
}
void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal) {
    CheckRange(pDX, value, minVal, maxVal, "Please enter an integer between %ld and %ld.");
}
void DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal) {
    CheckRange(pDX, value, minVal, maxVal, "Please enter an integer between %lu and %lu.");
}
void DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal) {
    CheckRange(pDX, value, minVal, maxVal, "Please enter a number between %g and %g.");
}
