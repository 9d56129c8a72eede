// CKXToolBar: a dockable toolbar for frame windows around the common
// toolbar control, with flat borders and grippers, drop-down buttons that
// show their own owner-drawn menus, ordinary controls (combo boxes, edits)
// standing in the button row, a right-click "&Customize..." menu opening
// the control's customise dialog, the button layout kept in the registry
// under "Software\<company>\<application>\Settings" as "KXToolBar <n>"
// (n numbering the toolbars in the order they are constructed), and rows
// broken by the rules of the common-controls version in use.
#pragma once

#include "bars/toolbar_base.h"
#include "win/toolbar_buttons.h"

// A button whose arrow (or whole face) drops a menu down.
struct DROPDOWNBUTTON {
    DROPDOWNBUTTON* next = nullptr;
    UINT idButton = 0;  // its command
    UINT idMenu = 0;    // the menu resource whose first popup it shows; 0: none
};

// One button the user may add in the customise dialog: the control's
// record and the button's text.
struct TOOLBARINFO {
    TBBUTTON tbButton;
    LPCTSTR btnText;
};

// The command of the single item of the right-click menu.
#define ID_KX_TOOLBAR_CUSTOMIZE 255

class CKXToolBar : public CKXToolBarBase {
    DECLARE_DYNAMIC(CKXToolBar)
public:
    CKXToolBar();
    ~CKXToolBar() override;

    // --- layout ---------------------------------------------------------------
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    // Docked vertically, one button a row; floating, rows for the length
    // asked for (or the last floating width).
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void OnUpdateCmdUIOutsideFrame(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) override;
    void DoPaint(CDC* pDC) override;
    void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override;

    // --- creation and loading -------------------------------------------------
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                        UINT nID = AFX_IDW_TOOLBAR);
    // dwCtrlStyle non-zero (TBSTYLE_FLAT, say) makes the bar flat.
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                          DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect rcBorders = CRect(0, 0, 0, 0),
                          UINT nID = AFX_IDW_TOOLBAR);
    // The buttons, sizes (button = image + 7 each way) and bitmap of a
    // toolbar resource.  With pCustomizeButtons (its first entries the
    // buttons the resource makes) the bar becomes customisable and takes
    // back the layout saved last.
    BOOL LoadToolBar(LPCTSTR lpszResourceName, TOOLBARINFO* pButtons = nullptr);
    BOOL LoadToolBar(UINT nIDResource, TOOLBARINFO* pButtons = nullptr) {
        return LoadToolBar(MAKEINTRESOURCE(nIDResource), pButtons);
    }
    BOOL LoadBitmap(LPCTSTR lpszResourceName) { return m_buttons.LoadBitmap(lpszResourceName); }
    BOOL LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCE(nIDResource)); }
    // Takes ownership of hbmImageWell, replacing the bitmap in use.
    BOOL SetBitmap(HBITMAP hbmImageWell) { return m_buttons.SetBitmap(hbmImageWell); }
    // hbmImageWell (owned from now on) as the image well: added when the
    // bar has none yet, else replacing the one in use.
    BOOL AddReplaceBitmap(HBITMAP hbmImageWell) { return m_buttons.SetBitmap(hbmImageWell); }
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount) { return m_buttons.SetButtons(lpIDArray, nIDCount); }
    void SetSizes(SIZE sizeButton, SIZE sizeImage) { m_buttons.SetSizes(sizeButton, sizeImage); }
    void SetHeight(int cyHeight) { SetHeightAround(cyHeight, m_buttons.m_sizeButton.cy); }
    BOOL SetButtonText(int nIndex, LPCTSTR lpszText) { return m_buttons.SetButtonText(nIndex, lpszText); }
    CString GetButtonText(int nIndex) const { return m_buttons.GetButtonText(nIndex); }
    void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage) {
        m_buttons.SetButtonInfo(nIndex, nID, nStyle, iImage);
    }
    void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const {
        m_buttons.GetButtonInfo(nIndex, nID, nStyle, iImage);
    }
    void SetButtonStyle(int nIndex, UINT nStyle) { m_buttons.SetButtonStyle(nIndex, nStyle); }
    UINT GetButtonStyle(int nIndex) const { return m_buttons.GetButtonStyle(nIndex); }
    int CommandToIndex(UINT nIDFind) const { return m_buttons.CommandToIndex(nIDFind); }
    UINT GetItemID(int nIndex) const { return m_buttons.GetItemID(nIndex); }
    virtual void GetItemRect(int nIndex, LPRECT lpRect) const { m_buttons.GetItemRect(nIndex, lpRect); }
    // The owner gets the commands, and the control's notifications too.
    void SetOwner(CWnd* pOwnerWnd);
    int GetCount() const override { return m_buttons.GetCount(); }
    CToolBarCtrl& GetToolBarCtrl() const {
        return *reinterpret_cast<CToolBarCtrl*>(const_cast<CKXToolBar*>(this));
    }

    // --- drop-down buttons ----------------------------------------------------
    // Makes command nID's button drop menu nIDMenu down (a second call for
    // the same command changes the menu); bArrow draws the separate arrow.
    BOOL AddDropDownButton(UINT nID, UINT nIDMenu, BOOL bArrow);
    DROPDOWNBUTTON* FindDropDownButton(UINT nID) const;
    // Shows the button's menu below rc (screen) for the frame to carry out;
    // nothing for a button without a menu.  Override for other behaviour.
    virtual void OnDropDownButton(const NMTOOLBARA& nmtb, UINT nID, CRect rc);

    // --- controls in the row --------------------------------------------------
    // A control of class pClass (the framework's standard controls, or any
    // class that can be created dynamically) made over the button of
    // command nID; null when it could not be made.
    CWnd* InsertControl(CRuntimeClass* pClass, LPCTSTR lpszWindowName, CRect& rect, UINT nID, DWORD dwStyle);
    // pCtrl placed over the button of command nID: the button becomes a
    // separator as wide as rect and the bar destroys the control with itself.
    CWnd* InsertControl(CWnd* pCtrl, CRect& rect, UINT nID);
    // The control standing on button nIndex, or null.
    CWnd* GetButtonCtrl(int nIndex) const;
    // Moves every control onto its button's current rectangle.
    void RepositionButtonCtrl();

    // --- customising and the saved layout ---------------------------------
    void Customize() { SendMessage(TB_CUSTOMIZE); }
    void SaveState();
    void RestoreState();
    const CString& GetStateSubKey() const { return m_strSubKey; }
    const CString& GetStateValueName() const { return m_strValueName; }

    // --- the control's messages, one each --------------------------------------
    BOOL EnableButton(int nID, BOOL bEnable = TRUE) { return GetToolBarCtrl().EnableButton(nID, bEnable); }
    BOOL CheckButton(int nID, BOOL bCheck = TRUE) { return GetToolBarCtrl().CheckButton(nID, bCheck); }
    BOOL PressButton(int nID, BOOL bPress = TRUE) { return GetToolBarCtrl().PressButton(nID, bPress); }
    BOOL HideButton(int nID, BOOL bHide = TRUE) { return GetToolBarCtrl().HideButton(nID, bHide); }
    BOOL Indeterminate(int nID, BOOL bIndeterminate = TRUE) {
        return GetToolBarCtrl().Indeterminate(nID, bIndeterminate);
    }
    BOOL IsButtonEnabled(int nID) const { return GetToolBarCtrl().IsButtonEnabled(nID); }
    BOOL IsButtonChecked(int nID) const { return GetToolBarCtrl().IsButtonChecked(nID); }
    BOOL IsButtonPressed(int nID) const { return GetToolBarCtrl().IsButtonPressed(nID); }
    BOOL IsButtonHidden(int nID) const { return GetToolBarCtrl().IsButtonHidden(nID); }
    BOOL IsButtonIndeterminate(int nID) const { return GetToolBarCtrl().IsButtonIndeterminate(nID); }
    BOOL SetState(int nID, UINT nState) { return GetToolBarCtrl().SetState(nID, nState); }
    int GetState(int nID) const { return GetToolBarCtrl().GetState(nID); }
    BOOL AddButtons(int nNumButtons, LPTBBUTTON lpButtons) { return GetToolBarCtrl().AddButtons(nNumButtons, lpButtons); }
    BOOL InsertButton(int nIndex, LPTBBUTTON lpButton) { return GetToolBarCtrl().InsertButton(nIndex, lpButton); }
    BOOL DeleteButton(int nIndex) { return GetToolBarCtrl().DeleteButton(nIndex); }
    int GetButtonCount() const { return GetToolBarCtrl().GetButtonCount(); }
    int AddStrings(LPCTSTR lpszStrings) { return GetToolBarCtrl().AddStrings(lpszStrings); }
    void SetButtonStructSize(int nSize) { GetToolBarCtrl().SetButtonStructSize(nSize); }
    BOOL SetButtonSize(CSize size) { return GetToolBarCtrl().SetButtonSize(size); }
    BOOL SetBitmapSize(CSize size) { return GetToolBarCtrl().SetBitmapSize(size); }
    void AutoSize() { GetToolBarCtrl().AutoSize(); }
    CToolTipCtrl* GetToolTips() const { return GetToolBarCtrl().GetToolTips(); }
    void SetToolTips(CToolTipCtrl* pTip) { GetToolBarCtrl().SetToolTips(pTip); }
    void SetRows(int nRows, BOOL bLarger, LPRECT lpRect) { GetToolBarCtrl().SetRows(nRows, bLarger, lpRect); }
    int GetRows() const { return GetToolBarCtrl().GetRows(); }
    BOOL SetCmdID(int nIndex, UINT nID) { return GetToolBarCtrl().SetCmdID(nIndex, nID); }
    UINT GetBitmapFlags() const { return GetToolBarCtrl().GetBitmapFlags(); }
    BOOL SetIndent(int iIndent) { return GetToolBarCtrl().SetIndent(iIndent); }
    CImageList* GetImageList() const { return GetToolBarCtrl().GetImageList(); }
    CImageList* SetImageList(CImageList* pImageList) { return GetToolBarCtrl().SetImageList(pImageList); }
    int GetBitmap(int nID) const { return static_cast<int>(SendMessage(TB_GETBITMAP, nID)); }
    DWORD SetExtendedStyle(DWORD dwExStyle) { return GetToolBarCtrl().SetExtendedStyle(dwExStyle); }
    BOOL GetRect(int nID, LPRECT lpRect) const { return GetToolBarCtrl().GetRect(nID, lpRect); }
    int HitTest(LPPOINT ppt) const { return GetToolBarCtrl().HitTest(ppt); }
    int GetHotItem() const { return GetToolBarCtrl().GetHotItem(); }
    int SetHotItem(int nHot) { return GetToolBarCtrl().SetHotItem(nHot); }
    BOOL MapAccelerator(TCHAR chAccel, UINT* pIDBtn) { return GetToolBarCtrl().MapAccelerator(chAccel, pIDBtn); }
    DWORD GetPadding() const { return static_cast<DWORD>(SendMessage(TB_GETPADDING)); }
    DWORD SetPadding(int cx, int cy) { return static_cast<DWORD>(SendMessage(TB_SETPADDING, 0, MAKELPARAM(cx, cy))); }
    BOOL GetButton(int nIndex, LPTBBUTTON lpButton) const { return GetToolBarCtrl().GetButton(nIndex, lpButton); }
    // Replaces button nIndex with *lpButton.
    BOOL SetButton(int nIndex, LPTBBUTTON lpButton);

    // --- module-wide measurements ---------------------------------------------
    // The common-controls version, (major << 16) | minor; 4.00 when the
    // library does not say.
    static DWORD GetComCtlVersion();
    // The width of the drop-down arrow glyph (Marlett "6" a menu check high).
    static int GetDropDownArrowWidth();

    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const override { return m_buttons.ToolHitTest(point, pTI); }

    TOOLBARINFO* pCustomizeButtons = nullptr;
    int nCustomizeButtons = 0;
    DROPDOWNBUTTON* pDropDownButtons = nullptr;
    BOOL m_bKeepDropDownWidth = FALSE;  // wrapped drop-down buttons keep their width

protected:
    // How large button iButton of pData measures in a layout (its
    // rectangle, less what the version says a wrapped button loses).
    virtual CSize GetButtonSize(TBBUTTON* pData, int iButton);
    // Repaints where the bar stood in its parent (rectOld, parent's client).
    virtual void InvalidateOldPos(const CRect& rectOld);
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Row breaking and size over the control's buttons (wrap bits set in pData).
    int WrapToolBar(TBBUTTON* pData, int nCount, int nWidth);
    CSize CalcSize(TBBUTTON* pData, int nCount);
    CSize CalcLayout(DWORD dwMode, int nLength = -1);
    // The frame that carries out the bar's commands.
    CWnd* GetCommandFrame() const;
    // Destroys the controls in the row (and deletes those the bar made).
    void DestroyControls();
    // Puts back the buttons of a layout the control could not restore.
    void PutBackButtons(const CArray<TBBUTTON, const TBBUTTON&>& arButtons);

    BOOL OnNcCreate(LPCREATESTRUCT lpcs);
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    LRESULT OnNcHitTest(CPoint point);
    void OnPaint() { Default(); }  // the control paints its buttons
    BOOL OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
    void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    void OnSysColorChange();
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnDestroy();
    // WM_SETTINGCHANGE, WM_SETFONT: the control must not add a border of its own.
    LRESULT OnPreserveZeroBorder(WPARAM, LPARAM);
    LRESULT OnSetButtonSize(WPARAM, LPARAM lParam);
    LRESULT OnSetBitmapSize(WPARAM, LPARAM lParam);
    // Records the size the control took (its button's or its images') and
    // has the frame lay the bars out again.
    LRESULT OnSetSize(BOOL bButton, LPARAM lParam);

    void OnDropDown(NMHDR* pNMHDR, LRESULT* pResult);
    void OnGetButtonInfo(NMHDR* pNMHDR, LRESULT* pResult);
    void OnQueryInsertDelete(NMHDR* pNMHDR, LRESULT* pResult);
    void OnToolBarChange(NMHDR* pNMHDR, LRESULT* pResult);
    void OnEndAdjust(NMHDR* pNMHDR, LRESULT* pResult);
    void OnReset(NMHDR* pNMHDR, LRESULT* pResult);
    void OnNothing(NMHDR* pNMHDR, LRESULT* pResult);

    CToolBarButtons m_buttons{this};
    CObList* m_pControls = nullptr;  // the controls in the row, destroyed with the bar
    CObList m_ownedControls;         // those of them the bar made: deleted too
    HKEY m_hKeyRoot = HKEY_CURRENT_USER;
    CString m_strSubKey;     // "Software\<company>\<application>\Settings"
    CString m_strValueName;  // "KXToolBar <n>"

    DECLARE_MESSAGE_MAP()
};
