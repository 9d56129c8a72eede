// The fixed-type maps.  String keys hash and compare as text, so a lookup
// through any pointer to equal characters finds the entry; pointer and WORD
// keys hash by value.  The BASE_ typedefs are what CTypedPtrMap casts through.
// Maps to objects store each key and then the object in the archive's
// object form (and do not own the objects); maps with plain pointers store
// nothing.
#pragma once

#include "base/cmap.h"
#include "base/cstring.h"
#include "base/wintypes.h"

class CMapPtrToPtr : public CMap<void*, void*, void*, void*> {
    DECLARE_DYNAMIC(CMapPtrToPtr)
public:
    typedef void* BASE_KEY;
    typedef void* BASE_ARG_KEY;
    typedef void* BASE_VALUE;
    typedef void* BASE_ARG_VALUE;

    CMapPtrToPtr(INT_PTR nBlockSize = 10) noexcept : CMap(nBlockSize) {}
    void Serialize(CArchive& ar) override { CObject::Serialize(ar); }
};

class CMapPtrToWord : public CMap<void*, void*, WORD, WORD> {
    DECLARE_DYNAMIC(CMapPtrToWord)
public:
    typedef void* BASE_KEY;
    typedef void* BASE_ARG_KEY;
    typedef WORD BASE_VALUE;
    typedef WORD BASE_ARG_VALUE;

    CMapPtrToWord(INT_PTR nBlockSize = 10) noexcept : CMap(nBlockSize) {}
    void Serialize(CArchive& ar) override { CObject::Serialize(ar); }
};

class CMapWordToPtr : public CMap<WORD, WORD, void*, void*> {
    DECLARE_DYNAMIC(CMapWordToPtr)
public:
    typedef WORD BASE_KEY;
    typedef WORD BASE_ARG_KEY;
    typedef void* BASE_VALUE;
    typedef void* BASE_ARG_VALUE;

    CMapWordToPtr(INT_PTR nBlockSize = 10) noexcept : CMap(nBlockSize) {}
    void Serialize(CArchive& ar) override { CObject::Serialize(ar); }
};

class CMapStringToPtr : public CMap<CString, LPCTSTR, void*, void*> {
    DECLARE_DYNAMIC(CMapStringToPtr)
public:
    typedef CString BASE_KEY;
    typedef LPCTSTR BASE_ARG_KEY;
    typedef void* BASE_VALUE;
    typedef void* BASE_ARG_VALUE;

    CMapStringToPtr(INT_PTR nBlockSize = 10) noexcept : CMap(nBlockSize) {}
    void Serialize(CArchive& ar) override { CObject::Serialize(ar); }
};

class CMapStringToString : public CMap<CString, LPCTSTR, CString, LPCTSTR> {
    DECLARE_SERIAL(CMapStringToString)
public:
    typedef CString BASE_KEY;
    typedef LPCTSTR BASE_ARG_KEY;
    typedef CString BASE_VALUE;
    typedef LPCTSTR BASE_ARG_VALUE;

    CMapStringToString(INT_PTR nBlockSize = 10) noexcept : CMap(nBlockSize) {}
};

class CMapStringToOb : public CMap<CString, LPCTSTR, CObject*, CObject*> {
    DECLARE_SERIAL(CMapStringToOb)
public:
    typedef CString BASE_KEY;
    typedef LPCTSTR BASE_ARG_KEY;
    typedef CObject* BASE_VALUE;
    typedef CObject* BASE_ARG_VALUE;

    CMapStringToOb(INT_PTR nBlockSize = 10) noexcept : CMap(nBlockSize) {}
};

class CMapWordToOb : public CMap<WORD, WORD, CObject*, CObject*> {
    DECLARE_SERIAL(CMapWordToOb)
public:
    typedef WORD BASE_KEY;
    typedef WORD BASE_ARG_KEY;
    typedef CObject* BASE_VALUE;
    typedef CObject* BASE_ARG_VALUE;

    CMapWordToOb(INT_PTR nBlockSize = 10) noexcept : CMap(nBlockSize) {}
};
