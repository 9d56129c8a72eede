// CKXOutBarCtrl: the outlook bar.  A column of folder buttons, the selected
// folder's items (icons with captions, large or small) or child window
// between them, scroll buttons when the items do not fit; hot tracking,
// folder changes with a sliding animation, clicking, dragging items within
// and between folders, a context menu, renaming in place and a jiggle of
// the selected icon.  The owner hears of events through WM_OUTBAR_NOTIFY
// (bars/outbar_defs.h) and answers the ones that ask with 1 to allow them.
//
// Data and geometry live in CKXOutBarLayout; this class adds the window:
// measuring in the bar's font, painting (WM_PAINT and WM_PRINTCLIENT, the
// latter with the hover look drawn into the picture), the mouse, timers,
// the menu and the edit.  Pressing a button, a scroll button or an item
// runs a local message loop with the mouse captured until release.
//
//   CKXOutBarCtrl bar;
//   bar.Create(WS_CHILD | WS_VISIBLE, rc, this, IDC_BAR, OUTBAR_DEFAULTFLAGS | OUTBAR_DROPONFOLDERS);
//   bar.SetImageList(&m_largeIcons, OUTBAR_IMAGE_LARGE);
//   int f = bar.AddFolder("Mail", 0);
//   bar.InsertItem(f, -1, "Inbox", 0, 0);
//   bar.Invalidate();
#pragma once

#include "bars/outbar_layout.h"
#include "core/icon_handle.h"
#include "util/state.h"
#include "win/afxwin.h"

class CKXEditItem;

// Timers of the bar's window.
#define KX_OUTBAR_TIMER_HOVER 1   // 100 ms: ends hot tracking once the pointer has left
#define KX_OUTBAR_TIMER_SCROLL 2  // 300 ms: auto-repeat of a held scroll button
#define KX_OUTBAR_TIMER_JIGGLE 3  // the selection jiggle's period

// Commands of the context menu beside the icon-size commands of the
// companion module's menu.
#define ID_KX_OUTBAR_REMOVE 18043
#define ID_KX_OUTBAR_RENAME 18044
// The identifier of the rename edit.
#define KX_OUTBAR_EDIT_ID 255

class CKXOutBarCtrl : public CWnd, public CKXState, public CKXOutBarLayout {
    DECLARE_DYNCREATE(CKXOutBarCtrl)
public:
    CKXOutBarCtrl();
    ~CKXOutBarCtrl() override;

    // --- creation and flags ------------------------------------------------------
    using CWnd::Create;
    using CWnd::CreateEx;
    // The framework's default window class, no text; the flags word becomes
    // dwFlag when the window exists.
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                        DWORD dwFlag = OUTBAR_DEFAULTFLAGS);
    virtual BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                          DWORD dwFlag = OUTBAR_DEFAULTFLAGS);
    // Clears, then sets bits; bRedraw repaints the whole window at once.
    virtual void ModifyFlag(const DWORD& dwRemove, const DWORD& dwAdd, bool bRedraw = false);

    // --- what needs the window ------------------------------------------------------
    // Asks the owner (OBN_FOLDERCHANGE, even for the current folder), hides
    // the old folder's child, slides (OUTBAR_ANIMATEFOLDERS), resets the
    // scroll position and selection, shows the new child, repaints.
    void SetSelFolder(int nIndex) override;
    // Asks the owner (OBN_FOLDERDELETE); the selection moves to the folder
    // before; the child window is left alone.
    virtual void RemoveFolder(int nIndex);
    // Asks the owner (OBN_ITEMDELETE); item of the selected folder.
    virtual void RemoveItem(int nIndex);
    // Tells the owner of each item (when bNotify) from the last to the first.
    virtual void RemoveAllItems(int nFolder, bool bNotify = true);
    // SetSelFolder(nFolder) when in range, then selects the item there.
    virtual void SetSelItem(int nFolder, int nIndex);
    // The hot item (not the selection), raised or pushed.
    void SetCurSel(int nIndex, BOOL bPressed = FALSE) { HighlightItem(nIndex, bPressed); }
    // -1: every folder and OUTBAR_SMALLICONS; resets the scroll position.
    virtual void SetSmallIconView(BOOL bSmall, int nFolder = -1);
    // A copy of pFont (the caller keeps its own).
    virtual void SetFontX(CFont* pFont);
    virtual CFont* GetFontX() { return &m_font; }
    // 0 or less stops the jiggle of the selected icon; else its period in ms.
    virtual void SetAnimSelHighlight(int nPeriod);

    // --- hover, slide, jiggle, drop mark -----------------------------------------------
    virtual void HighlightFolder(int nIndex);
    virtual void HighlightItem(int nIndex, BOOL bPressed = FALSE);
    virtual void AnimateFolderScroll(int nFrom, int nTo);
    virtual void DrawAnimItem(int dx, int dy, int nIndex);
    virtual void DrawDragArrow(CDC* pDC, int nFrom, int nTo);

    // --- renaming ------------------------------------------------------------------------
    virtual void StartItemEdit(int nIndex);
    virtual void StartGroupEdit(int nFolder);
    // Asks the owner (OBN_ITEMRENAMED, OBN_FOLDERRENAMED) and applies a
    // changed text on a non-zero reply.
    virtual void EndLabelEdit(CKXEditItem* pEdit, bool bFolder);
    // Called after a rename was applied; for derived classes.
    virtual void OnLabelChanged(const KX_OUTBAR_INFO* pInfo);

    // --- drawing ---------------------------------------------------------------------------
    virtual void DrawFolder(CDC* pDC, int nIndex, CRect rect, eFOLDER_HILIGHT eHilight);
    virtual void DrawItem(CDC* pDC, int nFolder, CRect rc, int nIndex, BOOL bOnlyImage = FALSE);
    // The icon at its natural size; the handle is destroyed afterwards.
    virtual void DrawItemIcon(CDC* pDC, CPoint pt, CKXIconHandle hIcon, BOOL bEnabled);
    virtual void DrawItemText(CDC* pDC, CRect rc, CString strText, UINT nFormat, BOOL bEnabled);
    // The hover or pressed look of an item's icon (bFrame), or its plain look.
    virtual void DrawIcon(CDC* pDC, int nFolder, int nIndex, bool bFrame);
    virtual void DrawScrollButton(CDC* pDC, CRect rc, UINT nType, UINT nState);
    virtual void PaintItems(CDC* pDC, int nFolder, CRect rc);

    // The CKXState interface: SerializeModel.
    void SerializeState(CArchive& ar) override;

protected:
    // --- measurements and notifications ------------------------------------------------------
    void GetBarClientRect(CRect& rc) const override;
    void GetImageListInfo(CImageList* pList, CSize& szImage, int& nCount) override;
    CSize MeasureLabel(const CString& strText, BOOL bSmall, int nLeft, int nRight) override;
    // Sends WM_OUTBAR_NOTIFY to the owner; 0 without a window or owner.
    LRESULT Notify(int nCode, KX_OUTBAR_INFO& info);
    LRESULT Notify(int nCode, int nIndex, bool bFolder, LPCTSTR lpszText);

    // --- painting ---------------------------------------------------------------------------------
    // The look's colours unless the application set its own.
    void UpdateColors();
    // Everything but the hover look, into a context over the client area.
    void DrawBar(CDC* pDC);
    // The inside rectangle's background (the tool box fills its own).
    virtual void FillInside(CDC* pDC, const CRect& rcInside);
    // Off-screen picture, copied to pDC in one step.
    void PaintInto(CDC* pDC);
    // The hover look over a picture of the bar (printing).
    void DrawHoverInto(CDC* pDC);
    // The folder's image list for its view, and where DrawItem puts an icon.
    CImageList* ItemImageList(int nFolder) { return GetFolderImageList(nFolder, IsSmallIconView(nFolder)); }
    CPoint IconOrigin(int nFolder, int nIndex, const CRect& rcItem);
    // The item's icon, enabled or not, at pt.
    void DrawItemImage(CDC* pDC, int nFolder, int nIndex, CPoint pt);
    // Whether a child window of the bar has the focus (a rename edit is open).
    BOOL ChildHasFocus() const;
    // A picture of the whole bar in the state it has, child window included.
    void RenderState(CDC* pDC, const CRect& rcClient);

    // --- tracking -------------------------------------------------------------------------------
    void TrackFolder(int nFolder);
    void TrackScroll(BOOL bUp);
    // FALSE when the click went to a disabled item (no default handling).
    BOOL TrackItem(int nIndex);
    // One step of a held scroll button; FALSE when there is nothing more.
    BOOL ScrollStep(BOOL bUp);
    // The context menu at pt after the owner allowed it.
    void ShowContextMenu(int nHit, int nIndex, CPoint pt);

    // --- messages -----------------------------------------------------------------------------
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnDestroy();
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnTimer(UINT_PTR nIDEvent);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnRButtonUp(UINT nFlags, CPoint point);
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
    void OnSmallIcon();
    void OnUpdateSmallIcon(CCmdUI* pCmdUI);
    void OnLargeIcon();
    void OnUpdateLargeIcon(CCmdUI* pCmdUI);
    void OnRemoveItem();
    void OnRenameItem();

    int m_nMenuHitKind = 0;     // hit code under the last right click
    int m_nMenuHitIndex = 0;    // and its folder or item
    int m_nAnimStep = 0;        // step of the selection jiggle
    int m_nSelAnimPeriod = 0;   // its period in ms; 0 or less: off
    CPen m_penDropMark;         // the drop mark's pen
    BOOL m_bUpArrowPressed = FALSE;
    BOOL m_bDownArrowPressed = FALSE;
    BOOL m_bHotPressed = FALSE;   // the hot item is drawn pushed
    BOOL m_bScrollHeld = FALSE;   // a scroll button is held down
    BOOL m_bHotItemDown = FALSE;  // the left button is held on the hot item
    CFont m_font;                 // captions and labels
    HCURSOR m_hTrackCursor = nullptr;  // kept while an item is pressed or dragged

    // The pressed state of the last HighlightItem, shared by every bar.
    static BOOL s_bLastPressed;

    DECLARE_MESSAGE_MAP()
};
