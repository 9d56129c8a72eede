#include "afxres.h"
#include "base/format_strings.h"
#include "base/recent_files.h"
#include "win/afx_strings.h"
#include "win/doc.h"
#include "win/menu.h"
#include "win/view.h"
#include "win/winapp.h"

#include <cstdio>

namespace {

// A new frame with its view for pDocument, which must not go with a view
// that fails; when no frame can be made, the user is told and the document
// is deleted.
CFrameWnd* CreateFrameForNewDocument(CDocTemplate* pTemplate, CDocument* pDocument) {
    const BOOL bAutoDelete = pDocument->m_bAutoDelete;
    pDocument->m_bAutoDelete = FALSE;
    CFrameWnd* pFrame = pTemplate->CreateNewFrame(pDocument, nullptr);
    pDocument->m_bAutoDelete = bAutoDelete;
    if (pFrame == nullptr) {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        delete pDocument;
    }
    return pFrame;
}

}  // namespace

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)
IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

// --- CDocTemplate -------------------------------------------------------------------

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass) {}

CDocTemplate::~CDocTemplate() = default;

void CDocTemplate::LoadTemplate() {
    if (m_strDocStrings.IsEmpty() && !m_strDocStrings.LoadString(m_nIDResource))
        TRACE("CDocTemplate: no string for resource %u.\n", m_nIDResource);
}

BOOL CDocTemplate::GetDocString(CString& rString, DocStringIndex i) const {
    return AfxExtractSubString(rString, m_strDocStrings, static_cast<int>(i));
}

void CDocTemplate::AddDocument(CDocument* pDoc) {
    ASSERT(pDoc->m_pDocTemplate == nullptr);  // one template per document
    pDoc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* pDoc) {
    ASSERT(pDoc->m_pDocTemplate == this);
    pDoc->m_pDocTemplate = nullptr;
}

CDocTemplate::Confidence CDocTemplate::MatchDocType(LPCTSTR lpszPathName, CDocument*& rpDocMatch) {
    rpDocMatch = nullptr;
    POSITION pos = GetFirstDocPosition();
    while (pos != nullptr) {
        CDocument* pDoc = GetNextDoc(pos);
        if (pDoc->GetPathName().CompareNoCase(lpszPathName) == 0) {
            rpDocMatch = pDoc;
            return yesAlreadyOpen;
        }
    }
    CString strFilterExt;
    if (GetDocString(strFilterExt, filterExt) && !strFilterExt.IsEmpty()) {
        // The type's extension ends the name.
        CString path = lpszPathName;
        if (path.GetLength() >= strFilterExt.GetLength() &&
            path.Right(strFilterExt.GetLength()).CompareNoCase(strFilterExt) == 0)
            return yesAttemptNative;
    }
    return yesAttemptForeign;
}

CDocument* CDocTemplate::CreateNewDocument() {
    if (m_pDocClass == nullptr) {
        TRACE("CDocTemplate: no document class.\n");
        return nullptr;
    }
    CDocument* pDocument = static_cast<CDocument*>(m_pDocClass->CreateObject());
    ASSERT(pDocument != nullptr && pDocument->IsKindOf(RUNTIME_CLASS(CDocument)));  // DECLARE_DYNCREATE
    if (pDocument == nullptr) return nullptr;
    AddDocument(pDocument);
    return pDocument;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther) {
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    if (m_pFrameClass == nullptr) return nullptr;
    CFrameWnd* pFrame = static_cast<CFrameWnd*>(m_pFrameClass->CreateObject());
    ASSERT(pFrame != nullptr && pFrame->IsKindOf(RUNTIME_CLASS(CFrameWnd)));  // DECLARE_DYNCREATE
    if (pFrame == nullptr) return nullptr;
    // A frame that fails deletes itself (PostNcDestroy).
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context)) {
        TRACE("CDocTemplate: the frame was not created.\n");
        return nullptr;
    }
    return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible) {
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

BOOL CDocTemplate::SaveAllModified() {
    POSITION pos = GetFirstDocPosition();
    while (pos != nullptr) {
        if (!GetNextDoc(pos)->SaveModified()) return FALSE;
    }
    return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL) {
    POSITION pos = GetFirstDocPosition();
    while (pos != nullptr) {
        CDocument* pDoc = GetNextDoc(pos);  // the position moves on before the document goes
        pDoc->OnCloseDocument();
    }
}

// --- CSingleDocTemplate ------------------------------------------------------------------

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                       CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass) {}

CSingleDocTemplate::~CSingleDocTemplate() {
    // A document still open outlives no template.
    if (m_pOnlyDoc != nullptr) m_pOnlyDoc->OnCloseDocument();
}

POSITION CSingleDocTemplate::GetFirstDocPosition() const {
    return m_pOnlyDoc == nullptr ? nullptr : reinterpret_cast<POSITION>(static_cast<UINT_PTR>(1));
}

CDocument* CSingleDocTemplate::GetNextDoc(POSITION& rPos) const {
    CDocument* pDoc = rPos == reinterpret_cast<POSITION>(static_cast<UINT_PTR>(1)) ? m_pOnlyDoc : nullptr;
    rPos = nullptr;
    return pDoc;
}

void CSingleDocTemplate::AddDocument(CDocument* pDoc) {
    ASSERT(m_pOnlyDoc == nullptr);  // one document at a time
    CDocTemplate::AddDocument(pDoc);
    m_pOnlyDoc = pDoc;
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc) {
    ASSERT(m_pOnlyDoc == pDoc);
    CDocTemplate::RemoveDocument(pDoc);
    m_pOnlyDoc = nullptr;
}

void CSingleDocTemplate::SetDefaultTitle(CDocument* pDocument) {
    CString strDocName;
    if (!GetDocString(strDocName, docName) || strDocName.IsEmpty()) strDocName = AfxFrameworkString(AFX_IDS_UNTITLED);
    pDocument->SetTitle(strDocName);
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible) {
    CDocument* pDocument = nullptr;
    CFrameWnd* pFrame = nullptr;
    BOOL bCreated = FALSE;
    if (m_pOnlyDoc != nullptr) {
        // The one document is reused in the main frame, after asking about its changes.
        pDocument = m_pOnlyDoc;
        if (!pDocument->SaveModified()) return nullptr;
        CWnd* pMainWnd = AfxGetMainWnd();
        pFrame = pMainWnd != nullptr && pMainWnd->IsFrameWnd() ? static_cast<CFrameWnd*>(pMainWnd) : nullptr;
    } else {
        pDocument = CreateNewDocument();
        bCreated = TRUE;
    }
    if (pDocument == nullptr) {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        return nullptr;
    }
    if (pFrame == nullptr) {
        pFrame = CreateFrameForNewDocument(this, pDocument);
        if (pFrame == nullptr) return nullptr;
    }
    if (lpszPathName == nullptr) {
        SetDefaultTitle(pDocument);
        if (!bMakeVisible) pDocument->m_bEmbedded = TRUE;
        if (!pDocument->OnNewDocument()) {
            TRACE("CSingleDocTemplate: OnNewDocument failed.\n");
            if (bCreated) pFrame->DestroyWindow();
            return nullptr;
        }
    } else {
        CWaitCursor wait;
        BOOL bWasModified = pDocument->IsModified();
        pDocument->SetModifiedFlag(FALSE);
        if (!pDocument->OnOpenDocument(lpszPathName)) {
            TRACE("CSingleDocTemplate: OnOpenDocument failed.\n");
            if (bCreated) {
                pFrame->DestroyWindow();  // the document goes with its last view
            } else if (!pDocument->IsModified()) {
                pDocument->SetModifiedFlag(bWasModified);  // untouched: as it was
            } else {
                // Emptied by the failed read: a new document instead.
                SetDefaultTitle(pDocument);
                if (!pDocument->OnNewDocument()) TRACE("CSingleDocTemplate: OnNewDocument failed.\n");
            }
            return nullptr;
        }
        pDocument->SetPathName(lpszPathName);
    }
    CWinThread* pThread = AfxGetThread();
    if (bCreated && pThread != nullptr && pThread->m_pMainWnd == nullptr) pThread->m_pMainWnd = pFrame;
    InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
    return pDocument;
}

// --- CMultiDocTemplate --------------------------------------------------------------------

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                     CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass) {}

CMultiDocTemplate::~CMultiDocTemplate() {
    while (!m_docList.IsEmpty()) static_cast<CDocument*>(m_docList.GetHead())->OnCloseDocument();
    if (m_hMenuShared != nullptr) ::DestroyMenu(m_hMenuShared);
}

void CMultiDocTemplate::LoadTemplate() {
    CDocTemplate::LoadTemplate();
    if (m_nIDResource != 0 && m_hMenuShared == nullptr) {
        LPCTSTR lpszName = MAKEINTRESOURCEA(m_nIDResource);
        m_hMenuShared = ::LoadMenuA(AfxFindResourceHandle(lpszName, RT_MENU), lpszName);
        m_hAccelTable = ::LoadAcceleratorsA(AfxFindResourceHandle(lpszName, RT_ACCELERATOR), lpszName);
    }
}

CDocument* CMultiDocTemplate::GetNextDoc(POSITION& rPos) const { return static_cast<CDocument*>(m_docList.GetNext(rPos)); }

void CMultiDocTemplate::AddDocument(CDocument* pDoc) {
    CDocTemplate::AddDocument(pDoc);
    m_docList.AddTail(pDoc);
}

void CMultiDocTemplate::RemoveDocument(CDocument* pDoc) {
    CDocTemplate::RemoveDocument(pDoc);
    if (POSITION pos = m_docList.Find(pDoc)) m_docList.RemoveAt(pos);
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* pDocument) {
    // "Name1", "Name2"... for each new document of the type.
    CString strDocName;
    if (GetDocString(strDocName, docName) && !strDocName.IsEmpty())
        strDocName.AppendFormat("%u", ++m_nUntitledCount);
    else
        strDocName = AfxFrameworkString(AFX_IDS_UNTITLED);
    pDocument->SetTitle(strDocName);
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible) {
    CDocument* pDocument = CreateNewDocument();
    if (pDocument == nullptr) {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        return nullptr;
    }
    CFrameWnd* pFrame = CreateFrameForNewDocument(this, pDocument);
    if (pFrame == nullptr) return nullptr;
    if (lpszPathName == nullptr) {
        SetDefaultTitle(pDocument);
        if (!bMakeVisible) pDocument->m_bEmbedded = TRUE;
        if (!pDocument->OnNewDocument()) {
            TRACE("CMultiDocTemplate: OnNewDocument failed.\n");
            pFrame->DestroyWindow();
            return nullptr;
        }
    } else {
        CWaitCursor wait;
        if (!pDocument->OnOpenDocument(lpszPathName)) {
            TRACE("CMultiDocTemplate: OnOpenDocument failed.\n");
            pFrame->DestroyWindow();
            return nullptr;
        }
        pDocument->SetPathName(lpszPathName);
    }
    InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
    return pDocument;
}

// --- CRecentFileList ----------------------------------------------------------------------

CRecentFileList::CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize,
                                 int nMaxDispLen)
    : m_nSize(nSize > 0 ? nSize : 1),
      m_arrNames(static_cast<size_t>(nSize > 0 ? nSize : 1)),
      m_strSectionName(lpszSection),
      m_strEntryFormat(lpszEntryFormat),
      m_nStart(nStart),
      m_nMaxDisplayLength(nMaxDispLen) {}

void CRecentFileList::Add(LPCTSTR lpszPathName) { AfxRecentFilesAdd(m_arrNames.data(), m_nSize, lpszPathName); }

void CRecentFileList::Remove(int nIndex) { AfxRecentFilesRemove(m_arrNames.data(), m_nSize, nIndex); }

BOOL CRecentFileList::GetDisplayName(CString& strName, int nIndex, LPCTSTR lpszCurDir, int nCurDir,
                                     BOOL bAtLeastName) const {
    if (nIndex < 0 || nIndex >= m_nSize || m_arrNames[static_cast<size_t>(nIndex)].IsEmpty()) return FALSE;
    CString path = m_arrNames[static_cast<size_t>(nIndex)];
    // A file in the current folder shows without the folder.
    if (lpszCurDir != nullptr && nCurDir > 0 && path.GetLength() > nCurDir &&
        path.Left(nCurDir).CompareNoCase(CString(lpszCurDir).Left(nCurDir)) == 0 && path.Find('\\', nCurDir + 1) < 0)
        path = path.Mid(nCurDir + (path[nCurDir] == '\\' ? 1 : 0));
    strName = AfxAbbreviatePath(path, m_nMaxDisplayLength, bAtLeastName != FALSE);
    return TRUE;
}

void CRecentFileList::UpdateMenu(CCmdUI* pCmdUI) {
    if (m_arrNames[0].IsEmpty()) {
        // No file yet: the menu keeps its placeholder item, disabled.
        if (!m_strOriginal.IsEmpty()) pCmdUI->SetText(m_strOriginal);
        pCmdUI->Enable(FALSE);
        return;
    }
    if (pCmdUI->m_pMenu == nullptr) return;
    if (m_strOriginal.IsEmpty()) pCmdUI->m_pMenu->GetMenuString(pCmdUI->m_nID, m_strOriginal, MF_BYCOMMAND);
    for (int i = 0; i < m_nSize; ++i) pCmdUI->m_pMenu->DeleteMenu(pCmdUI->m_nID + static_cast<UINT>(i), MF_BYCOMMAND);
    char szCurDir[MAX_PATH] = {};
    int nCurDir = static_cast<int>(::GetCurrentDirectoryA(MAX_PATH, szCurDir));
    UINT nID = pCmdUI->m_nID;
    for (int i = 0; i < m_nSize; ++i) {
        CString strName;
        if (!GetDisplayName(strName, i, szCurDir, nCurDir)) break;
        // '&' in a name is shown, not taken as the mnemonic.
        strName.Replace("&", "&&");
        CString strItem;
        strItem.Format("&%d %s", static_cast<int>((static_cast<UINT>(i) + 1 + m_nStart) % 10), static_cast<LPCTSTR>(strName));
        pCmdUI->m_pMenu->InsertMenu(pCmdUI->m_nIndex++, MF_STRING | MF_BYPOSITION, nID++, strItem);
    }
    pCmdUI->m_nIndex--;  // the last item added
    pCmdUI->m_nIndexMax = static_cast<UINT>(pCmdUI->m_pMenu->GetMenuItemCount());
    pCmdUI->m_bEnableChanged = TRUE;  // the items added are enabled
}

CString CRecentFileList::EntryName(int nIndex) const {
    // The entry format holds one "%d", the entry's number from 1.
    CString number, entry = m_strEntryFormat;
    number.Format("%d", nIndex + 1);
    entry.Replace("%d", number);
    return entry;
}

void CRecentFileList::ReadList() {
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr) return;
    for (int i = 0; i < m_nSize; ++i) {
        CString entry = EntryName(i);
        m_arrNames[static_cast<size_t>(i)] = pApp->GetProfileString(m_strSectionName, entry, "");
    }
}

void CRecentFileList::WriteList() {
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr) return;
    pApp->WriteProfileString(m_strSectionName, nullptr, nullptr);  // the old entries go
    for (int i = 0; i < m_nSize; ++i) {
        if (m_arrNames[static_cast<size_t>(i)].IsEmpty()) break;
        CString entry = EntryName(i);
        pApp->WriteProfileString(m_strSectionName, entry, m_arrNames[static_cast<size_t>(i)]);
    }
}
