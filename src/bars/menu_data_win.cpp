// The parts of CKXMenuData that need Windows: the image list and the ANSI
// code page.
#include "bars/menu_data.h"

#include "win/afxwin.h"

#include <vector>

void CKXMenuData::FreeImageList() {
    delete m_pImageList;
    m_pImageList = nullptr;
    m_nImageIndex = m_nIconSource = -1;
}

void CKXMenuData::SetAnsiString(LPCSTR szText) {
    if (szText == nullptr || *szText == '\0') {
        SetWideString(L"");
        return;
    }
    const int n = ::MultiByteToWideChar(CP_ACP, 0, szText, -1, nullptr, 0);
    if (n <= 0) {
        SetWideString(L"");
        return;
    }
    std::vector<wchar_t> wide(static_cast<size_t>(n));
    ::MultiByteToWideChar(CP_ACP, 0, szText, -1, wide.data(), n);
    wide.back() = L'\0';
    SetWideString(wide.data());
}

CString CKXMenuData::GetString() const {
    CString str;
    if (m_pszText == nullptr || *m_pszText == L'\0') return str;
    const int n = ::WideCharToMultiByte(CP_ACP, 0, m_pszText, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1) return str;
    LPSTR p = str.GetBuffer(n);
    ::WideCharToMultiByte(CP_ACP, 0, m_pszText, -1, p, n, nullptr, nullptr);
    str.ReleaseBuffer(n - 1);
    return str;
}
