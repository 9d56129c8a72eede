// Documents and their views: a single-document application made by its
// template, saving and reopening through Serialize, the question asked
// before changes are lost, the recent-file list on the File menu, views
// told of changes; scrolling views in two mapping modes, a form view with
// data exchange, and the control views.
#include "win/afxwin.h"

#include <afxadv.h>

#include "frame_test_res.h"
#include "support/named_lock.h"
#include "support/pump.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace docview_test {

class CTextDoc : public CDocument {
    DECLARE_DYNCREATE(CTextDoc)
public:
    CString m_text;
    void DeleteContents() override { m_text.Empty(); }
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring())
            ar << m_text;
        else
            ar >> m_text;
    }
};
IMPLEMENT_DYNCREATE(CTextDoc, CDocument)

class CTextView : public CView {
    DECLARE_DYNCREATE(CTextView)
public:
    void OnDraw(CDC*) override {}
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override {
        m_updates.push_back(lHint);
        CView::OnUpdate(pSender, lHint, pHint);
    }
    std::vector<LPARAM> m_updates;
};
IMPLEMENT_DYNCREATE(CTextView, CView)

// Answers the framework's questions as told, and keeps them.
class CDocApp : public CWinApp {
public:
    CDocApp() : CWinApp("KXDocViewTest") {}
    int DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT) override {
        m_prompts.push_back(lpszPrompt);
        return m_nAnswer;
    }
    std::vector<CString> m_prompts;
    int m_nAnswer = IDNO;
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CDocApp, CWinApp)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
END_MESSAGE_MAP()

CString TempPath(const char* name) {
    char dir[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, dir);
    return CString(dir) + name;
}

TEST(SingleDocument, NewSaveReopenAndAskBeforeLosingChanges) {
    kxtest::CursorLock lock;  // shows and activates windows, as the input tests do
    CDocApp app;
    app.LoadStdProfileSettings(4);
    app.AddDocTemplate(new CSingleDocTemplate(IDR_OTHERDOC, RUNTIME_CLASS(CTextDoc), RUNTIME_CLASS(CFrameWnd),
                                              RUNTIME_CLASS(CTextView)));
    CCommandLineInfo cmdInfo;  // no parameters: a new document
    ASSERT_TRUE(app.ProcessShellCommand(cmdInfo));
    CFrameWnd* pFrame = static_cast<CFrameWnd*>(app.m_pMainWnd);
    ASSERT_NE(nullptr, pFrame);
    CTextDoc* pDoc = static_cast<CTextDoc*>(pFrame->GetActiveDocument());
    ASSERT_NE(nullptr, pDoc);
    EXPECT_STREQ("Other", pDoc->GetTitle());
    CString title;
    pFrame->GetWindowText(title);
    EXPECT_STREQ("Other Test - Other", title);
    EXPECT_EQ(1, app.GetOpenDocumentCount());

    // Saved: the file holds the text, the title is the file's name, the
    // file heads the recent-file list.
    const CString path = TempPath("kx_docview.kxo");
    pDoc->m_text = "hello, archive";
    pDoc->SetModifiedFlag();
    ASSERT_TRUE(pDoc->DoSave(path));
    EXPECT_FALSE(pDoc->IsModified());
    EXPECT_STREQ("kx_docview.kxo", pDoc->GetTitle());
    EXPECT_EQ(0, (*app.m_pRecentFileList)[0].CompareNoCase(pDoc->GetPathName()));

    // A new document reuses the one object, emptied; nothing asked as nothing changed.
    app.OnFileNew();
    EXPECT_EQ(pDoc, pFrame->GetActiveDocument());
    EXPECT_TRUE(pDoc->m_text.IsEmpty());
    EXPECT_TRUE(app.m_prompts.empty());

    // Changed, then another file wanted: the user is asked; Cancel keeps it all.
    pDoc->m_text = "unsaved";
    pDoc->SetModifiedFlag();
    app.m_nAnswer = IDCANCEL;
    EXPECT_EQ(nullptr, app.OpenDocumentFile(path));
    ASSERT_EQ(1u, app.m_prompts.size());
    EXPECT_STREQ("Save changes to Other?", app.m_prompts[0]);
    EXPECT_STREQ("unsaved", pDoc->m_text);

    // No: the changes go, the file opens from the recent-file list.
    app.m_nAnswer = IDNO;
    EXPECT_TRUE(app.OnCmdMsg(ID_FILE_MRU_FILE1, CN_COMMAND, nullptr, nullptr));
    EXPECT_STREQ("hello, archive", pDoc->m_text);
    EXPECT_FALSE(pDoc->IsModified());

    // The File menu lists it.
    CMenu popup;
    popup.CreatePopupMenu();
    popup.AppendMenu(MF_STRING, ID_FILE_NEW, "&New");
    popup.AppendMenu(MF_STRING, ID_FILE_MRU_FILE1, "Recent File");
    popup.AppendMenu(MF_STRING, ID_APP_EXIT, "E&xit");
    AfxUpdateMenuCmdUI(pFrame, &popup, TRUE);
    CString item;
    popup.GetMenuString(ID_FILE_MRU_FILE1, item, MF_BYCOMMAND);
    EXPECT_EQ(0, item.Find("&1 ")) << static_cast<LPCTSTR>(item);
    EXPECT_LT(0, item.Find("kx_docview.kxo"));
    EXPECT_EQ(ID_APP_EXIT, popup.GetMenuItemID(popup.GetMenuItemCount() - 1));

    // Closing the main window with changes asks once more; No closes it all.
    pDoc->SetModifiedFlag();
    app.m_prompts.clear();
    pFrame->SendMessage(WM_CLOSE);
    EXPECT_EQ(1u, app.m_prompts.size());
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    EXPECT_EQ(0, app.GetOpenDocumentCount());
    kxtest::PumpUntilIdle();  // takes the WM_QUIT the main window's end posted
    ::DeleteFileA(path);
}

TEST(SingleDocument, UnreadableFileLeavesTheDocumentAsItWas) {
    kxtest::CursorLock lock;  // shows and activates windows, as the input tests do
    CDocApp app;
    app.AddDocTemplate(new CSingleDocTemplate(IDR_OTHERDOC, RUNTIME_CLASS(CTextDoc), RUNTIME_CLASS(CFrameWnd),
                                              RUNTIME_CLASS(CTextView)));
    app.OnFileNew();
    CFrameWnd* pFrame = static_cast<CFrameWnd*>(app.m_pMainWnd);
    ASSERT_NE(nullptr, pFrame);
    CTextDoc* pDoc = static_cast<CTextDoc*>(pFrame->GetActiveDocument());
    pDoc->m_text = "kept";
    EXPECT_EQ(nullptr, app.OpenDocumentFile(TempPath("kx_no_such_file.kxo")));
    ASSERT_EQ(1u, app.m_prompts.size());  // the user is told
    EXPECT_LT(0, app.m_prompts[0].Find("Cannot find this file"));
    EXPECT_EQ(pDoc, pFrame->GetActiveDocument());
    EXPECT_STREQ("kept", pDoc->m_text);
    pFrame->DestroyWindow();
    kxtest::PumpUntilIdle();
}

TEST(Document, UpdateAllViewsSkipsTheSender) {
    kxtest::CursorLock lock;  // shows and activates windows, as the input tests do
    CDocApp app;
    CTextDoc* pDoc = new CTextDoc;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CTextView);
    context.m_pCurrentDoc = pDoc;
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->LoadFrame(IDR_TESTFRAME, WS_OVERLAPPEDWINDOW, nullptr, &context));
    CTextView* pSecond = static_cast<CTextView*>(pFrame->CreateView(&context, AFX_IDW_PANE_FIRST + 1));
    CTextView* pFirst = static_cast<CTextView*>(pFrame->GetDlgItem(AFX_IDW_PANE_FIRST));
    ASSERT_TRUE(pFirst && pSecond);
    POSITION pos = pDoc->GetFirstViewPosition();
    EXPECT_EQ(pFirst, pDoc->GetNextView(pos));
    EXPECT_EQ(pSecond, pDoc->GetNextView(pos));
    EXPECT_EQ(nullptr, pos);
    pDoc->UpdateAllViews(pFirst, 42);
    EXPECT_TRUE(pFirst->m_updates.empty());
    EXPECT_EQ((std::vector<LPARAM>{42}), pSecond->m_updates);
    // A view going leaves the document; the last one takes it along.
    pSecond->DestroyWindow();
    EXPECT_EQ(pDoc, pFirst->GetDocument());
    pos = pDoc->GetFirstViewPosition();
    pDoc->GetNextView(pos);
    EXPECT_EQ(nullptr, pos);
    pFrame->DestroyWindow();
}

// --- scrolling, form and control views -------------------------------------------

class CScrollTestView : public CScrollView {
    DECLARE_DYNCREATE(CScrollTestView)
public:
    void OnDraw(CDC*) override {}
};
IMPLEMENT_DYNCREATE(CScrollTestView, CScrollView)

class CTestForm : public CFormView {
    DECLARE_DYNCREATE(CTestForm)
public:
    CTestForm() : CFormView(IDD_TESTFORM) {}
    CString m_name = "form name";
    int m_count = 12;
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, IDC_FORM_NAME, m_name);
        DDX_Text(pDX, IDC_FORM_COUNT, m_count);
    }
};
IMPLEMENT_DYNCREATE(CTestForm, CFormView)

class CEditDoc : public CDocument {
    DECLARE_DYNCREATE(CEditDoc)
public:
    void Serialize(CArchive& ar) override {
        POSITION pos = GetFirstViewPosition();
        static_cast<CEditView*>(GetNextView(pos))->SerializeRaw(ar);
    }
};
IMPLEMENT_DYNCREATE(CEditDoc, CDocument)

// A frame showing one view of pViewClass (and of pDoc, when given).
template <class V>
V* MakeViewFrame(CRuntimeClass* pViewClass, CFrameWnd*& pFrame, CDocument* pDoc = nullptr) {
    CCreateContext context;
    context.m_pNewViewClass = pViewClass;
    context.m_pCurrentDoc = pDoc;
    pFrame = new CFrameWnd;
    if (!pFrame->LoadFrame(IDR_TESTFRAME, WS_OVERLAPPEDWINDOW, nullptr, &context)) return nullptr;
    pFrame->SetWindowPos(nullptr, 30, 30, 400, 300, SWP_NOZORDER);
    pFrame->InitialUpdateFrame(pDoc, TRUE);
    return static_cast<V*>(pFrame->GetDlgItem(AFX_IDW_PANE_FIRST));
}

TEST(ScrollView, SizesPositionsAndMappingModes) {
    kxtest::CursorLock lock;  // shows and activates windows, as the input tests do
    CFrameWnd* pFrame = nullptr;
    CScrollTestView* pView = MakeViewFrame<CScrollTestView>(RUNTIME_CLASS(CScrollTestView), pFrame);
    ASSERT_NE(nullptr, pView);
    pView->SetScrollSizes(MM_TEXT, CSize(1000, 800));
    EXPECT_TRUE(pView->GetStyle() & WS_HSCROLL);
    EXPECT_TRUE(pView->GetStyle() & WS_VSCROLL);
    pView->ScrollToPosition(CPoint(300, 200));
    EXPECT_EQ(CPoint(300, 200), pView->GetScrollPosition());
    // Drawing is offset by the position.
    CClientDC dc(pView);
    pView->OnPrepareDC(&dc);
    EXPECT_EQ(CPoint(-300, -200), dc.GetViewportOrg());
    // Never beyond the document's end.
    CRect client;
    pView->GetClientRect(&client);
    pView->ScrollToPosition(CPoint(5000, 5000));
    EXPECT_EQ(CPoint(1000 - client.Width(), 800 - client.Height()), pView->GetScrollPosition());
    // Smaller than the window: no bars, back at the origin.
    pView->SetScrollSizes(MM_TEXT, CSize(50, 50));
    EXPECT_FALSE(pView->GetStyle() & (WS_HSCROLL | WS_VSCROLL));
    EXPECT_EQ(CPoint(0, 0), pView->GetScrollPosition());
    // Tenths of a millimetre, y upwards: positions come back in those units.
    pView->SetScrollSizes(MM_LOMETRIC, CSize(2000, 2000));
    int nMapMode = 0;
    CSize total, page, line;
    pView->GetDeviceScrollSizes(nMapMode, total, page, line);
    EXPECT_EQ(MM_LOMETRIC, nMapMode);
    EXPECT_GT(total.cx, client.Width());
    pView->ScrollToPosition(CPoint(500, -500));
    CPoint pos = pView->GetScrollPosition();
    EXPECT_NEAR(500, pos.x, 3);
    EXPECT_NEAR(-500, pos.y, 3);
    // A line down scrolls by a tenth of a page.
    CPoint before = pView->GetDeviceScrollPosition();
    pView->SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(before.y + line.cy, pView->GetDeviceScrollPosition().y);
    pFrame->DestroyWindow();
}

TEST(FormView, TemplateControlsAndDataExchange) {
    kxtest::CursorLock lock;  // shows and activates windows, as the input tests do
    CFrameWnd* pFrame = nullptr;
    CTestForm* pForm = MakeViewFrame<CTestForm>(RUNTIME_CLASS(CTestForm), pFrame);
    ASSERT_NE(nullptr, pForm);
    EXPECT_EQ(AFX_IDW_PANE_FIRST, pForm->GetDlgCtrlID());
    EXPECT_EQ(pForm, pFrame->GetActiveView());
    // The initial update put the members in the controls.
    CString text;
    pForm->GetDlgItemText(IDC_FORM_NAME, text);
    EXPECT_STREQ("form name", text);
    EXPECT_EQ(12u, pForm->GetDlgItemInt(IDC_FORM_COUNT));
    pForm->SetDlgItemText(IDC_FORM_NAME, "typed");
    pForm->SetDlgItemInt(IDC_FORM_COUNT, 99);
    EXPECT_TRUE(pForm->UpdateData(TRUE));
    EXPECT_STREQ("typed", pForm->m_name);
    EXPECT_EQ(99, pForm->m_count);
    // The form scrolls over its template's size.
    EXPECT_EQ(MM_TEXT, pForm->GetMapMode());
    EXPECT_GT(pForm->GetTotalSize().cx, 0);
    pFrame->DestroyWindow();
}

TEST(CtrlView, EditViewTextIsTheDocument) {
    kxtest::CursorLock lock;  // shows and activates windows, as the input tests do
    CEditDoc* pDoc = new CEditDoc;
    CFrameWnd* pFrame = nullptr;
    CEditView* pView = MakeViewFrame<CEditView>(RUNTIME_CLASS(CEditView), pFrame, pDoc);
    ASSERT_NE(nullptr, pView);
    pDoc->SetModifiedFlag(FALSE);
    pView->SendMessage(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("typed text"));
    EXPECT_TRUE(pDoc->IsModified());  // the change reached the document
    // The whole text through an archive and back.
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        pDoc->Serialize(ar);
    }
    EXPECT_EQ(10u, file.GetLength());
    pView->SetWindowText("");
    file.SeekToBegin();
    {
        CArchive ar(&file, CArchive::load);
        pDoc->Serialize(ar);
    }
    CString text;
    pView->GetWindowText(text);
    EXPECT_STREQ("typed text", text);
    // The Edit commands reach the active view through the frame.
    pFrame->SendMessage(WM_COMMAND, ID_EDIT_SELECT_ALL);
    pFrame->SendMessage(WM_COMMAND, ID_EDIT_CLEAR);
    EXPECT_EQ(0, pView->GetWindowTextLength());
    pDoc->SetModifiedFlag(FALSE);
    pFrame->DestroyWindow();
}

TEST(CtrlView, ListAndTreeViewsAreTheirControls) {
    kxtest::CursorLock lock;  // shows and activates windows, as the input tests do
    CFrameWnd* pFrame = nullptr;
    CListView* pList = MakeViewFrame<CListView>(RUNTIME_CLASS(CListView), pFrame);
    ASSERT_NE(nullptr, pList);
    char cls[32] = {};
    ::GetClassNameA(pList->m_hWnd, cls, sizeof cls);
    EXPECT_STREQ(WC_LISTVIEWA, cls);
    EXPECT_EQ(0, pList->GetListCtrl().InsertItem(0, "first"));
    EXPECT_EQ(1, pList->GetListCtrl().GetItemCount());
    pFrame->DestroyWindow();
    CTreeView* pTree = MakeViewFrame<CTreeView>(RUNTIME_CLASS(CTreeView), pFrame);
    ASSERT_NE(nullptr, pTree);
    EXPECT_NE(nullptr, pTree->GetTreeCtrl().InsertItem("root"));
    EXPECT_EQ(1u, pTree->GetTreeCtrl().GetCount());
    pFrame->DestroyWindow();
}

}  // namespace docview_test
