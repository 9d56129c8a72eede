// The outlook bar's data: CKXBarItem, one icon with its caption, and
// CKXBarFolder, a captioned list of owned items that may instead show a
// child window.  Both are stored in archives (CKXOutBarCtrl::SerializeState).
//
// Every change that can move or resize an item on screen (a caption, an
// image, the order or number of items, a folder's view or image lists)
// advances one process-wide revision, KXOutBarRevision(), which the bar's
// layout compares to know that what it measured still holds.  That is why
// the fields are reached through the accessors only.
#pragma once

#include "base/collections.h"
#include "base/cstring.h"

#include <vector>

class CArchive;
class CImageList;
class CWnd;

// The revision of every bar's items and folders (see above).
unsigned KXOutBarRevision();

class CKXBarItem {
public:
    CKXBarItem(LPCTSTR lpszName, int nImage, DWORD_PTR dwData);
    CKXBarItem(const CKXBarItem& other);
    CKXBarItem& operator=(const CKXBarItem& other);
    virtual ~CKXBarItem();

    // Schema 1, image, enabled and selected flags (one byte each), caption,
    // spare text, data word (its low 32 bits).  Loading reads everything
    // before it changes the item: a short archive throws CArchiveException*
    // and leaves the item as it was.
    virtual void Serialize(CArchive& ar);

    const CString& GetName() const { return m_strName; }
    void SetName(LPCTSTR lpszName);
    const CString& GetReserveText() const { return m_strReserveText; }
    void SetReserveText(LPCTSTR lpszText) { m_strReserveText = lpszText ? lpszText : ""; }
    int GetImage() const { return m_nImage; }
    void SetImage(int nImage);
    DWORD_PTR GetData() const { return m_dwData; }
    void SetData(DWORD_PTR dwData) { m_dwData = dwData; }
    bool IsEnabled() const { return m_bEnabled; }
    void EnableItem(bool bEnable) { m_bEnabled = bEnable; }
    bool IsSelected() const { return m_bSelected; }
    void SelectItem(bool bSelect) { m_bSelected = bSelect; }

protected:
    int m_nImage;              // index in the folder's image list; negative: no icon
    bool m_bEnabled = true;    // a disabled item is greyed and not hot-tracked
    bool m_bSelected = false;
    DWORD_PTR m_dwData;        // the application's
    CString m_strName;         // the caption
    CString m_strReserveText;  // the application's; never shown
};

class CKXBarFolder {
public:
    CKXBarFolder(LPCTSTR lpszName, DWORD_PTR dwData);
    virtual ~CKXBarFolder();  // deletes the items
    CKXBarFolder(const CKXBarFolder&) = delete;
    CKXBarFolder& operator=(const CKXBarFolder&) = delete;

    // Caption, small-icon state, item count, data word (its low 32 bits),
    // then the items.  Loading appends the stored items; it reads them all
    // before it changes the folder, so a short or malformed archive throws
    // CArchiveException* and leaves the folder as it was.  A negative count
    // is malformed; a large one costs nothing before its items are read.
    virtual void Serialize(CArchive& ar);

    int GetItemCount() const { return static_cast<int>(m_itemList.GetCount()); }
    // Null when nIndex is not a position of the list.
    CKXBarItem* GetItemAt(int nIndex) const;
    // Before the item at nIndex; an index that is not a position appends.
    // The folder owns the item from then on.
    void InsertItemAt(int nIndex, CKXBarItem* pItem);
    // A negative index or one above the count appends; returns the position.
    int InsertItem(int nIndex, LPCTSTR lpszName, int nImage, DWORD_PTR dwData);
    // Unlinks the item (the caller deletes it); null for an invalid index.
    CKXBarItem* RemoveItemAt(int nIndex);
    // Clears every item's selected flag, then sets the one at nIndex.
    void SetSelItem(int nIndex);
    CKXBarItem* GetSelItem() const;
    int GetSelIndex() const;  // -1 when none is selected
    // The items in order, in one walk of the list.
    void GetItems(std::vector<CKXBarItem*>& items) const;

    CWnd* GetChild() const { return m_pChild; }
    void SetChild(CWnd* pChild) { m_pChild = pChild; }
    DWORD_PTR GetData() const { return m_dwData; }
    void SetData(DWORD_PTR dwData) { m_dwData = dwData; }
    const CString& GetName() const { return m_strName; }
    void SetName(LPCTSTR lpszName) { m_strName = lpszName ? lpszName : ""; }
    CImageList* GetImageList(bool bSmall) const { return bSmall ? m_pSmallImageList : m_pLargeImageList; }
    void SetImageList(CImageList* pList, bool bSmall);
    BOOL IsSmallIcons() const { return m_bSmallIcons; }
    void SetSmallIcons(BOOL bSmall);

protected:
    BOOL m_bSmallIcons = FALSE;
    CWnd* m_pChild = nullptr;  // shown instead of items; not owned
    DWORD_PTR m_dwData;
    CString m_strName;
    CImageList* m_pLargeImageList = nullptr;  // null: the bar's; not owned
    CImageList* m_pSmallImageList = nullptr;
    CTypedPtrList<CPtrList, CKXBarItem*> m_itemList{10};  // owned
};
