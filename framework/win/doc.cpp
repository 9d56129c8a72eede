#include "win/doc.h"

#include "afxres.h"
#include "base/carchive.h"
#include "base/cexception.h"
#include "base/cfile.h"
#include "base/format_strings.h"
#include "win/afx_strings.h"
#include "win/view.h"
#include "win/winapp.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
    ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

CDocument::CDocument() = default;

CDocument::~CDocument() {
    // Views that outlive the document forget it.
    POSITION pos = GetFirstViewPosition();
    while (pos != nullptr) GetNextView(pos)->m_pDocument = nullptr;
    m_viewList.RemoveAll();
    if (m_pDocTemplate != nullptr) m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCTSTR lpszTitle) {
    m_strTitle = lpszTitle;
    UpdateFrameCounts();  // the frames' titles follow
}

void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU) {
    char full[MAX_PATH] = {};
    LPSTR lpszName = nullptr;
    if (::GetFullPathNameA(lpszPathName, MAX_PATH, full, &lpszName) == 0 || full[0] == '\0')
        lstrcpynA(full, lpszPathName, MAX_PATH);
    m_strPathName = full;
    char title[MAX_PATH] = {};
    if (::GetFileTitleA(full, title, MAX_PATH) != 0) {
        // The name after the last separator when the shell cannot say.
        CString path = full;
        lstrcpynA(title, path.Mid(path.ReverseFind('\\') + 1), MAX_PATH);
    }
    SetTitle(title);
    if (bAddToMRU) {
        if (CWinApp* pApp = AfxGetApp()) pApp->AddToRecentFileList(m_strPathName);
    }
}

void CDocument::ClearPathName() { m_strPathName.Empty(); }

CView* CDocument::GetNextView(POSITION& rPosition) const {
    return static_cast<CView*>(m_viewList.GetNext(rPosition));
}

void CDocument::AddView(CView* pView) {
    ASSERT(pView != nullptr && pView->m_pDocument == nullptr);  // a view shows one document
    if (pView == nullptr || pView->m_pDocument != nullptr) return;
    m_viewList.AddTail(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView) {
    ASSERT(pView != nullptr && pView->m_pDocument == this);
    if (pView == nullptr || pView->m_pDocument != this) return;
    if (POSITION pos = m_viewList.Find(pView)) m_viewList.RemoveAt(pos);
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

void CDocument::OnChangedViewList() {
    // The last view gone takes an auto-deleting document with it.
    if (m_viewList.IsEmpty() && m_bAutoDelete) {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint) {
    POSITION pos = GetFirstViewPosition();
    while (pos != nullptr) {
        CView* pView = GetNextView(pos);
        if (pView != pSender) pView->OnUpdate(pSender, lHint, pHint);
    }
}

void CDocument::UpdateFrameCounts() {
    // Number the frames showing this document when there are several
    // ("Doc:1", "Doc:2"); one frame goes without a number.
    CPtrList frames;
    POSITION pos = GetFirstViewPosition();
    while (pos != nullptr) {
        CView* pView = GetNextView(pos);
        if (!pView->IsWindowVisible()) continue;
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != nullptr && frames.Find(pFrame) == nullptr) frames.AddTail(pFrame);
    }
    int nFrames = static_cast<int>(frames.GetCount()), nNext = 1;
    pos = frames.GetHeadPosition();
    while (pos != nullptr) {
        CFrameWnd* pFrame = static_cast<CFrameWnd*>(frames.GetNext(pos));
        pFrame->m_nWindow = nFrames == 1 ? 0 : nNext++;
        pFrame->OnUpdateFrameTitle(TRUE);
    }
}

void CDocument::DeleteContents() {}

BOOL CDocument::OnNewDocument() {
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

CFile* CDocument::GetFile(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
    CFile* pFile = new CFile;
    if (!pFile->Open(lpszFileName, nOpenFlags, pError)) {
        delete pFile;
        return nullptr;
    }
    return pFile;
}

void CDocument::ReleaseFile(CFile* pFile, BOOL bAbort) {
    if (pFile == nullptr) return;
    if (bAbort)
        pFile->Abort();
    else
        pFile->Close();
    delete pFile;
}

BOOL CDocument::OnOpenDocument(LPCTSTR lpszPathName) {
    CFileException fe;
    CFile* pFile = GetFile(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &fe);
    if (pFile == nullptr) {
        ReportSaveLoadException(lpszPathName, &fe, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        return FALSE;
    }
    DeleteContents();
    SetModifiedFlag();  // changed while it is read
    try {
        CWaitCursor wait;
        CArchive ar(pFile, CArchive::load | CArchive::bNoFlushOnDelete);
        ar.m_pDocument = this;
        if (pFile->GetLength() != 0) Serialize(ar);
        ar.Close();
        ReleaseFile(pFile, FALSE);
    } catch (CException* e) {
        ReleaseFile(pFile, TRUE);
        DeleteContents();  // nothing half-read stays
        ReportSaveLoadException(lpszPathName, e, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        e->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCTSTR lpszPathName) {
    CFileException fe;
    CFile* pFile = GetFile(lpszPathName, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive, &fe);
    if (pFile == nullptr) {
        ReportSaveLoadException(lpszPathName, &fe, TRUE, AFX_IDP_INVALID_FILENAME);
        return FALSE;
    }
    try {
        CWaitCursor wait;
        CArchive ar(pFile, CArchive::store | CArchive::bNoFlushOnDelete);
        ar.m_pDocument = this;
        Serialize(ar);
        ar.Close();
        ReleaseFile(pFile, FALSE);
    } catch (CException* e) {
        ReleaseFile(pFile, TRUE);
        ReportSaveLoadException(lpszPathName, e, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
        e->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::ReportSaveLoadException(LPCTSTR lpszPathName, CException* e, BOOL bSaving, UINT nIDPDefault) {
    UINT nIDP = nIDPDefault;
    if (e != nullptr && e->IsKindOf(RUNTIME_CLASS(CUserException))) return;  // the user was told already
    if (e != nullptr && e->IsKindOf(RUNTIME_CLASS(CArchiveException))) {
        switch (static_cast<CArchiveException*>(e)->m_cause) {
            case CArchiveException::badSchema:
            case CArchiveException::badClass:
            case CArchiveException::badIndex:
            case CArchiveException::endOfFile: nIDP = AFX_IDP_FAILED_INVALID_FORMAT; break;
            default: break;
        }
    } else if (e != nullptr && e->IsKindOf(RUNTIME_CLASS(CFileException))) {
        switch (static_cast<CFileException*>(e)->m_cause) {
            case CFileException::fileNotFound:
            case CFileException::badPath: nIDP = AFX_IDP_FAILED_INVALID_PATH; break;
            case CFileException::diskFull: nIDP = AFX_IDP_FAILED_DISK_FULL; break;
            case CFileException::accessDenied:
            case CFileException::sharingViolation:
                nIDP = bSaving ? AFX_IDP_FAILED_ACCESS_WRITE : AFX_IDP_FAILED_ACCESS_READ;
                break;
            case CFileException::hardIO:
                nIDP = bSaving ? AFX_IDP_FAILED_IO_ERROR_WRITE : AFX_IDP_FAILED_IO_ERROR_READ;
                break;
            default: break;
        }
    }
    CString prompt;
    LPCTSTR args[] = {lpszPathName != nullptr ? lpszPathName : ""};
    AfxFormatStrings(prompt, AfxFrameworkString(nIDP), args, 1);
    AfxMessageBox(prompt, MB_ICONEXCLAMATION, nIDP);
}

void CDocument::OnCloseDocument() {
    // The frames go first (and their views with them); the document must
    // not delete itself meanwhile, as each view leaving would have it do.
    BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.IsEmpty()) {
        CView* pView = static_cast<CView*>(m_viewList.GetHead());
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame == nullptr) {
            pView->DestroyWindow();
            continue;
        }
        PreCloseFrame(pFrame);
        pFrame->DestroyWindow();
    }
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete) delete this;
}

void CDocument::PreCloseFrame(CFrameWnd*) {}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrameArg) {
    // Another frame still showing the document: nothing is lost.
    POSITION pos = GetFirstViewPosition();
    while (pos != nullptr) {
        CFrameWnd* pFrame = GetNextView(pos)->GetParentFrame();
        if (pFrame != nullptr && pFrame != pFrameArg) return TRUE;
    }
    return SaveModified();
}

BOOL CDocument::SaveModified() {
    if (!IsModified()) return TRUE;
    CString name = m_strPathName.IsEmpty() ? m_strTitle : m_strPathName.Mid(m_strPathName.ReverseFind('\\') + 1);
    if (name.IsEmpty()) name = AfxFrameworkString(AFX_IDS_UNTITLED);
    CString prompt;
    LPCTSTR args[] = {name};
    AfxFormatStrings(prompt, AfxFrameworkString(AFX_IDP_ASK_TO_SAVE), args, 1);
    switch (AfxMessageBox(prompt, MB_YESNOCANCEL, AFX_IDP_ASK_TO_SAVE)) {
        case IDCANCEL: return FALSE;
        case IDYES: return DoFileSave();
        default: return TRUE;  // IDNO: the changes are dropped
    }
}

BOOL CDocument::DoFileSave() {
    // A read-only file, or none yet, is saved under a name the user gives.
    DWORD dwAttrib = m_strPathName.IsEmpty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesA(m_strPathName);
    if (m_strPathName.IsEmpty() || (dwAttrib != INVALID_FILE_ATTRIBUTES && (dwAttrib & FILE_ATTRIBUTE_READONLY)))
        return DoSave(nullptr);
    return DoSave(m_strPathName);
}

BOOL CDocument::DoSave(LPCTSTR lpszPathName, BOOL bReplace) {
    CString newName = lpszPathName;
    if (newName.IsEmpty()) {
        CDocTemplate* pTemplate = GetDocTemplate();
        newName = m_strPathName;
        if (bReplace && newName.IsEmpty()) {
            // The title, without characters a file name cannot have, and the type's extension.
            newName = m_strTitle;
            int iBad = newName.FindOneOf(":/\\");
            if (iBad != -1) newName = newName.Left(iBad);
            CString strExt;
            if (pTemplate != nullptr && pTemplate->GetDocString(strExt, CDocTemplate::filterExt) && !strExt.IsEmpty())
                newName += strExt;
        }
        CWinApp* pApp = AfxGetApp();
        if (pApp == nullptr || !pApp->DoPromptFileName(newName, bReplace ? AFX_IDS_SAVEFILE : AFX_IDS_SAVEFILECOPY,
                                                       OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, FALSE, pTemplate))
            return FALSE;  // the user cancelled
    }
    CWaitCursor wait;
    if (!OnSaveDocument(newName)) {
        // A file the user named just now and that failed half-way goes.
        if (lpszPathName == nullptr) ::DeleteFileA(newName);
        return FALSE;
    }
    if (bReplace) SetPathName(newName);
    return TRUE;
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    return m_pDocTemplate != nullptr && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CDocument::OnFileClose() {
    if (!SaveModified()) return;
    OnCloseDocument();
}

void CDocument::OnFileSave() { DoFileSave(); }
void CDocument::OnFileSaveAs() { DoSave(nullptr); }
