// Notes.cpp : the application: its two document types, its main frame,
// the recent-file list and the command line.
#include "stdafx.h"

#include "CardDoc.h"
#include "CardView.h"
#include "MainFrm.h"
#include "NoteDoc.h"
#include "Notes.h"

BEGIN_MESSAGE_MAP(CNotesApp, CWinApp)
    ON_COMMAND(ID_FILE_NEW, CWinApp::OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, CWinApp::OnFileOpen)
    ON_COMMAND(ID_FILE_NEW_NOTE, OnFileNewNote)
    ON_COMMAND(ID_FILE_NEW_CARD, OnFileNewCard)
END_MESSAGE_MAP()

CNotesApp::CNotesApp() : CWinApp("Notes") {}

CNotesApp theApp;

BOOL CNotesApp::InitInstance() {
    CWinApp::InitInstance();
    LoadStdProfileSettings(4);  // the recent-file list

    // Text notes in an edit view, contact cards in a form.
    AddDocTemplate(new CMultiDocTemplate(IDR_NOTETYPE, RUNTIME_CLASS(CNoteDoc), RUNTIME_CLASS(CMDIChildWnd),
                                         RUNTIME_CLASS(CEditView)));
    AddDocTemplate(new CMultiDocTemplate(IDR_CARDTYPE, RUNTIME_CLASS(CCardDoc), RUNTIME_CLASS(CMDIChildWnd),
                                         RUNTIME_CLASS(CCardView)));

    CMainFrame* pMainFrame = new CMainFrame;
    if (!pMainFrame->LoadFrame(IDR_MAINFRAME)) return FALSE;
    m_pMainWnd = pMainFrame;

    // A file named on the command line opens; without one the program
    // starts with no document (File > New asks which type to make).
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (cmdInfo.m_nShellCommand == CCommandLineInfo::FileNew) cmdInfo.m_nShellCommand = CCommandLineInfo::FileNothing;
    if (!ProcessShellCommand(cmdInfo)) return FALSE;

    pMainFrame->ShowWindow(m_nCmdShow);
    pMainFrame->UpdateWindow();
    return TRUE;
}

void CNotesApp::NewDocumentOfType(int nType) {
    POSITION pos = GetFirstDocTemplatePosition();
    for (int i = 0; pos != nullptr; ++i) {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        if (i == nType) {
            pTemplate->OpenDocumentFile(nullptr);
            return;
        }
    }
}
