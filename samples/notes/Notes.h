// Notes.h : the application class.
#pragma once

#include "resource.h"

class CNotesApp : public CWinApp {
public:
    CNotesApp();
    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};

extern CNotesApp theApp;
