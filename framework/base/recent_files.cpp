#include "base/recent_files.h"

#include <algorithm>

void AfxRecentFilesAdd(CString* pNames, int nSize, LPCTSTR lpszPathName) {
    if (nSize <= 0 || lpszPathName == nullptr || *lpszPathName == '\0') return;
    CString name = lpszPathName;
    int nFound = nSize - 1;  // not there: the last one falls off
    for (int i = 0; i < nSize; ++i) {
        if (pNames[i].CompareNoCase(name) == 0) {
            nFound = i;
            break;
        }
    }
    for (int i = nFound; i > 0; --i) pNames[i] = pNames[i - 1];
    pNames[0] = name;
}

void AfxRecentFilesRemove(CString* pNames, int nSize, int nIndex) {
    if (nIndex < 0 || nIndex >= nSize) return;
    for (int i = nIndex; i < nSize - 1; ++i) pNames[i] = pNames[i + 1];
    pNames[nSize - 1].Empty();
}

CString AfxAbbreviatePath(LPCTSTR lpszPath, int nMax, bool bAtLeastName) {
    CString path = lpszPath != nullptr ? lpszPath : "";
    if (path.GetLength() <= nMax) return path;
    // The file name, and the root the path starts with (drive or \\server\share\).
    int nName = std::max(path.ReverseFind('\\'), path.ReverseFind('/')) + 1;
    CString fileName = path.Mid(nName);
    int nRoot = 0;
    if (path.GetLength() >= 2 && path[1] == ':') {
        nRoot = path.GetLength() > 2 && (path[2] == '\\' || path[2] == '/') ? 3 : 2;
    } else if (path.Left(2) == "\\\\") {
        int nSlashes = 0;
        for (nRoot = 2; nRoot < path.GetLength() && nSlashes < 2; ++nRoot)
            if (path[nRoot] == '\\') ++nSlashes;
    }
    CString root = path.Left(nRoot);
    // Drop whole folders from the left of what follows the root until it fits.
    CString rest = path.Mid(nRoot, nName - nRoot);
    while (!rest.IsEmpty()) {
        int nCut = rest.FindOneOf("\\/");
        if (nCut < 0) break;
        rest = rest.Mid(nCut + 1);
        CString candidate = root + "...\\" + rest + fileName;
        if (candidate.GetLength() <= nMax) return candidate;
    }
    CString shortest = root + "...\\" + fileName;
    if (shortest.GetLength() <= nMax) return shortest;
    if (!bAtLeastName) return CString();
    return fileName;
}
