#include "util/state.h"

#include "util/stream_file.h"
#include "win/afxwin.h"

void CKXState::SerializeState(CArchive&) {}

BOOL CKXState::SaveState(LPCTSTR lpszName, IStorage* pStg) {
    return kxstream::SaveToStream(lpszName, pStg, [this](CArchive& ar) { SerializeState(ar); });
}

BOOL CKXState::LoadState(LPCTSTR lpszName, IStorage* pStg) {
    return kxstream::LoadFromStream(lpszName, pStg, [this](CArchive& ar) { SerializeState(ar); });
}

BOOL CKXState::SaveState(LPCTSTR lpszSection, LPCTSTR lpszEntry) {
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || lpszSection == nullptr || lpszEntry == nullptr) return FALSE;
    CMemFile file(1024);
    {
        CArchive ar(&file, CArchive::store);
        SerializeState(ar);
        ar.Close();
    }
    UINT n = static_cast<UINT>(file.GetLength());
    BYTE* data = file.Detach();
    BOOL ok = pApp->WriteProfileBinary(lpszSection, lpszEntry, data, n);
    free(data);  // the memory file's block comes from malloc
    return ok;
}

BOOL CKXState::LoadState(LPCTSTR lpszSection, LPCTSTR lpszEntry) {
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || lpszSection == nullptr || lpszEntry == nullptr) return FALSE;
    BYTE* data = nullptr;
    UINT n = 0;
    if (!pApp->GetProfileBinary(lpszSection, lpszEntry, &data, &n) || data == nullptr) return FALSE;
    struct Owner {
        BYTE* p;
        ~Owner() { delete[] p; }
    } owner{data};
    CMemFile file(data, n);
    CArchive ar(&file, CArchive::load);
    SerializeState(ar);
    ar.Close();
    return TRUE;
}
