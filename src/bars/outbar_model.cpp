#include "bars/outbar_model.h"

#include "base/carchive.h"
#include "base/cexception.h"

#include <memory>
#include <vector>

namespace {

constexpr LONG kMaxSpacing = 32767;

}  // namespace

CKXOutBarModel::CKXOutBarModel() = default;

CKXOutBarModel::~CKXOutBarModel() {
    for (INT_PTR i = 0; i < m_arrFolder.GetSize(); ++i) delete m_arrFolder[i];
    m_arrFolder.RemoveAll();
}

// --- folders ---------------------------------------------------------------------

int CKXOutBarModel::AddFolder(LPCTSTR lpszName, DWORD_PTR dwData) {
    CKXBarFolder* pFolder = new CKXBarFolder(lpszName, dwData);
    pFolder->SetSmallIcons((m_dwFlags & OUTBAR_SMALLICONS) ? TRUE : FALSE);
    return static_cast<int>(m_arrFolder.Add(pFolder));
}

int CKXOutBarModel::AddFolderBar(LPCTSTR lpszName, CWnd* pChild, DWORD_PTR dwData) {
    const int nIndex = AddFolder(lpszName, dwData);
    if (CKXBarFolder* pFolder = GetBarFolder(nIndex)) pFolder->SetChild(pChild);
    return nIndex;
}

CKXBarFolder* CKXOutBarModel::GetBarFolder(int nIndex) const {
    return nIndex >= 0 && nIndex < GetFolderCount() ? m_arrFolder[nIndex] : nullptr;
}

DWORD_PTR CKXOutBarModel::GetFolderData(int nIndex) const {
    const CKXBarFolder* pFolder = GetBarFolder(nIndex < 0 ? m_nSelFolder : nIndex);
    return pFolder ? pFolder->GetData() : 0;
}

CWnd* CKXOutBarModel::GetFolderChild(int nIndex) const {
    const CKXBarFolder* pFolder = GetBarFolder(nIndex < 0 ? m_nSelFolder : nIndex);
    return pFolder ? pFolder->GetChild() : nullptr;
}

void CKXOutBarModel::SetFolderText(int nIndex, LPCTSTR lpszText) {
    if (CKXBarFolder* pFolder = GetBarFolder(nIndex)) pFolder->SetName(lpszText);
}

CImageList* CKXOutBarModel::SetFolderImageList(int nFolder, CImageList* pList, DWORD dwSelector) {
    CKXBarFolder* pFolder = GetBarFolder(nFolder);
    if (pFolder == nullptr || (dwSelector & (OUTBAR_IMAGE_SMALL | OUTBAR_IMAGE_LARGE)) == 0) return nullptr;
    const bool bSmall = (dwSelector & OUTBAR_IMAGE_SMALL) != 0;
    CImageList* pOld = pFolder->GetImageList(bSmall);
    pFolder->SetImageList(pList, bSmall);
    return pOld;
}

CImageList* CKXOutBarModel::GetFolderImageList(int nFolder, BOOL bSmall) const {
    const CKXBarFolder* pFolder = GetBarFolder(nFolder);
    if (pFolder == nullptr) return nullptr;
    if (CImageList* pOwn = pFolder->GetImageList(bSmall != FALSE)) return pOwn;
    return bSmall ? m_pSmallImageList : m_pLargeImageList;
}

// --- items -------------------------------------------------------------------------

int CKXOutBarModel::InsertItem(int nFolder, int nIndex, LPCTSTR lpszText, int nImage, DWORD_PTR dwData) {
    CKXBarFolder* pFolder = GetBarFolder(nFolder);
    return pFolder ? pFolder->InsertItem(nIndex, lpszText, nImage, dwData) : -1;
}

int CKXOutBarModel::GetItemCount() const {
    const CKXBarFolder* pFolder = SelFolder();
    return pFolder ? pFolder->GetItemCount() : 0;
}

BOOL CKXOutBarModel::IsValidItem(int nIndex) const { return nIndex >= 0 && nIndex < GetItemCount(); }

CString CKXOutBarModel::GetItemText(int nIndex) const {
    const CKXBarItem* pItem = GetBarFolderItem(m_nSelFolder, nIndex);
    return pItem ? pItem->GetName() : CString();
}

void CKXOutBarModel::SetItemText(int nIndex, LPCTSTR lpszText) {
    if (CKXBarItem* pItem = GetBarFolderItem(m_nSelFolder, nIndex)) pItem->SetName(lpszText);
}

DWORD_PTR CKXOutBarModel::GetItemData(int nIndex) const {
    const CKXBarItem* pItem = GetBarFolderItem(m_nSelFolder, nIndex);
    return pItem ? pItem->GetData() : 0;
}

int CKXOutBarModel::GetItemImage(int nIndex) const {
    const CKXBarItem* pItem = GetBarFolderItem(m_nSelFolder, nIndex);
    return pItem ? pItem->GetImage() : 0;
}

void CKXOutBarModel::SetItemData(int nIndex, DWORD_PTR dwData) {
    if (CKXBarItem* pItem = GetBarFolderItem(m_nSelFolder, nIndex)) pItem->SetData(dwData);
}

void CKXOutBarModel::SetItemImage(int nIndex, int nImage) {
    if (CKXBarItem* pItem = GetBarFolderItem(m_nSelFolder, nIndex)) pItem->SetImage(nImage);
}

void CKXOutBarModel::EnableItem(int nFolder, int nIndex, bool bEnable) {
    if (CKXBarItem* pItem = GetBarFolderItem(nFolder, nIndex)) pItem->EnableItem(bEnable);
}

CKXBarItem* CKXOutBarModel::GetBarFolderItem(int nFolder, int nIndex) const {
    const CKXBarFolder* pFolder = GetBarFolder(nFolder);
    return pFolder ? pFolder->GetItemAt(nIndex) : nullptr;
}

int CKXOutBarModel::SelectionAfterMove(int nSel, int nFrom, int nTo) {
    if (nSel < 0) return nSel;
    if (nSel == nFrom) return nTo > nFrom ? nTo - 1 : nTo;
    if (nFrom < nSel && nTo > nSel) return nSel - 1;   // taken from before it, put after it
    if (nFrom > nSel && nTo <= nSel) return nSel + 1;  // taken from after it, put before it
    return nSel;
}

BOOL CKXOutBarModel::MoveItem(int nFrom, int nTo) {
    CKXBarFolder* pFolder = SelFolder();
    const int nCount = pFolder ? pFolder->GetItemCount() : 0;
    if (nFrom < 0 || nFrom >= nCount || nTo < 0 || nTo > nCount) return FALSE;
    // The target's position is taken before the item leaves the list.
    CKXBarItem* pItem = pFolder->RemoveItemAt(nFrom);
    pFolder->InsertItemAt(nTo > nFrom ? nTo - 1 : nTo, pItem);
    m_nSelItem = SelectionAfterMove(m_nSelItem, nFrom, nTo);
    return TRUE;
}

BOOL CKXOutBarModel::MoveItemToFolder(int nFrom, int nFolder) {
    CKXBarFolder* pFrom = SelFolder();
    CKXBarFolder* pTo = GetBarFolder(nFolder);
    if (pFrom == nullptr || pTo == nullptr || pTo == pFrom || nFrom < 0 || nFrom >= pFrom->GetItemCount())
        return FALSE;
    pTo->InsertItemAt(pTo->GetItemCount(), pFrom->RemoveItemAt(nFrom));
    return TRUE;
}

// --- look and behaviour --------------------------------------------------------------

BOOL CKXOutBarModel::IsSmallIconView(int nFolder) const {
    if (GetFolderCount() > 0 && nFolder != -1) {
        const CKXBarFolder* pFolder = GetBarFolder(nFolder);
        return pFolder ? pFolder->IsSmallIcons() : FALSE;
    }
    return (m_dwFlags & OUTBAR_SMALLICONS) ? TRUE : FALSE;
}

CImageList* CKXOutBarModel::SetImageList(CImageList* pList, DWORD dwSelector) {
    CImageList** ppList = (dwSelector & OUTBAR_IMAGE_SMALL)   ? &m_pSmallImageList
                          : (dwSelector & OUTBAR_IMAGE_LARGE) ? &m_pLargeImageList
                                                              : nullptr;
    if (ppList == nullptr) return nullptr;
    CImageList* pOld = *ppList;
    *ppList = pList;
    return pOld;
}

CImageList* CKXOutBarModel::GetImageList(DWORD dwSelector) const {
    if (dwSelector & OUTBAR_IMAGE_SMALL) return m_pSmallImageList;
    if (dwSelector & OUTBAR_IMAGE_LARGE) return m_pLargeImageList;
    return nullptr;
}

void CKXOutBarModel::SetBackColor(COLORREF clr) {
    m_clrBack = clr;
    m_bCustomBackColor = TRUE;
}

void CKXOutBarModel::SetTextColor(COLORREF clr) {
    m_clrText = clr;
    m_bCustomTextColor = TRUE;
}

// --- stored state ------------------------------------------------------------------

void CKXOutBarModel::SerializeModel(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << static_cast<LONG>(GetFolderCount()) << static_cast<LONG>(m_nSelFolder) << static_cast<DWORD>(m_clrBack)
           << static_cast<DWORD>(m_clrText) << static_cast<LONG>(m_nAnimationTickCount)
           << static_cast<LONG>(m_nSmallItemSpacing) << static_cast<LONG>(m_nLargeItemSpacing)
           << static_cast<DWORD>(m_dwFlags);
        for (INT_PTR i = 0; i < m_arrFolder.GetSize(); ++i) m_arrFolder[i]->Serialize(ar);
        return;
    }
    LONG nCount = 0, nSel = 0, nTick = 0, nSmall = 0, nLarge = 0;
    DWORD clrBack = 0, clrText = 0, dwFlags = 0;
    ar >> nCount >> nSel >> clrBack >> clrText >> nTick >> nSmall >> nLarge >> dwFlags;
    if (nCount < 0) AfxThrowArchiveException(CArchiveException::badIndex);
    // Spacings beyond a screen's height are no state a bar was in.
    if (nSmall < -kMaxSpacing || nSmall > kMaxSpacing || nLarge < -kMaxSpacing || nLarge > kMaxSpacing)
        AfxThrowArchiveException(CArchiveException::genericException);
    // Folders are made one by one as their bytes arrive: the stored count
    // never decides an allocation.
    std::vector<std::unique_ptr<CKXBarFolder>> folders;
    for (LONG i = 0; i < nCount; ++i) {
        auto pFolder = std::make_unique<CKXBarFolder>("", 0);
        pFolder->Serialize(ar);
        folders.push_back(std::move(pFolder));
    }
    m_clrBack = clrBack;
    m_clrText = clrText;
    m_nAnimationTickCount = nTick;
    m_nSmallItemSpacing = nSmall;
    m_nLargeItemSpacing = nLarge;
    m_dwFlags = dwFlags;
    for (auto& pFolder : folders) m_arrFolder.Add(pFolder.release());
    if (nSel >= 0 && nSel < nCount) SetSelFolder(nSel);
}
