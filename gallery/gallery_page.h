// CGalleryPage: one page of the gallery, a child window beside the list of
// pages that shows one family of controls at work.
//
// A new page is a new file page_<name>.cpp holding a class derived from
// CGalleryPage and a function that creates it, plus its entry in
// page_table.cpp.
#pragma once

#include "win/afxwin.h"

class CGalleryPage : public CWnd {
public:
    explicit CGalleryPage(LPCTSTR lpszName) : m_strName(lpszName) {}

    // The name shown in the list of pages, e.g. "Owner-drawn button".
    const CString& GetName() const { return m_strName; }
    // The name as a file name: lower-case words joined by '-' ("owner-drawn-button").
    CString GetFileName() const;

    // Creates the page window, hidden, and its controls in the gallery font.
    BOOL Create(CWnd* pParent, const CRect& rect);

    // Puts the page into the state its picture shows: called before the
    // page is rendered to a PNG file (--render).
    virtual void PrepareSnapshot() {}
    // Writes the page's further pictures, if it has any, after its own: each
    // of pFrame (the gallery window) to strPathPrefix + "-<what>.png".
    // Returns whether every one was written.
    virtual BOOL SaveExtraSnapshots(const CString& strPathPrefix, CWnd* pFrame) {
        (void)strPathPrefix, (void)pFrame;
        return TRUE;
    }

protected:
    // Creates the page's controls; the page window exists.
    virtual BOOL CreateControls() = 0;

    CString m_strName;

private:
    static void SetDefaultFont(HWND hWnd);
};

// A page that draws its own content: WM_PAINT and WM_PRINTCLIENT (which
// the snapshots use) both reach Paint.
class CPaintedGalleryPage : public CGalleryPage {
public:
    using CGalleryPage::CGalleryPage;

protected:
    virtual void Paint(CDC& dc) = 0;

    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};

// The page table (page_table.cpp): one function per page that creates it.
typedef CGalleryPage* (*GalleryPageFactory)();
extern const GalleryPageFactory g_galleryPages[];
extern const int g_nGalleryPages;

// Fonts every page shares: the system's dialog font, and a fixed-pitch one.
CFont& GalleryFont();
CFont& GalleryFixedFont();
