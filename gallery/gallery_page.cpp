#include "gallery_page.h"

#include <cctype>

CString CGalleryPage::GetFileName() const {
    CString strFile;
    bool bWordEnded = false;
    for (int i = 0; i < m_strName.GetLength(); ++i) {
        const unsigned char ch = static_cast<unsigned char>(m_strName[i]);
        if (std::isalnum(ch)) {
            if (bWordEnded && !strFile.IsEmpty()) strFile += '-';
            strFile += static_cast<char>(std::tolower(ch));
            bWordEnded = false;
        } else {
            bWordEnded = true;
        }
    }
    return strFile;
}

BOOL CGalleryPage::Create(CWnd* pParent, const CRect& rect) {
    // Pages are dialog-like: the parent tabs into them, and controls draw on
    // the dialog colour.  No WS_CLIPCHILDREN: a group box paints only its
    // frame and leaves its inside to the parent's background.
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorA(nullptr, IDC_ARROW),
                                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (!CWnd::CreateEx(WS_EX_CONTROLPARENT, lpszClass, m_strName, WS_CHILD, rect, pParent, 0))
        return FALSE;
    if (!CreateControls()) return FALSE;
    SetDefaultFont(m_hWnd);
    return TRUE;
}

// Controls start in the system font: give those that were not given a font
// of their own the dialog font, down to the controls' own children.
void CGalleryPage::SetDefaultFont(HWND hWnd) {
    for (HWND hChild = ::GetTopWindow(hWnd); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (::SendMessageA(hChild, WM_GETFONT, 0, 0) == 0)
            ::SendMessageA(hChild, WM_SETFONT, reinterpret_cast<WPARAM>(GalleryFont().GetSafeHandle()), FALSE);
        SetDefaultFont(hChild);
    }
}

CFont& GalleryFont() {
    static CFont font;
    if (font.GetSafeHandle() == nullptr) {
        NONCLIENTMETRICSA ncm = {};
        ncm.cbSize = sizeof ncm;
        ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
        font.CreateFontIndirect(&ncm.lfMessageFont);
    }
    return font;
}

CFont& GalleryFixedFont() {
    static CFont font;
    if (font.GetSafeHandle() == nullptr) {
        LOGFONTA lf = {};
        lf.lfHeight = -14;
        lf.lfWeight = FW_NORMAL;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
        lstrcpynA(lf.lfFaceName, "Courier New", LF_FACESIZE);
        font.CreateFontIndirect(&lf);
    }
    return font;
}

BEGIN_MESSAGE_MAP(CPaintedGalleryPage, CGalleryPage)
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

void CPaintedGalleryPage::OnPaint() {
    CPaintDC dc(this);
    Paint(dc);
}

LRESULT CPaintedGalleryPage::OnPrintClient(WPARAM wParam, LPARAM) {
    Paint(*CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    return 0;
}
