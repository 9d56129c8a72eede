// CKXOutBarModel: what an outlook bar holds, apart from its window: the
// folders with their items, the selected folder, item and scroll position,
// the behaviour flags, colours and image lists, and the stored form of all
// that.  Operations that need the window (changing the folder, removing,
// redrawing) belong to CKXOutBarCtrl; SetSelFolder is declared here because
// loading a stored state ends with it.
//
// Indices: folders 0 to GetFolderCount() - 1 in display order; item
// operations without a folder argument act on the selected folder.  Item
// operations check their index and do nothing (or answer 0, "" or null)
// for a bad one; folder operations expect a valid index and answer the same
// failure values for a bad one.
#pragma once

#include "bars/outbar_defs.h"
#include "bars/outbar_folder.h"

class CKXOutBarModel {
public:
    CKXOutBarModel();
    virtual ~CKXOutBarModel();  // deletes the folders and their items
    CKXOutBarModel(const CKXOutBarModel&) = delete;
    CKXOutBarModel& operator=(const CKXOutBarModel&) = delete;

    // --- folders ---------------------------------------------------------------
    // Appends a folder (small icons when OUTBAR_SMALLICONS is set); returns
    // its index.  Nothing is redrawn.
    virtual int AddFolder(LPCTSTR lpszName, DWORD_PTR dwData);
    // The same with a child window shown instead of items; the child is
    // neither shown, hidden nor moved here.
    virtual int AddFolderBar(LPCTSTR lpszName, CWnd* pChild, DWORD_PTR dwData);
    virtual int GetFolderCount() const { return static_cast<int>(m_arrFolder.GetSize()); }
    virtual int GetSelFolder() const { return m_nSelFolder; }
    virtual void SetSelFolder(int nIndex) = 0;
    virtual CKXBarFolder* GetBarFolder(int nIndex) const;
    // A negative index means the selected folder.
    virtual DWORD_PTR GetFolderData(int nIndex = -1) const;
    virtual CWnd* GetFolderChild(int nIndex = -1) const;
    // A null text sets the empty string.
    virtual void SetFolderText(int nIndex, LPCTSTR lpszText);
    // The folder's previous list of the kind the selector names.
    virtual CImageList* SetFolderImageList(int nFolder, CImageList* pList, DWORD dwSelector);
    // The folder's own list of that kind, else the bar's.
    virtual CImageList* GetFolderImageList(int nFolder, BOOL bSmall) const;

    // --- items -----------------------------------------------------------------
    // CKXBarFolder::InsertItem on that folder; -1 without folders.
    virtual int InsertItem(int nFolder, int nIndex, LPCTSTR lpszText, int nImage = -1, DWORD_PTR dwData = 0);
    virtual int GetItemCount() const;
    virtual BOOL IsValidItem(int nIndex) const;
    virtual CString GetItemText(int nIndex) const;
    virtual void SetItemText(int nIndex, LPCTSTR lpszText);
    virtual DWORD_PTR GetItemData(int nIndex) const;
    virtual int GetItemImage(int nIndex) const;
    virtual void SetItemData(int nIndex, DWORD_PTR dwData);
    virtual void SetItemImage(int nIndex, int nImage);
    void EnableItem(int nFolder, int nIndex, bool bEnable);
    virtual CKXBarItem* GetBarFolderItem(int nFolder, int nIndex) const;
    int GetCurSel() const { return m_nSelItem; }
    int GetHilightItem() const { return m_nHotItem; }

    // Moves item nFrom of the selected folder before item nTo (nTo equal to
    // the count: to the end) and keeps m_nSelItem on the item it named.
    // FALSE, and nothing changes, for a bad index.
    BOOL MoveItem(int nFrom, int nTo);
    // Appends item nFrom of the selected folder to folder nFolder; the
    // selection index stays as it was.
    BOOL MoveItemToFolder(int nFrom, int nFolder);
    // Where the selected item is after item nFrom moved before item nTo.
    static int SelectionAfterMove(int nSel, int nFrom, int nTo);

    // --- look and behaviour ------------------------------------------------------
    // The folder's view; with -1 (or no folders) whether OUTBAR_SMALLICONS is set.
    virtual BOOL IsSmallIconView(int nFolder = -1) const;
    // The previous default list of the kind the selector names.
    virtual CImageList* SetImageList(CImageList* pList, DWORD dwSelector);
    virtual CImageList* GetImageList(DWORD dwSelector) const;
    virtual DWORD GetFlag() const { return m_dwFlags; }
    // Stored and marked as the application's; nothing is redrawn.
    virtual void SetBackColor(COLORREF clr);
    virtual void SetTextColor(COLORREF clr);
    virtual void SetAnimationTickCount(long lValue) { m_nAnimationTickCount = static_cast<int>(lValue); }
    virtual long GetAnimationTickCount() const { return m_nAnimationTickCount; }

    // --- stored state ------------------------------------------------------------
    // Folder count, selected folder, the two colours, animation delay, small
    // and large spacing, flags (32 bits each), then the folders.  Loading
    // appends the stored folders and, when the stored selection names one
    // of them, calls SetSelFolder with it.  Everything is read before the
    // bar changes: a short or malformed archive (a negative count, a
    // spacing beyond 32767 pixels either way) throws CArchiveException* and
    // leaves the bar as it was.  Data words are stored as their low 32 bits.
    void SerializeModel(CArchive& ar);

protected:
    // The selected folder, or null.
    CKXBarFolder* SelFolder() const { return GetBarFolder(m_nSelFolder); }

    int m_nSelFolder = 0;
    int m_nHotFolder = -1;           // folder button drawn hot
    int m_nHotItem = -1;             // item drawn hot
    int m_nSelItem = -1;             // selected item of the selected folder
    int m_nFirstItem = 0;            // first item at the top of the inside rectangle
    int m_nLargeItemSpacing = 8;     // gap below each item in large view
    int m_nSmallItemSpacing = 10;    // gap below each item in small view
    int m_nAnimationTickCount = 10;  // delay between slide frames (ms); negative: no slide
    BOOL m_bCustomBackColor = FALSE;
    BOOL m_bCustomTextColor = FALSE;
    DWORD m_dwFlags = OUTBAR_DEFAULTFLAGS;
    COLORREF m_clrBack = 0;  // inside background
    COLORREF m_clrText = 0;  // item captions
    CTypedPtrArray<CPtrArray, CKXBarFolder*> m_arrFolder;  // owned
    CImageList* m_pLargeImageList = nullptr;  // defaults for folders without their own; not owned
    CImageList* m_pSmallImageList = nullptr;
};
