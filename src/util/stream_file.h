// A CFile over a compound-file stream, so that an archive can read or write
// the stream.  Holds a reference to the stream until Close.  Failures throw
// CFileException*, as for any CFile.
#pragma once

#include "base/cfile.h"

#include <objbase.h>

class CKXStreamFile : public CFile {
public:
    explicit CKXStreamFile(IStream* pStream);  // adds a reference
    ~CKXStreamFile() override;

    ULONGLONG GetPosition() const override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    void SetLength(ULONGLONG dwNewLen) override;
    ULONGLONG GetLength() const override;
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    void Flush() override;
    void Close() override;
    void Abort() override;

private:
    IStream* m_pStream;
};

// Wide form of a narrow element name (ANSI code page); empty when it does
// not convert.
struct KXWideName {
    explicit KXWideName(LPCTSTR lpsz);
    WCHAR text[260];
    bool ok;
};

class CArchive;

namespace kxstream {

// Runs fn with a storing archive (4096-byte buffer) on the stream lpszName of
// pStg, which is opened (and emptied) or created.  FALSE when the stream
// cannot be had.
template <class Fn>
BOOL SaveToStream(LPCTSTR lpszName, IStorage* pStg, Fn fn);
// Runs fn with a loading archive on the existing stream lpszName of pStg.
template <class Fn>
BOOL LoadFromStream(LPCTSTR lpszName, IStorage* pStg, Fn fn);

IStream* OpenStreamForSave(LPCTSTR lpszName, IStorage* pStg);
IStream* OpenStreamForLoad(LPCTSTR lpszName, IStorage* pStg);

}  // namespace kxstream

#include "base/carchive.h"

template <class Fn>
BOOL kxstream::SaveToStream(LPCTSTR lpszName, IStorage* pStg, Fn fn) {
    IStream* pStream = OpenStreamForSave(lpszName, pStg);
    if (pStream == nullptr) return FALSE;
    CKXStreamFile file(pStream);
    pStream->Release();
    CArchive ar(&file, CArchive::store, 4096);
    fn(ar);
    ar.Close();
    file.Flush();
    file.Close();
    return TRUE;
}

template <class Fn>
BOOL kxstream::LoadFromStream(LPCTSTR lpszName, IStorage* pStg, Fn fn) {
    IStream* pStream = OpenStreamForLoad(lpszName, pStg);
    if (pStream == nullptr) return FALSE;
    CKXStreamFile file(pStream);
    pStream->Release();
    CArchive ar(&file, CArchive::load, 4096);
    fn(ar);
    ar.Close();
    file.Close();
    return TRUE;
}
