// Views: the windows that show a document inside a frame.  CView draws
// through OnDraw and hears of its document's changes through OnUpdate;
// CScrollView scrolls a drawing of a given size in any mapping mode;
// CFormView is a scrolling view made from a dialog template, with data
// exchange; CCtrlView makes a view of a control (CEditView, CListView,
// CTreeView).  A view is created by its frame from a creation context and
// deletes itself when its window goes.
#pragma once

#include "base/geometry.h"
#include "win/ctl_basic.h"
#include "win/ctl_listtree.h"
#include "win/frame.h"

class CDC;
class CArchive;
struct CPrintInfo;

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }
    virtual BOOL IsSelected(const CObject* pDocItem) const;

    // Called once when the view is first shown with its document (through
    // WM_INITIALUPDATE); by default it updates the view.
    virtual void OnInitialUpdate();
    // The document changed (UpdateAllViews); by default the view repaints.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnDraw(CDC* pDC) = 0;
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
    // The view became (bActivate) or stopped being the frame's active view.
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    // The view's frame was activated or deactivated.
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // The view's own map, then its document's.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    CView();
    void PostNcDestroy() override;

    int OnCreate(LPCREATESTRUCT lpcs);
    void OnDestroy();
    void OnPaint();
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    LRESULT OnInitialUpdateMessage(WPARAM, LPARAM);

    CDocument* m_pDocument = nullptr;

    friend class CDocument;
    DECLARE_MESSAGE_MAP()
};

class CScrollView : public CView {
    DECLARE_DYNAMIC(CScrollView)
public:
    static const SIZE sizeDefault;  // a tenth (line) or the whole client (page)

    // The document's size in logical units of nMapMode; the page and line
    // steps default to a tenth of the total and of the page.
    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                        const SIZE& sizeLine = sizeDefault);
    CPoint GetScrollPosition() const;        // logical units
    CPoint GetDeviceScrollPosition() const;  // pixels
    void ScrollToPosition(POINT pt);         // logical units, kept within the document
    CSize GetTotalSize() const { return m_totalLog; }
    void GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const;
    int GetMapMode() const { return m_nMapMode; }
    // Shows the whole document in the window (no scroll bars), stretched.
    void SetScaleToFitSize(SIZE sizeTotal);
    void FillOutsideRect(CDC* pDC, CBrush* pBrush);

    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    virtual BOOL OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll = TRUE);
    virtual BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE);

protected:
    CScrollView();
    void ScrollToDevicePosition(POINT ptDev);
    void UpdateBars();

    void OnSize(UINT nType, int cx, int cy);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);

    int m_nMapMode = 0;  // 0 until SetScrollSizes
    CSize m_totalLog;    // total size in logical units
    CSize m_totalDev;    // the same in pixels
    CSize m_pageDev, m_lineDev;
    BOOL m_bCenter = FALSE;  // a document smaller than the window is centred
    BOOL m_bInsideUpdate = FALSE;

    DECLARE_MESSAGE_MAP()
};

class CFormView : public CScrollView {
    DECLARE_DYNAMIC(CFormView)
public:
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, void* pContext = nullptr) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnInitialUpdate() override;
    void OnDraw(CDC*) override {}  // the controls draw themselves
    BOOL IsDialogWnd() const override { return TRUE; }

protected:
    explicit CFormView(LPCTSTR lpszTemplateName);
    explicit CFormView(UINT nIDTemplate);
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
    void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd) override;
    int OnCreate(LPCREATESTRUCT lpcs);
    void OnSetFocus(CWnd* pOldWnd);
    void OnPaint();
    // The control that had the focus when the view was last active.
    void SaveFocusControl();

    LPCTSTR m_lpszTemplateName;
    CCreateContext* m_pCreateContext = nullptr;
    HWND m_hWndFocus = nullptr;

    DECLARE_MESSAGE_MAP()
};

class CCtrlView : public CView {
    DECLARE_DYNAMIC(CCtrlView)
public:
    CCtrlView(LPCTSTR lpszClass, DWORD dwStyle);
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnDraw(CDC*) override {}  // the control paints itself

protected:
    void OnPaint() { Default(); }

    CString m_strClass;
    DWORD m_dwDefaultStyle;

    DECLARE_MESSAGE_MAP()
};

// A view of a multiline edit control: its text is the document (saved raw
// with SerializeRaw), typing marks the document modified, and the Edit
// menu's commands work on it.
class CEditView : public CCtrlView {
    DECLARE_DYNCREATE(CEditView)
public:
    CEditView();
    static const DWORD dwStyleDefault;

    CEdit& GetEditCtrl() const { return *reinterpret_cast<CEdit*>(const_cast<CEditView*>(this)); }
    // The whole text to (storing) or from (loading) the archive, as bytes.
    void SerializeRaw(CArchive& ar);
    void Serialize(CArchive& ar) override { SerializeRaw(ar); }
    void GetSelectedText(CString& strResult) const;
    UINT GetBufferLength() const { return static_cast<UINT>(::GetWindowTextLengthA(m_hWnd)); }

protected:
    BOOL OnEditChange();
    void OnEditCut();
    void OnEditCopy();
    void OnEditPaste();
    void OnEditClear();
    void OnEditUndo();
    void OnEditSelectAll();
    void OnUpdateNeedSel(CCmdUI* pCmdUI);
    void OnUpdateNeedClip(CCmdUI* pCmdUI);
    void OnUpdateEditUndo(CCmdUI* pCmdUI);
    void OnUpdateNeedText(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()
};

class CListView : public CCtrlView {
    DECLARE_DYNCREATE(CListView)
public:
    CListView();
    CListCtrl& GetListCtrl() const { return *reinterpret_cast<CListCtrl*>(const_cast<CListView*>(this)); }
};

class CTreeView : public CCtrlView {
    DECLARE_DYNCREATE(CTreeView)
public:
    CTreeView();
    CTreeCtrl& GetTreeCtrl() const { return *reinterpret_cast<CTreeCtrl*>(const_cast<CTreeView*>(this)); }
};
