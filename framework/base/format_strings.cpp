#include "base/format_strings.h"

#include <cstring>

BOOL AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString, TCHAR chSep) {
    rString.Empty();
    if (lpszFullString == nullptr || iSubString < 0) return FALSE;
    while (iSubString-- > 0) {
        lpszFullString = strchr(lpszFullString, chSep);
        if (lpszFullString == nullptr || chSep == '\0') return FALSE;
        ++lpszFullString;  // past the separator
    }
    LPCTSTR lpchEnd = strchr(lpszFullString, chSep);
    int nLen = lpchEnd == nullptr || chSep == '\0' ? static_cast<int>(strlen(lpszFullString))
                                                   : static_cast<int>(lpchEnd - lpszFullString);
    rString.SetString(lpszFullString, nLen);
    return TRUE;
}

void AfxFormatStrings(CString& rString, LPCTSTR lpszFormat, LPCTSTR const* rglpsz, int nString) {
    CString out;
    for (LPCTSTR p = lpszFormat ? lpszFormat : ""; *p != '\0';) {
        char ch = p[1];
        if (p[0] == '%' && ((ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'Z'))) {
            int i = ch > '9' ? 9 + (ch - 'A') : ch - '1';
            if (i < 0 || i >= nString || rglpsz == nullptr)
                out += '?';
            else if (rglpsz[i] != nullptr)
                out += rglpsz[i];
            p += 2;
        } else {
            out += *p++;
        }
    }
    rString = out;
}

void AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1) {
    CString strFormat;
    VERIFY(strFormat.LoadString(nIDS));
    AfxFormatStrings(rString, strFormat, &lpsz1, 1);
}

void AfxFormatString2(CString& rString, UINT nIDS, LPCTSTR lpsz1, LPCTSTR lpsz2) {
    CString strFormat;
    VERIFY(strFormat.LoadString(nIDS));
    LPCTSTR rglpsz[2] = {lpsz1, lpsz2};
    AfxFormatStrings(rString, strFormat, rglpsz, 2);
}
