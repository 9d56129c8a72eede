#include "util/storage.h"

#include "util/stream_file.h"

namespace {

// Calls fn(STATSTG&) for every element of pStg whose type is nType, until
// fn returns true; returns whether it did.
template <class Fn>
bool ForEachElement(IStorage* pStg, UINT nType, Fn fn) {
    if (pStg == nullptr) return false;
    IEnumSTATSTG* pEnum = nullptr;
    if (FAILED(pStg->EnumElements(0, nullptr, 0, &pEnum)) || pEnum == nullptr) return false;
    bool stopped = false;
    STATSTG st;
    while (!stopped && pEnum->Next(1, &st, nullptr) == S_OK) {
        if (st.type == nType) stopped = fn(st);
        ::CoTaskMemFree(st.pwcsName);
    }
    pEnum->Release();
    return stopped;
}

CTime FromFileTime(const FILETIME& ft) { return CTime::IsValidFILETIME(ft) ? CTime(ft) : CTime(); }

}  // namespace

IStorage* CKXStorage::CreateStorage(LPCTSTR lpszName, IStorage* pParent, DWORD dwMode, BOOL bKeep) {
    KXWideName name(lpszName);
    if (pParent == nullptr || !name.ok) return nullptr;
    IStorage* pStg = nullptr;
    if (FAILED(pParent->CreateStorage(name.text, dwMode, 0, 0, &pStg))) return nullptr;
    if (!bKeep) pStg->Release();
    return pStg;
}

IStorage* CKXStorage::OpenStorage(LPCTSTR lpszName, IStorage* pParent, DWORD dwMode) {
    KXWideName name(lpszName);
    if (pParent == nullptr || !name.ok) return nullptr;
    IStorage* pStg = nullptr;
    // Opening never creates: STGM_CREATE would replace an existing storage.
    if (SUCCEEDED(pParent->OpenStorage(name.text, nullptr, dwMode & ~STGM_CREATE, nullptr, 0, &pStg))) return pStg;
    if (dwMode & STGM_CREATE) return CreateStorage(lpszName, pParent, dwMode, TRUE);
    return nullptr;
}

BOOL CKXStorage::DestroyElement(LPCTSTR lpszName, IStorage* pStg) {
    KXWideName name(lpszName);
    return pStg != nullptr && name.ok && SUCCEEDED(pStg->DestroyElement(name.text));
}

BOOL CKXStorage::CopyStorage(IStorage* pFrom, IStorage* pTo) {
    if (pFrom == nullptr || pTo == nullptr) return FALSE;
    // Property sets are copied by their own interface when a caller needs them.
    return SUCCEEDED(pFrom->CopyTo(1, &IID_IPropertySetStorage, nullptr, pTo));
}

BOOL CKXStorage::GetStreamStatus(LPCTSTR lpszName, CFileStatus& rStatus, IStorage* pStg) {
    KXWideName name(lpszName);
    if (pStg == nullptr || !name.ok) return FALSE;
    IStream* pStream = nullptr;
    if (FAILED(pStg->OpenStream(name.text, nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &pStream))) return FALSE;
    STATSTG st = {};
    HRESULT hr = pStream->Stat(&st, STATFLAG_NONAME);
    pStream->Release();
    if (FAILED(hr)) return FALSE;
    rStatus.m_ctime = FromFileTime(st.ctime);
    rStatus.m_mtime = FromFileTime(st.mtime);
    rStatus.m_atime = FromFileTime(st.atime);
    rStatus.m_size = st.cbSize.QuadPart;
    rStatus.m_attribute = 0;
    lstrcpynA(rStatus.m_szFullName, lpszName, MAX_PATH);
    return TRUE;
}

BOOL CKXStorage::SetStreamStatus(LPCTSTR lpszName, const CFileStatus& status, IStorage* pStg) {
    KXWideName name(lpszName);
    if (pStg == nullptr || !name.ok) return FALSE;
    IStream* pStream = nullptr;
    if (FAILED(pStg->OpenStream(name.text, nullptr, STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, &pStream)))
        return FALSE;
    ULARGE_INTEGER size;
    size.QuadPart = status.m_size;
    HRESULT hr = pStream->SetSize(size);
    pStream->Release();
    if (FAILED(hr)) return FALSE;
    FILETIME c, a, m;
    bool hc = AfxTimeToFileTime(status.m_ctime, &c), ha = AfxTimeToFileTime(status.m_atime, &a),
         hm = AfxTimeToFileTime(status.m_mtime, &m);
    if (hc || ha || hm)  // not every storage keeps times for streams: not a failure
        pStg->SetElementTimes(name.text, hc ? &c : nullptr, ha ? &a : nullptr, hm ? &m : nullptr);
    return TRUE;
}

BOOL CKXStorage::FindElement(LPCTSTR lpszName, IStorage* pStg, UINT nType) {
    KXWideName name(lpszName);
    if (!name.ok) return FALSE;
    return ForEachElement(pStg, nType, [&](const STATSTG& st) { return lstrcmpiW(st.pwcsName, name.text) == 0; });
}

int CKXStorage::EnumElementName(CStringArray& arrNames, IStorage* pStg, UINT nType) {
    int count = 0;
    ForEachElement(pStg, nType, [&](const STATSTG& st) {
        char narrow[260];
        if (::WideCharToMultiByte(CP_ACP, 0, st.pwcsName, -1, narrow, sizeof narrow, nullptr, nullptr) > 0) {
            arrNames.Add(narrow);
            ++count;
        }
        return false;
    });
    return count;
}

BOOL CKXStorage::RenameElement(LPCTSTR lpszOldName, LPCTSTR lpszNewName, IStorage* pStg, UINT nType) {
    KXWideName oldName(lpszOldName), newName(lpszNewName);
    if (!oldName.ok || !newName.ok || !FindElement(lpszOldName, pStg, nType)) return FALSE;
    return SUCCEEDED(pStg->RenameElement(oldName.text, newName.text));
}

BOOL GfxExist(LPCTSTR lpszPath) {
    return lpszPath != nullptr && *lpszPath != '\0' && ::GetFileAttributesA(lpszPath) != INVALID_FILE_ATTRIBUTES;
}
