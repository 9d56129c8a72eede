#include "bars/outbar_folder.h"

#include "base/carchive.h"
#include "base/cexception.h"

#include <atomic>
#include <memory>
#include <vector>

namespace {

std::atomic<unsigned> s_nRevision{1};

void Touch() { s_nRevision.fetch_add(1, std::memory_order_relaxed); }

}  // namespace

unsigned KXOutBarRevision() { return s_nRevision.load(std::memory_order_relaxed); }

// --- CKXBarItem ---------------------------------------------------------------

CKXBarItem::CKXBarItem(LPCTSTR lpszName, int nImage, DWORD_PTR dwData)
    : m_nImage(nImage), m_dwData(dwData), m_strName(lpszName ? lpszName : "") {}

CKXBarItem::CKXBarItem(const CKXBarItem& other)
    : m_nImage(other.m_nImage),
      m_bEnabled(other.m_bEnabled),
      m_bSelected(other.m_bSelected),
      m_dwData(other.m_dwData),
      m_strName(other.m_strName),
      m_strReserveText(other.m_strReserveText) {}

CKXBarItem& CKXBarItem::operator=(const CKXBarItem& other) {
    m_nImage = other.m_nImage;
    m_bEnabled = other.m_bEnabled;
    m_bSelected = other.m_bSelected;
    m_dwData = other.m_dwData;
    m_strName = other.m_strName;
    m_strReserveText = other.m_strReserveText;
    Touch();
    return *this;
}

CKXBarItem::~CKXBarItem() = default;

void CKXBarItem::SetName(LPCTSTR lpszName) {
    m_strName = lpszName ? lpszName : "";
    Touch();
}

void CKXBarItem::SetImage(int nImage) {
    m_nImage = nImage;
    Touch();
}

void CKXBarItem::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << static_cast<LONG>(1) << static_cast<LONG>(m_nImage) << m_bEnabled << m_bSelected << m_strName
           << m_strReserveText << static_cast<DWORD>(m_dwData);
        return;
    }
    LONG nSchema = 0, nImage = 0;
    bool bEnabled = false, bSelected = false;
    CString strName, strReserve;
    DWORD dwData = 0;
    ar >> nSchema >> nImage >> bEnabled >> bSelected >> strName >> strReserve >> dwData;
    m_nImage = nImage;
    m_bEnabled = bEnabled;
    m_bSelected = bSelected;
    m_strName = strName;
    m_strReserveText = strReserve;
    m_dwData = dwData;
    Touch();
}

// --- CKXBarFolder -------------------------------------------------------------

CKXBarFolder::CKXBarFolder(LPCTSTR lpszName, DWORD_PTR dwData) : m_dwData(dwData), m_strName(lpszName ? lpszName : "") {}

CKXBarFolder::~CKXBarFolder() {
    while (!m_itemList.IsEmpty()) delete m_itemList.RemoveTail();
    Touch();
}

CKXBarItem* CKXBarFolder::GetItemAt(int nIndex) const {
    POSITION pos = nIndex >= 0 ? m_itemList.FindIndex(nIndex) : nullptr;
    return pos ? m_itemList.GetAt(pos) : nullptr;
}

void CKXBarFolder::InsertItemAt(int nIndex, CKXBarItem* pItem) {
    POSITION pos = nIndex >= 0 ? m_itemList.FindIndex(nIndex) : nullptr;
    if (pos) m_itemList.InsertBefore(pos, pItem);
    else m_itemList.AddTail(pItem);
    Touch();
}

int CKXBarFolder::InsertItem(int nIndex, LPCTSTR lpszName, int nImage, DWORD_PTR dwData) {
    const int nCount = GetItemCount();
    if (nIndex < 0 || nIndex > nCount) nIndex = nCount;
    InsertItemAt(nIndex, new CKXBarItem(lpszName, nImage, dwData));
    return nIndex;
}

CKXBarItem* CKXBarFolder::RemoveItemAt(int nIndex) {
    POSITION pos = nIndex >= 0 ? m_itemList.FindIndex(nIndex) : nullptr;
    if (pos == nullptr) return nullptr;
    CKXBarItem* pItem = m_itemList.GetAt(pos);
    m_itemList.RemoveAt(pos);
    Touch();
    return pItem;
}

void CKXBarFolder::SetSelItem(int nIndex) {
    int i = 0;
    for (POSITION pos = m_itemList.GetHeadPosition(); pos; ++i) m_itemList.GetNext(pos)->SelectItem(i == nIndex);
}

CKXBarItem* CKXBarFolder::GetSelItem() const {
    for (POSITION pos = m_itemList.GetHeadPosition(); pos;) {
        CKXBarItem* pItem = m_itemList.GetNext(pos);
        if (pItem->IsSelected()) return pItem;
    }
    return nullptr;
}

int CKXBarFolder::GetSelIndex() const {
    int i = 0;
    for (POSITION pos = m_itemList.GetHeadPosition(); pos; ++i)
        if (m_itemList.GetNext(pos)->IsSelected()) return i;
    return -1;
}

void CKXBarFolder::GetItems(std::vector<CKXBarItem*>& items) const {
    items.clear();
    items.reserve(static_cast<size_t>(m_itemList.GetCount()));
    for (POSITION pos = m_itemList.GetHeadPosition(); pos;) items.push_back(m_itemList.GetNext(pos));
}

void CKXBarFolder::SetImageList(CImageList* pList, bool bSmall) {
    (bSmall ? m_pSmallImageList : m_pLargeImageList) = pList;
    Touch();
}

void CKXBarFolder::SetSmallIcons(BOOL bSmall) {
    m_bSmallIcons = bSmall;
    Touch();
}

void CKXBarFolder::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_strName << static_cast<LONG>(m_bSmallIcons) << static_cast<LONG>(GetItemCount())
           << static_cast<DWORD>(m_dwData);
        for (POSITION pos = m_itemList.GetHeadPosition(); pos;) m_itemList.GetNext(pos)->Serialize(ar);
        return;
    }
    CString strName;
    LONG bSmall = 0, nCount = 0;
    DWORD dwData = 0;
    ar >> strName >> bSmall >> nCount >> dwData;
    if (nCount < 0) AfxThrowArchiveException(CArchiveException::badIndex);
    // Items are made one by one as their bytes arrive: the stored count
    // never decides an allocation.
    std::vector<std::unique_ptr<CKXBarItem>> items;
    for (LONG i = 0; i < nCount; ++i) {
        auto pItem = std::make_unique<CKXBarItem>("", -1, 0);
        pItem->Serialize(ar);
        items.push_back(std::move(pItem));
    }
    m_strName = strName;
    m_bSmallIcons = bSmall;
    m_dwData = dwData;
    for (auto& pItem : items) m_itemList.AddTail(pItem.release());
    Touch();
}
