// The gallery application.  Run without arguments it shows the gallery;
// with "--render <folder>" it shows each page in turn, writes its picture to
// <folder>\<page>.png and exits (0 when every picture was written).
#include "gallery_wnd.h"
#include "snapshot.h"

#include <objbase.h>

namespace {

// The folder after "--render" on the command line, or FALSE without it.
BOOL ParseRenderFolder(LPCTSTR lpszCmdLine, CString& strFolder) {
    CString strLine = lpszCmdLine ? lpszCmdLine : "";
    strLine.Trim();
    const CString strSwitch = "--render";
    if (strLine.Left(strSwitch.GetLength()) != strSwitch) return FALSE;
    strFolder = strLine.Mid(strSwitch.GetLength());
    strFolder.Trim();
    strFolder.Trim('"');
    return !strFolder.IsEmpty();
}

void ReportError(const CString& strError) {
    DWORD nWritten = 0;
    ::WriteFile(::GetStdHandle(STD_ERROR_HANDLE), (LPCTSTR)strError, strError.GetLength(), &nWritten, nullptr);
}

// Lets every window handle what is queued (paints, the controls' own
// timers) for nMilliseconds.
void PumpMessagesFor(DWORD nMilliseconds) {
    const DWORD nStart = ::GetTickCount();
    do {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(10);
    } while (::GetTickCount() - nStart < nMilliseconds);
}

}  // namespace

class CGalleryApp : public CWinApp {
public:
    CGalleryApp() : CWinApp("KX Gallery") {}

    BOOL InitInstance() override {
        AfxInitCommonControls();
        m_pGallery = new CGalleryWnd;  // deletes itself with its window
        if (!m_pGallery->CreateGallery()) return FALSE;
        m_pMainWnd = m_pGallery;

        CString strFolder;
        if (ParseRenderFolder(m_lpCmdLine, strFolder)) {
            m_nExitCode = RenderPages(strFolder) ? 0 : 1;
            m_pGallery->DestroyWindow();
            return FALSE;  // no message loop: ExitInstance gives the exit code
        }
        m_pGallery->ShowWindow(m_nCmdShow);
        m_pGallery->UpdateWindow();
        return TRUE;
    }

    int ExitInstance() override {
        const int nLoopResult = CWinApp::ExitInstance();
        return m_nExitCode >= 0 ? m_nExitCode : nLoopResult;
    }

private:
    BOOL RenderPages(const CString& strFolder) {
        if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return FALSE;
        m_pGallery->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        BOOL bAllWritten = TRUE;
        for (int i = 0; i < m_pGallery->GetFailedPages().GetSize(); ++i) {
            ReportError("kxgallery: the page \"" + m_pGallery->GetFailedPages()[i] + "\" could not be created\n");
            bAllWritten = FALSE;
        }
        for (int i = 0; i < m_pGallery->GetPageCount(); ++i) {
            CGalleryPage* pPage = m_pGallery->GetPage(i);
            m_pGallery->SelectPage(i);
            // The bars show the page's commands as the idle update would.
            m_pGallery->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
            pPage->PrepareSnapshot();
            m_pGallery->RedrawWindow(nullptr, nullptr,
                                      RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
            PumpMessagesFor(300);
            const CString strPath = strFolder + "\\" + pPage->GetFileName() + ".png";
            if (!SaveWindowPng(m_pGallery, strPath)) {
                ReportError("kxgallery: could not write " + strPath + "\n");
                bAllWritten = FALSE;
            }
            if (!pPage->SaveExtraSnapshots(strFolder + "\\" + pPage->GetFileName(), m_pGallery)) {
                ReportError("kxgallery: could not write the further pictures of " + strPath + "\n");
                bAllWritten = FALSE;
            }
        }
        ::CoUninitialize();
        return bAllWritten;
    }

    CGalleryWnd* m_pGallery = nullptr;
    int m_nExitCode = -1;  // set by --render
};

CGalleryApp theApp;
