#include "base/cmdline_info.h"

#include <cstring>

#ifndef _WIN32
#include <strings.h>
#define _stricmp strcasecmp
#endif

void CCommandLineInfo::ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) {
    if (pszParam == nullptr) return;
    if (bFlag)
        ParseParamFlag(pszParam);
    else
        ParseParamNotFlag(pszParam);
    ParseLast(bLast);
}

void CCommandLineInfo::ParseParamFlag(const char* pszParam) {
    if (_stricmp(pszParam, "pt") == 0) {
        m_nShellCommand = FilePrintTo;
    } else if (_stricmp(pszParam, "p") == 0) {
        m_nShellCommand = FilePrint;
    } else if (_stricmp(pszParam, "Register") == 0 || _stricmp(pszParam, "Regserver") == 0) {
        m_nShellCommand = AppRegister;
    } else if (_stricmp(pszParam, "Unregister") == 0 || _stricmp(pszParam, "Unregserver") == 0) {
        m_nShellCommand = AppUnregister;
    } else if (_stricmp(pszParam, "dde") == 0) {
        m_nShellCommand = FileDDE;
    } else if (_stricmp(pszParam, "Embedding") == 0) {
        m_bRunEmbedded = TRUE;
        m_bShowSplash = FALSE;
    } else if (_stricmp(pszParam, "Automation") == 0) {
        m_bRunAutomated = TRUE;
        m_bShowSplash = FALSE;
    }
}

void CCommandLineInfo::ParseParamNotFlag(const char* pszParam) {
    // The file first; printing to a printer names the printer, driver and port after it.
    if (m_strFileName.IsEmpty())
        m_strFileName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strPrinterName.IsEmpty())
        m_strPrinterName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strDriverName.IsEmpty())
        m_strDriverName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strPortName.IsEmpty())
        m_strPortName = pszParam;
}

void CCommandLineInfo::ParseLast(BOOL bLast) {
    if (!bLast) return;
    // A file and nothing else to do: open it.
    if (m_nShellCommand == FileNew && !m_strFileName.IsEmpty()) m_nShellCommand = FileOpen;
    m_bShowSplash = !m_bRunEmbedded && !m_bRunAutomated;
}
