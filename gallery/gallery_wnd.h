// CGalleryWnd: the gallery's main window, a frame with a menu bar, a
// toolbar (back, forward and a page chooser) and a status bar around CGalleryView, its view: the list of pages
// on the left, the selected page filling the rest under its name.
#pragma once

#include "gallery_page.h"

#include <afxext.h>

#include "bars/toolbar.h"

#include <memory>
#include <vector>

class CGalleryView : public CWnd {
public:
    // Creates the view in its frame, with every page of the page table.
    BOOL CreateView(CWnd* pParent);

    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CGalleryPage* GetPage(int nPage) const;
    // Shows page nPage and selects it in the list.
    void SelectPage(int nPage);
    // The names of the pages whose windows could not be created (not listed).
    const CStringArray& GetFailedPages() const { return m_failedPages; }
    int GetCurrentPage() const { return m_nCurrentPage; }

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Commands (from popup menus the pages open) go to the page on show
    // first, as a frame passes them to its view.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    void OnPageListSelChange();

private:
    void RecalcLayout();
    CRect GetHeadingRect() const;
    CRect GetPageRect() const;

    CListBox m_wndPageList;
    std::vector<std::unique_ptr<CGalleryPage>> m_pages;
    CStringArray m_failedPages;
    int m_nCurrentPage = -1;
    CFont m_fontHeading;

    DECLARE_MESSAGE_MAP()
};

class CGalleryWnd : public CFrameWnd {
public:
    // Creates the window, hidden, with every page of the page table.  The
    // object deletes itself when its window goes.
    BOOL CreateGallery();

    int GetPageCount() const { return m_wndView.GetPageCount(); }
    CGalleryPage* GetPage(int nPage) const { return m_wndView.GetPage(nPage); }
    void SelectPage(int nPage) { m_wndView.SelectPage(nPage); }
    const CStringArray& GetFailedPages() const { return m_wndView.GetFailedPages(); }
    int GetCurrentPage() const { return m_wndView.GetCurrentPage(); }

protected:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    void OnPagePrev();
    void OnPageNext();
    void OnUpdatePagePrev(CCmdUI* pCmdUI);
    void OnUpdatePageNext(CCmdUI* pCmdUI);
    void OnPageChooserChange();

private:
    CGalleryView m_wndView;
    CKXToolBar m_wndToolBar;
    CComboBox* m_pPageChooser = nullptr;  // in the toolbar's row, which owns it
    CStatusBar m_wndStatusBar;

    DECLARE_MESSAGE_MAP()
};
