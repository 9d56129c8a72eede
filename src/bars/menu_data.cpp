#include "bars/menu_data.h"

#include <cwchar>

CKXMenuData::~CKXMenuData() {
    FreeImageList();
    delete[] m_pszText;
}

CKXMenuData& CKXMenuData::operator=(const CKXMenuData& other) {
    m_pszText = other.m_pszText;
    m_nImageIndex = other.m_nImageIndex;
    m_nIconSource = other.m_nIconSource;
    m_nFlags = other.m_nFlags;
    m_nID = other.m_nID;
    m_nSync = other.m_nSync;
    m_pImageList = other.m_pImageList;
    return *this;
}

void CKXMenuData::SetWideString(const wchar_t* szText) {
    if (szText == nullptr) szText = L"";
    const size_t n = std::wcslen(szText);
    wchar_t* pNew = new wchar_t[n + 1];
    std::wmemcpy(pNew, szText, n + 1);
    delete[] m_pszText;
    m_pszText = pNew;
}

#ifndef _WIN32
// Image lists belong to the Windows build: natively a record has none.
void CKXMenuData::FreeImageList() {
    m_pImageList = nullptr;
    m_nImageIndex = m_nIconSource = -1;
}
#endif
