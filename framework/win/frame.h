// CFrameWnd: the window that frames an application's views and control
// bars.  It lays the bars along its edges and gives the rest to the view
// (RecalcLayout), routes commands to the active view, its document, itself
// and the application, updates menus and bars through that routing, shows
// command prompts in its status bar, and takes its menu, icon, accelerators
// and title from one resource identifier (LoadFrame).
#pragma once

#include "afxres.h"
#include "win/cmdtarget.h"
#include "win/wnd.h"

class CView;
class CDocument;
class CDocTemplate;
class CControlBar;

// Frame styles (in the window style; the low bits of the extended range).
#define FWS_ADDTOTITLE 0x00008000L  // the document's name goes in the title
#define FWS_PREFIXTITLE 0x00004000L  // "doc - app" instead of "app - doc"
#define FWS_SNAPTOBARS 0x00002000L

// The style of a view in a frame.
#define AFX_WS_DEFAULT_VIEW (WS_CHILD | WS_VISIBLE | WS_BORDER)

// What a frame is created with by a document template: the view class to
// create, the document it shows, the template, and the frame it comes from.
struct CCreateContext {
    CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CView* m_pLastView = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};

// Sent to the children of a window whose bars are laid out (WM_SIZEPARENT):
// each bar takes its edge of rect and moves through hDWP.
struct AFX_SIZEPARENTPARAMS {
    HDWP hDWP;
    RECT rect;       // the space still free
    SIZE sizeTotal;  // the space the bars take
    BOOL bStretch;
};

// Moves hWnd to rect within a layout (deferred when the layout defers).
void AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect);

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd();
    ~CFrameWnd() override;

    static const CRect rectDefault;  // the system's default position and size

    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCTSTR lpszMenuName = nullptr,
                DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    // Menu, icon, accelerator table and title (the string's first "\n"
    // field) of resource nIDResource; FALSE when the window or menu fails.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    BOOL LoadAccelTable(LPCTSTR lpszResourceName);
    virtual HACCEL GetDefaultAccelerator();

    // Views
    CView* GetActiveView() const { return m_pViewActive; }
    // Makes pViewNew the active view; with bNotify, the old one is told
    // that it lost activation, then the new one that it gained it.
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    virtual CFrameWnd* GetActiveFrame() { return this; }
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);
    virtual void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual void ActivateFrame(int nCmdShow = -1);

    // Layout: the bars take their edges, the window AFX_IDW_PANE_FIRST the rest.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // Lays out when the application is next idle.
    void DelayRecalcLayout(BOOL bNotify = TRUE);
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    void SetMessageText(LPCTSTR lpszText);
    void SetMessageText(UINT nID);
    virtual CWnd* GetMessageBar();
    CControlBar* GetControlBar(UINT nID);
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);

    // Title
    void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }
    CString GetTitle() const { return m_strTitle; }
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void UpdateFrameTitleForDocument(LPCTSTR lpszDocName);
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // View, then the view's document, then the frame, then the application.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);

    BOOL m_bAutoMenuEnable = TRUE;  // menu items without a handler are disabled
    HMENU m_hMenuDefault = nullptr;  // the menu the frame was loaded with
    HACCEL m_hAccelTable = nullptr;
    UINT m_nIDHelp = 0;
    CString m_strTitle;
    int m_nWindow = 0;  // the frame's number among its document's frames (0: the only one)

    enum IdleFlags { idleMenu = 1, idleTitle = 2, idleNotify = 4, idleLayout = 8 };
    UINT m_nIdleFlags = 0;
    void DelayUpdateFrameTitle() { m_nIdleFlags |= idleTitle; }
    void DelayUpdateFrameMenu(HMENU hMenuAlt) {
        m_hMenuAlt = hMenuAlt;
        m_nIdleFlags |= idleMenu;
    }

protected:
    void PostNcDestroy() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Brings the frame up with nCmdShow (when not -1) and to the top.
    void BringToTop(int nCmdShow);
    // The frame's creation, once the window exists: client, layout, prompt.
    int OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext);

    int OnCreate(LPCREATESTRUCT lpcs);
    void OnDestroy();
    void OnClose();
    void OnSize(UINT nType, int cx, int cy);
    void OnSetFocus(CWnd* pOldWnd);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    void OnEnterIdle(UINT nWhy, CWnd* pWho);
    LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    BOOL OnBarCheck(UINT nID);
    void OnUpdateKeyIndicator(CCmdUI* pCmdUI);

    CView* m_pViewActive = nullptr;
    HMENU m_hMenuAlt = nullptr;    // the menu to show instead of the default one
    UINT m_nIDTracking = 0;        // the prompt the menu selection asks for
    UINT m_nIDLastMessage = 0;     // the prompt shown last
    BOOL m_bInRecalcLayout = FALSE;

    friend class CView;
    friend class CMDIChildWnd;
    friend class CMDIFrameWnd;
    DECLARE_MESSAGE_MAP()
};
