// CArchive: buffered binary serialisation over a CFile in MFC's byte format.
//
// Scalars are little-endian (BYTE 1, WORD 2, LONG/DWORD/int/float 4,
// LONGLONG/double 8 bytes; bool is one byte).  Strings carry MFC's length
// prefix: one byte below 255; else 0xFF and a WORD below 0xFFFE; else 0xFF,
// 0xFFFF and a DWORD; a 0xFF 0xFFFE prefix marks UTF-16 text.  Objects and
// classes use MFC's tags (0 null, 0xFFFF new class, 0x8000|n known class,
// n known object, 0x7FFF then a DWORD for big indices).
//
// Failure: reading past the end, a bad object index or an unknown class
// throws CArchiveException* (as MFC does); a string or count is never
// allocated beyond the bytes the file actually holds.
#pragma once

#include "base/cfile.h"
#include "base/cstring.h"

#include <unordered_map>
#include <vector>

class CArchive {
public:
    enum Mode { store = 0, load = 1, bNoFlushOnDelete = 2, bNoByteSwap = 4 };

    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = nullptr);
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    BOOL IsByteSwapping() const { return FALSE; }
    BOOL IsBufferEmpty() const { return m_lpBufCur == m_lpBufMax; }
    CFile* GetFile() const { return m_pFile; }
    UINT GetObjectSchema();
    void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

    // Raw bytes.  Read returns fewer bytes at the end of the file.
    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);
    void Flush();
    void Close();
    void Abort();

    // Text lines: WriteString writes the characters only; ReadString reads up
    // to a newline (dropping "\r\n" or "\n") and is FALSE at the end of file.
    void WriteString(LPCTSTR lpsz);
    BOOL ReadString(CString& rString);
    LPTSTR ReadString(LPTSTR lpsz, UINT nMax);

    // Element counts: a WORD below 0xFFFF, else 0xFFFF and a DWORD.
    DWORD_PTR ReadCount();
    void WriteCount(DWORD_PTR dwCount);

    // Objects and their classes.
    void WriteObject(const CObject* pOb);
    CObject* ReadObject(const CRuntimeClass* pClass);
    void WriteClass(const CRuntimeClass* pClassRef);
    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = nullptr, UINT* pSchema = nullptr,
                             DWORD* pObTag = nullptr);
    void SerializeClass(const CRuntimeClass* pClassRef);
    void MapObject(const CObject* pOb);

    CArchive& operator<<(BYTE v) { return WriteRaw(&v, 1); }
    CArchive& operator<<(WORD v) { return WriteLE(v); }
    CArchive& operator<<(LONG v) { return WriteLE(static_cast<DWORD>(v)); }
    CArchive& operator<<(DWORD v) { return WriteLE(v); }
    CArchive& operator<<(LONGLONG v) { return WriteLE(static_cast<ULONGLONG>(v)); }
    CArchive& operator<<(ULONGLONG v) { return WriteLE(v); }
    CArchive& operator<<(float v);
    CArchive& operator<<(double v);
    CArchive& operator<<(char v) { return *this << static_cast<BYTE>(v); }
    CArchive& operator<<(short v) { return *this << static_cast<WORD>(v); }
#ifdef _WIN32  // natively LONG and DWORD are int and unsigned already
    CArchive& operator<<(int v) { return *this << static_cast<LONG>(v); }
    CArchive& operator<<(unsigned v) { return *this << static_cast<DWORD>(v); }
#endif
    CArchive& operator<<(bool v) { return *this << static_cast<BYTE>(v ? 1 : 0); }
    CArchive& operator<<(wchar_t v) { return *this << static_cast<WORD>(v); }

    CArchive& operator>>(BYTE& v) { return ReadRaw(&v, 1); }
    CArchive& operator>>(WORD& v) { return ReadLE(v); }
    CArchive& operator>>(LONG& v);
    CArchive& operator>>(DWORD& v) { return ReadLE(v); }
    CArchive& operator>>(LONGLONG& v);
    CArchive& operator>>(ULONGLONG& v) { return ReadLE(v); }
    CArchive& operator>>(float& v);
    CArchive& operator>>(double& v);
    CArchive& operator>>(char& v);
    CArchive& operator>>(short& v);
#ifdef _WIN32
    CArchive& operator>>(int& v);
    CArchive& operator>>(unsigned& v);
#endif
    CArchive& operator>>(bool& v);
    CArchive& operator>>(wchar_t& v);

    CArchive& operator<<(const CObject* pOb) {
        WriteObject(pOb);
        return *this;
    }
    CArchive& operator>>(CObject*& pOb) {
        pOb = ReadObject(nullptr);
        return *this;
    }

    void* m_pDocument = nullptr;  // the document being serialised, for the caller's use
    BOOL m_bForceFlat = TRUE;

private:
    template <class T>
    CArchive& WriteLE(T v) {
        BYTE b[sizeof(T)];
        for (size_t i = 0; i < sizeof(T); ++i) b[i] = static_cast<BYTE>(v >> (8 * i));
        return WriteRaw(b, sizeof(T));
    }
    template <class T>
    CArchive& ReadLE(T& v) {
        BYTE b[sizeof(T)];
        ReadRaw(b, sizeof(T));
        T r = 0;
        for (size_t i = 0; i < sizeof(T); ++i) r |= static_cast<T>(static_cast<T>(b[i]) << (8 * i));
        v = r;
        return *this;
    }
    CArchive& WriteRaw(const void* p, UINT n);
    CArchive& ReadRaw(void* p, UINT n);  // all n bytes or CArchiveException endOfFile
    void FillBuffer(UINT nBytesNeeded);
    void CheckCount();
    [[noreturn]] void Throw(int cause) const;

    CFile* m_pFile;
    UINT m_nMode;
    BOOL m_bUserBuf;
    UINT m_nBufSize;
    BYTE* m_lpBufStart;
    BYTE* m_lpBufCur;
    BYTE* m_lpBufMax;
    BOOL m_bClosed = FALSE;
    UINT m_nObjectSchema = static_cast<UINT>(-1);
    CString m_strFileName;

    // Object and class maps: index 0 is the null object.
    std::unordered_map<const void*, DWORD> m_storeMap;
    std::vector<void*> m_loadArray;  // CRuntimeClass* or CObject* by index
    std::vector<bool> m_loadIsClass;
    // The schema each class was stored with, as read from this archive: later
    // references to the class report it, not the class's current schema.
    std::unordered_map<const CRuntimeClass*, UINT> m_loadSchemas;
    DWORD m_nMapCount = 1;

    friend CArchive& operator>>(CArchive& ar, CString& s);
};

CArchive& operator<<(CArchive& ar, const CString& s);
CArchive& operator>>(CArchive& ar, CString& s);
