// CCommandLineInfo: what the program's command line asks for, filled in by
// CWinApp::ParseCommandLine one parameter at a time.  A plain parameter is
// the file to open (then printer, driver and port for /pt); flags ("/" or
// "-") choose printing, DDE, registration, embedding or automation.
#pragma once

#include "base/cobject.h"
#include "base/cstring.h"

class CCommandLineInfo : public CObject {
public:
    CCommandLineInfo() = default;

    // bFlag: the parameter began with '/' or '-' (which pszParam no longer
    // has); bLast: no parameter follows.
    virtual void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast);

    BOOL m_bShowSplash = TRUE;
    BOOL m_bRunEmbedded = FALSE;
    BOOL m_bRunAutomated = FALSE;
    enum {
        FileNew,
        FileOpen,
        FilePrint,
        FilePrintTo,
        FileDDE,
        AppRegister,
        AppUnregister,
        FileNothing = -1
    } m_nShellCommand = FileNew;
    CString m_strFileName;
    CString m_strPrinterName;
    CString m_strDriverName;
    CString m_strPortName;

protected:
    void ParseParamFlag(const char* pszParam);
    void ParseParamNotFlag(const char* pszParam);
    void ParseLast(BOOL bLast);
};
