// The Windows build's side of COleDateTime: the default text and the
// parsing of texts come from OLE automation, as in MFC.
#include "base/coledatetime.h"

#include <oleauto.h>

#include <vector>

CString COleDateTime::Format(DWORD dwFlags, LCID lcid) const {
    if (m_status == null) return CString();
    if (m_status != valid) return CString(AFX_OLE_DATETIME_INVALID_TEXT);
    BSTR bstr = nullptr;
    if (FAILED(::VarBstrFromDate(m_dt, lcid, dwFlags, &bstr)) || bstr == nullptr)
        return CString(AFX_OLE_DATETIME_INVALID_TEXT);
    CString out;
    const int cch = static_cast<int>(::SysStringLen(bstr));
    const int cb = cch ? ::WideCharToMultiByte(CP_ACP, 0, bstr, cch, nullptr, 0, nullptr, nullptr) : 0;
    if (cb > 0) {
        ::WideCharToMultiByte(CP_ACP, 0, bstr, cch, out.GetBufferSetLength(cb), cb, nullptr, nullptr);
        out.ReleaseBuffer(cb);
    }
    ::SysFreeString(bstr);
    return out;
}

bool COleDateTime::ParseDateTime(LPCTSTR lpszDate, DWORD dwFlags, LCID lcid) {
    if (lpszDate == nullptr) lpszDate = "";
    const int cch = ::MultiByteToWideChar(CP_ACP, 0, lpszDate, -1, nullptr, 0);
    if (cch <= 0) return TakeParseResult(DISP_E_TYPEMISMATCH, 0);
    std::vector<WCHAR> wide(static_cast<size_t>(cch));
    ::MultiByteToWideChar(CP_ACP, 0, lpszDate, -1, wide.data(), cch);
    DATE dt = 0;
    const HRESULT hr = ::VarDateFromStr(wide.data(), lcid, dwFlags, &dt);
    return TakeParseResult(hr, dt);
}
