// Pages whose content is a small frame with docking bars, one of which
// floats over the lower part of the page: CGalleryDemoFrame (commands
// shown in its status bar) and CFramePage, which keeps the floating bar
// with the page and takes its picture.
#pragma once

#include "gallery_page.h"

#include <afxext.h>

class CGalleryDemoFrame : public CFrameWnd {
public:
    // A child frame of pParent at rect, titled lpszTitle.
    BOOL CreateDemo(CWnd* pParent, const CRect& rect, LPCTSTR lpszTitle);

    CStatusBar m_wndStatus;
    CStatic m_wndView;

protected:
    // The status bar and the view, a line of text saying what to try.
    BOOL CreateStatusAndView(LPCTSTR lpszHint);
    // Docks bar to the top edge right of pLeft, in the same row.
    void DockBeside(CControlBar* pBar, CControlBar* pLeft);
    // Every standard command the bars send is shown in the status bar;
    // every one is enabled but Redo, to show a disabled button.
    void OnDemoCommand(UINT nID);
    void OnUpdateDemoCommand(CCmdUI* pCmdUI) { pCmdUI->Enable(pCmdUI->m_nID != ID_EDIT_REDO); }
    void PostNcDestroy() override {}  // a member of its page

    DECLARE_MESSAGE_MAP()
};

class CFramePage : public CGalleryPage {
public:
    using CGalleryPage::CGalleryPage;

    void PrepareSnapshot() override { FloatBar(); }
    // The floating bar is a window of its own, over the page: "-floating".
    BOOL SaveExtraSnapshots(const CString& strPathPrefix, CWnd* pFrame) override;

protected:
    // The frame, named as the page, across the page's top.
    BOOL CreateControls() override;
    virtual CGalleryDemoFrame& GetFrame() = 0;
    virtual CControlBar& GetFloatingBar() = 0;
    // Where the floating bar goes, from the frame's left edge.
    virtual int GetFloatingOffset() const = 0;

    // Floats the bar below the frame unless it floats already.
    void FloatBar();
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnDestroy();
    void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()
};

// Gives bar (the framework's toolbar or the library's) buttons pIDs (0: a
// separator) with the common controls' standard images pImages, 23 x 22,
// and its name for when it floats.
template <class TBar>
void FillStandardBar(TBar& bar, LPCTSTR lpszName, const UINT* pIDs, const int* pImages, int n) {
    bar.SendMessage(TB_LOADIMAGES, IDB_STD_SMALL_COLOR, reinterpret_cast<LPARAM>(HINST_COMMCTRL));
    bar.SetButtons(pIDs, n);
    for (int i = 0; i < n; ++i)
        if (pIDs[i] != 0) bar.SetButtonInfo(i, pIDs[i], TBBS_BUTTON, pImages[i]);
    bar.SetSizes(CSize(23, 22), CSize(16, 16));
    bar.SetWindowText(lpszName);
}
