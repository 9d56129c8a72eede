// CGalleryWnd: the gallery's main window.  The list of pages is on the left;
// the selected page fills the rest under its name.
#pragma once

#include "gallery_page.h"

#include <memory>
#include <vector>

class CGalleryWnd : public CWnd {
public:
    // Creates the window, hidden, with every page of the page table.
    BOOL CreateGallery();

    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CGalleryPage* GetPage(int nPage) const;
    // Shows page nPage and selects it in the list.
    void SelectPage(int nPage);
    // The names of the pages whose windows could not be created (not listed).
    const CStringArray& GetFailedPages() const { return m_failedPages; }

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Commands (from popup menus the pages open) go to the page on show
    // first, as a frame passes them to its view.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
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
