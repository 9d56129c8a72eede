#include "win/ctl_richedit.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(CRichEditCtrl, CWnd)

BOOL AfxInitRichEdit2() {
    static const HMODULE s_hRichEdit = ::LoadLibraryA("RICHED20.DLL");
    return s_hRichEdit != nullptr;
}

BOOL CRichEditCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    if (!AfxInitRichEdit2()) return FALSE;
    return CWnd::Create("RichEdit20A", nullptr, dwStyle, rect, pParentWnd, nID);
}

long CRichEditCtrl::GetTextLengthEx(DWORD dwFlags, UINT nCodePage) const {
    GETTEXTLENGTHEX gtl = {dwFlags, nCodePage};
    return (long)SendMessage(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&gtl));
}

void CRichEditCtrl::GetSel(long& nStartChar, long& nEndChar) const {
    CHARRANGE cr = {};
    GetSel(cr);
    nStartChar = cr.cpMin;
    nEndChar = cr.cpMax;
}

void CRichEditCtrl::SetSel(long nStartChar, long nEndChar) {
    CHARRANGE cr = {nStartChar, nEndChar};
    SetSel(cr);
}

CString CRichEditCtrl::GetSelText() const {
    CHARRANGE cr = {};
    GetSel(cr);
    CString str;
    int nLength = std::max<long>(cr.cpMax - cr.cpMin, 0);
    // Room for what a character may become in the text (line ends grow).
    std::vector<char> buf(static_cast<size_t>(nLength) * 2 + 1);
    long n = (long)SendMessage(EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(buf.data()));
    str.SetString(buf.data(), static_cast<int>(std::clamp<long>(n, 0, static_cast<long>(buf.size()) - 1)));
    return str;
}

long CRichEditCtrl::GetTextRange(int nFirst, int nLast, CString& refString) const {
    refString.Empty();
    if (nLast < nFirst) return 0;
    std::vector<char> buf(static_cast<size_t>(nLast - nFirst) * 2 + 1);
    TEXTRANGEA tr = {{nFirst, nLast}, buf.data()};
    long n = (long)SendMessage(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&tr));
    refString.SetString(buf.data(), static_cast<int>(std::clamp<long>(n, 0, static_cast<long>(buf.size()) - 1)));
    return refString.GetLength();
}

int CRichEditCtrl::GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const {
    ASSERT(lpszBuffer != nullptr && nMaxLength >= static_cast<int>(sizeof(WORD)));
    if (lpszBuffer == nullptr || nMaxLength < static_cast<int>(sizeof(WORD))) return 0;
    // The message takes the buffer's size in its first word.
    *reinterpret_cast<WORD*>(lpszBuffer) = static_cast<WORD>(nMaxLength);
    return (int)SendMessage(EM_GETLINE, nIndex, reinterpret_cast<LPARAM>(lpszBuffer));
}

DWORD CRichEditCtrl::GetDefaultCharFormat(CHARFORMATA& cf) const {
    cf.cbSize = sizeof cf;
    return (DWORD)SendMessage(EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
}

BOOL CRichEditCtrl::SetDefaultCharFormat(CHARFORMATA& cf) {
    cf.cbSize = sizeof cf;
    return (BOOL)SendMessage(EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
}

DWORD CRichEditCtrl::GetSelectionCharFormat(CHARFORMATA& cf) const {
    cf.cbSize = sizeof cf;
    return (DWORD)SendMessage(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
}

BOOL CRichEditCtrl::SetSelectionCharFormat(CHARFORMATA& cf) {
    cf.cbSize = sizeof cf;
    return (BOOL)SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
}

BOOL CRichEditCtrl::SetWordCharFormat(CHARFORMATA& cf) {
    cf.cbSize = sizeof cf;
    return (BOOL)SendMessage(EM_SETCHARFORMAT, SCF_SELECTION | SCF_WORD, reinterpret_cast<LPARAM>(&cf));
}

DWORD CRichEditCtrl::GetParaFormat(PARAFORMAT& pf) const {
    pf.cbSize = sizeof pf;
    return (DWORD)SendMessage(EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));
}

BOOL CRichEditCtrl::SetParaFormat(PARAFORMAT& pf) {
    pf.cbSize = sizeof pf;
    return (BOOL)SendMessage(EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));
}

CPoint CRichEditCtrl::GetCharPos(long lChar) const {
    POINTL pt = {};
    SendMessage(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pt), lChar);
    return CPoint(pt.x, pt.y);
}
