// The application's side of documents: its templates, the standard File
// commands, the recent-file list, the command line and the file dialog.
#include "afxres.h"
#include "win/afx_strings.h"
#include "win/commdlg.h"
#include "win/dialog.h"
#include "win/doc.h"
#include "win/view.h"
#include "win/winapp.h"

#include <commdlg.h>

#include <cstdlib>
#include <string>
#include <vector>

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate) {
    ASSERT(pTemplate != nullptr && m_templateList.Find(pTemplate) == nullptr);
    if (pTemplate == nullptr || m_templateList.Find(pTemplate) != nullptr) return;
    pTemplate->LoadTemplate();
    m_templateList.AddTail(pTemplate);
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& rPosition) const {
    return static_cast<CDocTemplate*>(m_templateList.GetNext(rPosition));
}

void CWinApp::DeleteDocTemplates() {
    while (!m_templateList.IsEmpty()) {
        CDocTemplate* pTemplate = static_cast<CDocTemplate*>(m_templateList.RemoveHead());
        if (pTemplate->m_bAutoDelete) delete pTemplate;
    }
    delete m_pRecentFileList;
    m_pRecentFileList = nullptr;
}

CDocument* CWinApp::OpenDocumentFile(LPCTSTR lpszFileName) {
    if (lpszFileName == nullptr || *lpszFileName == '\0') return nullptr;
    char szPath[MAX_PATH] = {};
    if (::GetFullPathNameA(lpszFileName, MAX_PATH, szPath, nullptr) == 0) lstrcpynA(szPath, lpszFileName, MAX_PATH);
    // The template most sure of the file; one that has it open already wins.
    CDocTemplate::Confidence bestMatch = CDocTemplate::noAttempt;
    CDocTemplate* pBestTemplate = nullptr;
    CDocument* pOpenDocument = nullptr;
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr) {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        CDocument* pMatch = nullptr;
        CDocTemplate::Confidence match = pTemplate->MatchDocType(szPath, pMatch);
        if (match > bestMatch) {
            bestMatch = match;
            pBestTemplate = pTemplate;
        }
        if (match == CDocTemplate::yesAlreadyOpen) {
            pOpenDocument = pMatch;
            break;
        }
    }
    if (pOpenDocument != nullptr) {
        // Open already: its frame comes to the front.
        POSITION posView = pOpenDocument->GetFirstViewPosition();
        if (posView != nullptr) {
            CView* pView = pOpenDocument->GetNextView(posView);
            if (CFrameWnd* pFrame = pView->GetParentFrame()) {
                pFrame->ActivateFrame();
                if (CFrameWnd* pTop = pFrame->GetTopLevelFrame(); pTop != nullptr && pTop != pFrame) pTop->ActivateFrame();
            }
        }
        return pOpenDocument;
    }
    if (pBestTemplate == nullptr) {
        AfxMessageBox(AFX_IDP_FAILED_TO_OPEN_DOC);
        return nullptr;
    }
    return pBestTemplate->OpenDocumentFile(szPath);
}

void CWinApp::AddToRecentFileList(LPCTSTR lpszPathName) {
    if (m_pRecentFileList != nullptr) m_pRecentFileList->Add(lpszPathName);
}

BOOL CWinApp::SaveAllModified() {
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr) {
        if (!GetNextDocTemplate(pos)->SaveAllModified()) return FALSE;
    }
    return TRUE;
}

void CWinApp::CloseAllDocuments(BOOL bEndSession) {
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr) GetNextDocTemplate(pos)->CloseAllDocuments(bEndSession);
}

int CWinApp::GetOpenDocumentCount() {
    int nCount = 0;
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr) {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        POSITION posDoc = pTemplate->GetFirstDocPosition();
        while (posDoc != nullptr) {
            pTemplate->GetNextDoc(posDoc);
            ++nCount;
        }
    }
    return nCount;
}

// --- the File menu ----------------------------------------------------------------

namespace {

// Builds a dialog template in memory: the header, then items on DWORD boundaries.
class CDlgTemplateWriter {
public:
    void Header(DWORD dwStyle, int nItems, short cx, short cy, const char* pszTitle) {
        DWord(dwStyle | DS_SETFONT);
        DWord(0);
        m_words.push_back(static_cast<WORD>(nItems));
        for (short v : {short(0), short(0), cx, cy}) m_words.push_back(static_cast<WORD>(v));
        m_words.push_back(0);  // no menu
        m_words.push_back(0);  // the standard class
        Text(pszTitle);
        m_words.push_back(8);
        Text("MS Shell Dlg");
    }
    void Item(DWORD dwStyle, short x, short y, short cx, short cy, WORD nID, WORD wClass, const char* pszText) {
        if (m_words.size() % 2) m_words.push_back(0);
        DWord(dwStyle | WS_CHILD | WS_VISIBLE);
        DWord(0);
        for (short v : {x, y, cx, cy}) m_words.push_back(static_cast<WORD>(v));
        m_words.push_back(nID);
        m_words.push_back(0xFFFF);
        m_words.push_back(wClass);
        Text(pszText);
        m_words.push_back(0);  // no creation data
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

private:
    void DWord(DWORD dw) {
        m_words.push_back(LOWORD(dw));
        m_words.push_back(HIWORD(dw));
    }
    void Text(const char* psz) {
        for (; *psz; ++psz) m_words.push_back(static_cast<WORD>(static_cast<unsigned char>(*psz)));
        m_words.push_back(0);
    }
    std::vector<WORD> m_words;
};

// Asks which type of document File > New makes when there are several.
class CNewTypeDlg : public CDialog {
public:
    explicit CNewTypeDlg(CPtrList* pList) : m_pList(pList) {}
    CDocTemplate* m_pSelectedTemplate = nullptr;

    INT_PTR Run() {
        CDlgTemplateWriter writer;
        writer.Header(DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 3, 180, 90, "New");
        writer.Item(LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 6, 6, 110, 78, AFX_IDC_LISTBOX, 0x0083, "");
        writer.Item(BS_DEFPUSHBUTTON | WS_TABSTOP, 124, 6, 50, 14, IDOK, 0x0080, "OK");
        writer.Item(BS_PUSHBUTTON | WS_TABSTOP, 124, 24, 50, 14, IDCANCEL, 0x0080, "Cancel");
        InitModalIndirect(writer.Get());
        return DoModal();
    }

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        HWND hList = ::GetDlgItem(m_hWnd, AFX_IDC_LISTBOX);
        POSITION pos = m_pList->GetHeadPosition();
        while (pos != nullptr) {
            CDocTemplate* pTemplate = static_cast<CDocTemplate*>(m_pList->GetNext(pos));
            CString strTypeName;
            if (pTemplate->GetDocString(strTypeName, CDocTemplate::fileNewName) && !strTypeName.IsEmpty()) {
                LRESULT nIndex = ::SendMessageA(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(strTypeName)));
                ::SendMessageA(hList, LB_SETITEMDATA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(pTemplate));
            }
        }
        ::SendMessageA(hList, LB_SETCURSEL, 0, 0);
        return TRUE;
    }
    void OnOK() override {
        HWND hList = ::GetDlgItem(m_hWnd, AFX_IDC_LISTBOX);
        LRESULT nIndex = ::SendMessageA(hList, LB_GETCURSEL, 0, 0);
        if (nIndex == LB_ERR) return;
        m_pSelectedTemplate = reinterpret_cast<CDocTemplate*>(::SendMessageA(hList, LB_GETITEMDATA, static_cast<WPARAM>(nIndex), 0));
        EndDialog(IDOK);
    }
    void OnListDblClk() { OnOK(); }

    CPtrList* m_pList;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNewTypeDlg, CDialog)
    ON_LBN_DBLCLK(AFX_IDC_LISTBOX, OnListDblClk)
END_MESSAGE_MAP()

}  // namespace

void CWinApp::OnFileNew() {
    if (m_templateList.IsEmpty()) {
        TRACE("CWinApp::OnFileNew: no document template.\n");
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        return;
    }
    CDocTemplate* pTemplate = static_cast<CDocTemplate*>(m_templateList.GetHead());
    if (m_templateList.GetCount() > 1) {
        // Several types: the user chooses one.
        CNewTypeDlg dlg(&m_templateList);
        if (dlg.Run() != IDOK || dlg.m_pSelectedTemplate == nullptr) return;
        pTemplate = dlg.m_pSelectedTemplate;
    }
    pTemplate->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen() {
    CString newName;
    if (!DoPromptFileName(newName, AFX_IDS_OPENFILE, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, TRUE, nullptr)) return;
    OpenDocumentFile(newName);
}

BOOL CWinApp::OnOpenRecentFile(UINT nID) {
    if (m_pRecentFileList == nullptr) return FALSE;
    int nIndex = static_cast<int>(nID - ID_FILE_MRU_FILE1);
    if (nIndex < 0 || nIndex >= m_pRecentFileList->GetSize() || (*m_pRecentFileList)[nIndex].IsEmpty()) return FALSE;
    CString path = (*m_pRecentFileList)[nIndex];  // the list changes as the file opens
    // A file that no longer opens leaves the list.
    if (OpenDocumentFile(path) == nullptr) m_pRecentFileList->Remove(nIndex);
    return TRUE;
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI) {
    if (m_pRecentFileList == nullptr)
        pCmdUI->Enable(FALSE);
    else
        m_pRecentFileList->UpdateMenu(pCmdUI);
}

// --- the file dialog ----------------------------------------------------------------

namespace {
// Appends "Name\0*.ext\0" for the template's type; the first extension seen
// becomes the default one.
void AppendFilterSuffix(std::string& filter, CDocTemplate* pTemplate, CString* pstrDefaultExt) {
    CString strFilterExt, strFilterName;
    if (!pTemplate->GetDocString(strFilterExt, CDocTemplate::filterExt) || strFilterExt.IsEmpty() ||
        !pTemplate->GetDocString(strFilterName, CDocTemplate::filterName) || strFilterName.IsEmpty())
        return;
    if (pstrDefaultExt != nullptr && pstrDefaultExt->IsEmpty())
        *pstrDefaultExt = strFilterExt[0] == '.' ? strFilterExt.Mid(1) : strFilterExt;
    filter += static_cast<LPCTSTR>(strFilterName);
    filter += '\0';
    filter += '*';
    filter += static_cast<LPCTSTR>(strFilterExt);
    filter += '\0';
}
}  // namespace

BOOL CWinApp::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                               CDocTemplate* pTemplate) {
    std::string filter;
    CString strDefaultExt;
    if (pTemplate != nullptr) {
        AppendFilterSuffix(filter, pTemplate, &strDefaultExt);
    } else {
        POSITION pos = GetFirstDocTemplatePosition();
        while (pos != nullptr) AppendFilterSuffix(filter, GetNextDocTemplate(pos), &strDefaultExt);
    }
    filter += static_cast<LPCTSTR>(AfxFrameworkString(AFX_IDS_ALLFILTER));
    filter += '\0';
    filter += "*.*";
    filter += '\0';
    filter += '\0';

    // The template filters are already in the structure's NUL-separated form.
    CString title = AfxFrameworkString(nIDSTitle);
    CFileDialog dlgFile(bOpenFileDialog, strDefaultExt.IsEmpty() ? nullptr : static_cast<LPCTSTR>(strDefaultExt),
                        fileName.IsEmpty() ? nullptr : static_cast<LPCTSTR>(fileName));
    dlgFile.m_ofn.Flags |= lFlags | OFN_ENABLESIZING;
    if (bOpenFileDialog) dlgFile.m_ofn.Flags &= ~static_cast<DWORD>(OFN_OVERWRITEPROMPT);
    dlgFile.m_ofn.lpstrFilter = filter.c_str();
    dlgFile.m_ofn.nFilterIndex = 1;
    dlgFile.m_ofn.lpstrTitle = title;
    if (dlgFile.DoModal() != IDOK) return FALSE;
    fileName = dlgFile.GetPathName();
    return TRUE;
}

// --- profile and command line ----------------------------------------------------------

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU) {
    ASSERT(m_pRecentFileList == nullptr);  // loaded once
    if (nMaxMRU == 0 || m_pRecentFileList != nullptr) return;
    if (nMaxMRU > ID_FILE_MRU_LAST - ID_FILE_MRU_FIRST + 1) nMaxMRU = ID_FILE_MRU_LAST - ID_FILE_MRU_FIRST + 1;
    m_pRecentFileList = new CRecentFileList(0, "Recent File List", "File%d", static_cast<int>(nMaxMRU));
    m_pRecentFileList->ReadList();
}

void CWinApp::SaveStdProfileSettings() {
    if (m_pRecentFileList != nullptr) m_pRecentFileList->WriteList();
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo) {
    for (int i = 1; i < __argc; i++) {
        const char* pszParam = __argv[i];
        BOOL bFlag = FALSE;
        BOOL bLast = (i == __argc - 1);
        if (pszParam[0] == '-' || pszParam[0] == '/') {
            bFlag = TRUE;
            ++pszParam;
        }
        rCmdInfo.ParseParam(pszParam, bFlag, bLast);
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo) {
    BOOL bResult = TRUE;
    switch (rCmdInfo.m_nShellCommand) {
        case CCommandLineInfo::FileNew:
            // The application's own File > New when its map has one.
            if (!OnCmdMsg(ID_FILE_NEW, 0, nullptr, nullptr)) OnFileNew();
            if (m_pMainWnd == nullptr) bResult = FALSE;
            break;
        case CCommandLineInfo::FileOpen:
            if (OpenDocumentFile(rCmdInfo.m_strFileName) == nullptr) bResult = FALSE;
            break;
        case CCommandLineInfo::FilePrint:
        case CCommandLineInfo::FilePrintTo:
        case CCommandLineInfo::FileDDE:
            // Printing and DDE are not part of this framework: nothing to do.
            bResult = FALSE;
            break;
        case CCommandLineInfo::AppRegister:
        case CCommandLineInfo::AppUnregister:
            bResult = FALSE;  // done: the program ends
            break;
        case CCommandLineInfo::FileNothing:
        default: break;
    }
    return bResult;
}
