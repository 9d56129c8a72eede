#include "util/stream_file.h"

KXWideName::KXWideName(LPCTSTR lpsz) : text{}, ok(false) {
    if (lpsz == nullptr) return;
    ok = ::MultiByteToWideChar(CP_ACP, 0, lpsz, -1, text, static_cast<int>(sizeof text / sizeof text[0])) > 0;
    if (!ok) text[0] = 0;
}

CKXStreamFile::CKXStreamFile(IStream* pStream) : m_pStream(pStream) {
    if (m_pStream) m_pStream->AddRef();
}

CKXStreamFile::~CKXStreamFile() { Abort(); }

ULONGLONG CKXStreamFile::GetPosition() const {
    ULARGE_INTEGER pos = {};
    LARGE_INTEGER zero = {};
    if (m_pStream == nullptr || FAILED(m_pStream->Seek(zero, STREAM_SEEK_CUR, &pos)))
        AfxThrowFileException(CFileException::badSeek);
    return pos.QuadPart;
}

ULONGLONG CKXStreamFile::Seek(LONGLONG lOff, UINT nFrom) {
    LARGE_INTEGER off;
    off.QuadPart = lOff;
    ULARGE_INTEGER pos = {};
    DWORD origin = nFrom == begin ? STREAM_SEEK_SET : nFrom == end ? STREAM_SEEK_END : STREAM_SEEK_CUR;
    if (m_pStream == nullptr || FAILED(m_pStream->Seek(off, origin, &pos)))
        AfxThrowFileException(CFileException::badSeek);
    return pos.QuadPart;
}

void CKXStreamFile::SetLength(ULONGLONG dwNewLen) {
    ULARGE_INTEGER size;
    size.QuadPart = dwNewLen;
    if (m_pStream == nullptr || FAILED(m_pStream->SetSize(size))) AfxThrowFileException(CFileException::diskFull);
}

ULONGLONG CKXStreamFile::GetLength() const {
    STATSTG st = {};
    if (m_pStream == nullptr || FAILED(m_pStream->Stat(&st, STATFLAG_NONAME)))
        AfxThrowFileException(CFileException::genericException);
    return st.cbSize.QuadPart;
}

UINT CKXStreamFile::Read(void* lpBuf, UINT nCount) {
    if (nCount == 0) return 0;
    ULONG got = 0;
    if (m_pStream == nullptr || FAILED(m_pStream->Read(lpBuf, nCount, &got)))
        AfxThrowFileException(CFileException::genericException);
    return got;
}

void CKXStreamFile::Write(const void* lpBuf, UINT nCount) {
    if (nCount == 0) return;
    ULONG written = 0;
    if (m_pStream == nullptr || FAILED(m_pStream->Write(lpBuf, nCount, &written)) || written != nCount)
        AfxThrowFileException(CFileException::diskFull);
}

void CKXStreamFile::Flush() {
    if (m_pStream) m_pStream->Commit(STGC_DEFAULT);
}

void CKXStreamFile::Close() {
    if (m_pStream) m_pStream->Release();
    m_pStream = nullptr;
}

void CKXStreamFile::Abort() { Close(); }

namespace kxstream {

IStream* OpenStreamForSave(LPCTSTR lpszName, IStorage* pStg) {
    KXWideName name(lpszName);
    if (pStg == nullptr || !name.ok) return nullptr;
    IStream* pStream = nullptr;
    if (SUCCEEDED(pStg->OpenStream(name.text, nullptr, STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, &pStream))) {
        ULARGE_INTEGER zero = {};
        pStream->SetSize(zero);  // a shorter state must not keep the old tail
        return pStream;
    }
    if (SUCCEEDED(pStg->CreateStream(name.text, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, 0, &pStream)))
        return pStream;
    return nullptr;
}

IStream* OpenStreamForLoad(LPCTSTR lpszName, IStorage* pStg) {
    KXWideName name(lpszName);
    if (pStg == nullptr || !name.ok) return nullptr;
    IStream* pStream = nullptr;
    if (SUCCEEDED(pStg->OpenStream(name.text, nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &pStream))) return pStream;
    return nullptr;
}

}  // namespace kxstream
