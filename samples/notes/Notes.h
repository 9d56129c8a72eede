// Notes.h : the application class.
#pragma once

#include "resource.h"

class CNotesApp : public CWinApp {
public:
    CNotesApp();
    BOOL InitInstance() override;

protected:
    // A new document of the nth type, without asking which.
    void NewDocumentOfType(int nType);
    void OnFileNewNote() { NewDocumentOfType(0); }
    void OnFileNewCard() { NewDocumentOfType(1); }

    DECLARE_MESSAGE_MAP()
};

extern CNotesApp theApp;
