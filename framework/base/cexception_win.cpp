// CException::ReportError: the Windows side (a message box through the
// application).
#include "base/cexception.h"

#include "afxres.h"
#include "win/afx_strings.h"
#include "win/winapp.h"

int CException::ReportError(UINT nType, UINT nMessageID) {
    char szErrorMessage[512];
    UINT nHelpContext = 0;
    if (GetErrorMessage(szErrorMessage, sizeof szErrorMessage, &nHelpContext))
        return AfxMessageBox(szErrorMessage, nType, nHelpContext);
    return AfxMessageBox(AfxFrameworkString(nMessageID ? nMessageID : AFX_IDP_NO_ERROR_AVAILABLE), nType, nHelpContext);
}
