// CKXMenu: a menu whose drop-down items draw themselves: an image column
// left of the text (images from toolbar bitmaps or image lists), check marks
// and radio dots, etched separators, engraved disabled items and
// right-aligned accelerators, in the classic 3-D style.
//
// Every item carries a CKXMenuData record as its owner-draw data; entry i
// of m_arrMenuData is the record of the item at position i.  The owning
// window routes WM_MEASUREITEM and WM_DRAWITEM of menu items to MeasureItem
// and DrawItem, answers WM_MENUCHAR with FindKeyboardShortcut and, after
// changing a popup with plain menu operations, calls UpdateMenu from
// WM_INITMENUPOPUP.
#pragma once

#include "bars/menu_data.h"
#include "win/afxwin.h"

class CToolBar;

class CKXMenu : public CMenu {
    DECLARE_DYNAMIC(CKXMenu)
public:
    CKXMenu();
    ~CKXMenu() override;  // DestroyMenu

    // --- owner-draw callbacks and loading ----------------------------------
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override;
    // A menu bar from a menu resource: bar items stay plain text, every
    // drop-down item is owner-drawn.  FALSE when the resource is missing or
    // malformed, or a menu is held already.
    virtual BOOL LoadMenu(UINT nIDResource);
    virtual BOOL LoadMenu(LPCTSTR lpszResourceName);
    // Frees the records, the sub-menus this menu made, the owned check
    // images and the menu handle.
    virtual BOOL DestroyMenu();
    // Every record and every sub-menu of the lists is there (no null entry).
    void AssertValid() const override;
    // The same from a menu template in memory (what LoadMenu reads).
    BOOL LoadMenuTemplate(const void* pTemplate, UINT cbTemplate);

    // --- images ------------------------------------------------------------
    BOOL LoadToolbar(UINT nToolBar) { return LoadToolbar(nToolBar, nullptr); }
    BOOL LoadToolbar(UINT nToolBar, CWnd* pParent);
    BOOL LoadToolbars(const UINT* arID, int n);
    BOOL AddFromToolBar(CToolBar* pToolBar, int nResourceID);
    BOOL LoadFromToolBar(UINT_PTR nID, UINT nToolBar, int& nImage);
    BOOL AddBitmapToImageList(CImageList* pList, UINT nResourceID);
    void GetBitmapFromImageList(CDC* pDC, CImageList* pList, int nIndex, CBitmap& bmp);
    BOOL LoadCheckmarkBitmap(int nNormal, int nSelected);

    void SetIconSize(int cx, int cy);
    void SetBitmapBackground(COLORREF clr);
    void UnSetBitmapBackground();
    void SetDisableOldStyle() { m_bDisableOldStyle = TRUE; }
    void UnSetDisableOldStyle() { m_bDisableOldStyle = FALSE; }
    BOOL GetDisableOldStyle() const { return m_bDisableOldStyle; }

    // --- building ------------------------------------------------------------
    // An identifier of 0 makes an owner-drawn separator whatever the flags.
    BOOL AppendODMenuW(const wchar_t* lpstrText, UINT nFlags, UINT_PTR nID, int nIconSource);
    BOOL AppendODMenuW(const wchar_t* lpstrText, UINT nFlags, UINT_PTR nID, CImageList* pList, int nImage);
    BOOL AppendODMenuA(LPCSTR lpstrText, UINT nFlags, UINT_PTR nID, int nIconSource);
    BOOL AppendODMenuA(LPCSTR lpstrText, UINT nFlags, UINT_PTR nID, CImageList* pList, int nImage);
    // At a position (MF_BYPOSITION in the flags) or before a command.
    BOOL InsertODMenuW(UINT nPosition, const wchar_t* lpstrText, UINT nFlags, UINT_PTR nID, int nIconSource);
    BOOL InsertODMenuW(UINT nPosition, const wchar_t* lpstrText, UINT nFlags, UINT_PTR nID, CImageList* pList,
                       int nImage);
    BOOL InsertODMenuA(UINT nPosition, LPCSTR lpstrText, UINT nFlags, UINT_PTR nID, int nIconSource);
    BOOL InsertODMenuA(UINT nPosition, LPCSTR lpstrText, UINT nFlags, UINT_PTR nID, CImageList* pList,
                       int nImage);

    // The platform-shaped forms with an image make owner-drawn items too;
    // the plain ones (text or bitmap item, no image) are CMenu's.
    using CMenu::AppendMenu;
    using CMenu::InsertMenu;
    BOOL AppendMenuW(UINT nFlags, UINT_PTR nID, const wchar_t* lpstrText, int nIconSource);
    BOOL AppendMenuW(UINT nFlags, UINT_PTR nID, const wchar_t* lpstrText, CImageList* pList, int nImage);
    BOOL AppendMenuW(UINT nFlags, UINT_PTR nID, const wchar_t* lpstrText, CBitmap* pBmp);
    BOOL AppendMenuA(UINT nFlags, UINT_PTR nID, LPCSTR lpstrText, int nIconSource);
    BOOL AppendMenuA(UINT nFlags, UINT_PTR nID, LPCSTR lpstrText, CImageList* pList, int nImage);
    BOOL AppendMenuA(UINT nFlags, UINT_PTR nID, LPCSTR lpstrText, CBitmap* pBmp);
    BOOL InsertMenuW(UINT nPosition, UINT nFlags, UINT_PTR nID, const wchar_t* lpstrText, int nIconSource);
    BOOL InsertMenuW(UINT nPosition, UINT nFlags, UINT_PTR nID, const wchar_t* lpstrText, CImageList* pList,
                     int nImage);
    BOOL InsertMenuW(UINT nPosition, UINT nFlags, UINT_PTR nID, const wchar_t* lpstrText, CBitmap* pBmp);
    BOOL InsertMenuA(UINT nPosition, UINT nFlags, UINT_PTR nID, LPCSTR lpstrText, int nIconSource);
    BOOL InsertMenuA(UINT nPosition, UINT nFlags, UINT_PTR nID, LPCSTR lpstrText, CImageList* pList,
                     int nImage);
    BOOL InsertMenuA(UINT nPosition, UINT nFlags, UINT_PTR nID, LPCSTR lpstrText, CBitmap* pBmp);

    // Text (null keeps it) and image of command nID here or in a sub-menu;
    // FALSE when no item has that command.
    BOOL ModifyODMenuW(const wchar_t* lpstrText, UINT_PTR nID, int nIconSource);
    BOOL ModifyODMenuW(const wchar_t* lpstrText, UINT_PTR nID, CImageList* pList, int nImage);
    BOOL ModifyODMenuW(const wchar_t* lpstrText, UINT_PTR nID, CBitmap* pBmp);
    BOOL ModifyODMenuA(LPCSTR lpstrText, UINT_PTR nID, int nIconSource);
    BOOL ModifyODMenuA(LPCSTR lpstrText, UINT_PTR nID, CImageList* pList, int nImage);
    BOOL ModifyODMenuA(LPCSTR lpstrText, UINT_PTR nID, CBitmap* pBmp);
    // The same for the item whose current text is lpstrOption.
    BOOL ModifyODMenuW(const wchar_t* lpstrText, const wchar_t* lpstrOption, int nIconSource);
    BOOL ModifyODMenuA(LPCSTR lpstrText, LPCSTR lpstrOption, int nIconSource);

    // A new owner-drawn popup appended to this menu, deleted with it.
    CKXMenu* AppendODPopupMenuW(const wchar_t* lpstrText);
    CKXMenu* AppendODPopupMenuA(LPCSTR lpstrText);
    // A record for the item at nPosition, which becomes owner-drawn when the
    // flags say so; the caller files the record.
    CKXMenuData* NewODMenu(UINT nPosition, UINT nFlags, UINT_PTR nID, CString string);

    // --- finding and removing ------------------------------------------------
    // The menu holding command nID (this one or a sub-menu, depth first) and
    // its position there; null and -1 when none does.
    CKXMenu* FindMenuOption(UINT_PTR nID, int& nLoc);
    CKXMenuData* FindMenuOption(const wchar_t* lpstrText);
    CKXMenuData* FindMenuList(UINT_PTR nID);
    void InitializeMenuList(int nValue);
    void DeleteMenuList();
    BOOL GetMenuText(UINT nPos, CString& strText, UINT nFlags = MF_BYPOSITION);
    BOOL RemoveMenu(UINT nPosition, UINT nFlags);
    BOOL DeleteMenu(UINT nPosition, UINT nFlags);

    // --- drawing -------------------------------------------------------------
    void DrawCheckMark(CDC* pDC, int x, int y, COLORREF clr);
    void DrawRadioDot(CDC* pDC, int x, int y, COLORREF clr);
    BOOL Draw3DCheckmark(CDC* pDC, const CRect& rc, BOOL bSelected, HBITMAP hbmCheck);
    void DitherBlt(HDC hdcDest, int nXDest, int nYDest, int nWidth, int nHeight, HBITMAP hbm, int nXSrc,
                   int nYSrc);
    void DitherBlt2(CDC* pDC, int nXDest, int nYDest, int nWidth, int nHeight, CBitmap& bmp, int nXSrc,
                    int nYSrc);

    // --- keeping the records in step with the menu ---------------------------
    void InsertSpaces();
    void SynchronizeMenu();
    static void UpdateMenu(CMenu* pMenu);
    // The answer to WM_MENUCHAR: the first item whose text marks nChar with
    // '&' (any case) is executed; 0 when none does or nFlags lacks MF_POPUP.
    static LRESULT FindKeyboardShortcut(UINT nChar, UINT nFlags, CMenu* pMenu);

    // --- process-wide --------------------------------------------------------
    static BOOL IsMenu(CMenu* pMenu);
    static BOOL IsMenu(HMENU hMenu);
    // The 4.0 shell or later, of either family.
    static BOOL IsNewShell();
    // 0 or 1: the 95 family before or from 4.0; 2 or 3: the NT family.
    static int ComputeShellLevel();
    static HBITMAP LoadSysColorBitmap(int nResourceID);

    // Every sub-menu handle made by any CKXMenu.
    static CTypedPtrArray<CPtrArray, HMENU> m_AllSubMenus;

    CTypedPtrArray<CPtrArray, CKXMenuData*> m_arrMenuData;  // one per item, owned
    CTypedPtrArray<CPtrArray, HMENU> m_arrSubMenus;         // sub-menus made through this menu
    CImageList* m_pCheckImages = nullptr;  // 0 normal, 1 highlighted
    BOOL m_bCheckImagesShared = FALSE;     // DestroyMenu leaves them alone
    int m_nCheckSelected = -1;
    int m_nCheckNormal = -1;
    int m_nIconWidth = 16;
    int m_nIconHeight = 15;
    COLORREF m_clrBitmapBack = RGB(192, 192, 192);
    BOOL m_bUseBitmapBack = FALSE;
    BOOL m_bDisableOldStyle = FALSE;

private:
    // The record of the item at a position, made to match when the records
    // fell out of step with the items.
    CKXMenuData* RecordAt(int nPos);
    // The menu object of a sub-menu handle, when it is a CKXMenu.
    static CKXMenu* FromSubMenu(HMENU hMenu);
    // A record of this menu or of any menu below it.
    BOOL OwnsRecord(const CKXMenuData* pData, int nDepth = 0) const;
    BOOL FindTextItem(const wchar_t* lpstrText, CKXMenu*& pMenu, int& nLoc, int nDepth);
    CKXMenu* FindCommand(UINT_PTR nID, int& nLoc, int nDepth);
    BOOL AddItem(UINT nPosition, BOOL bInsert, const wchar_t* lpstrText, UINT nFlags, UINT_PTR nID,
                 int nIconSource, CImageList* pList, int nImage, CBitmap* pBmp);
    BOOL ModifyItem(const wchar_t* lpstrText, CKXMenu* pMenu, int nLoc, int nIconSource, CImageList* pList,
                    int nImage, CBitmap* pBmp);
    BOOL ModifyByCommand(const wchar_t* lpstrText, UINT_PTR nID, int nIconSource, CImageList* pList, int nImage,
                         CBitmap* pBmp);
    void SetImageFromResource(CKXMenuData* pData, UINT_PTR nID, int nIconSource);
    void SetImageFromList(CKXMenuData* pData, CImageList* pList, int nImage);
    void SetImageFromBitmap(CKXMenuData* pData, CBitmap* pBmp);
    BOOL MakeOwnerDrawn(int nPos, CKXMenuData* pData);
    BOOL RemoveItem(UINT nPosition, UINT nFlags, BOOL bDelete);
    void ForgetSubMenu(HMENU hSub);
    CKXMenu* NewSubMenu();
    COLORREF BitmapMaskColor() const;

    CKXMenu* m_pCreator = nullptr;  // the menu that made this one and deletes it
};
