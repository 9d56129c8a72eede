// The fixed-type arrays: objects, pointers, strings and the unsigned integer
// types.  Each is a CArray of its element type with the element typedefs
// that CTypedPtrArray and the archive code look for.  Arrays of objects
// store each object in the archive's object form; arrays of plain pointers
// store nothing (a pointer means nothing in another process).
#pragma once

#include "base/carray.h"
#include "base/cstring.h"
#include "base/wintypes.h"

class CPtrArray : public CArray<void*, void*> {
    DECLARE_DYNAMIC(CPtrArray)
public:
    typedef void* BASE_TYPE;
    typedef void* BASE_ARG_TYPE;
    void Serialize(CArchive& ar) override { CObject::Serialize(ar); }
};

// The array does not own the objects: RemoveAll and the destructor leave
// them alone.
class CObArray : public CArray<CObject*, CObject*> {
    DECLARE_SERIAL(CObArray)
public:
    typedef CObject* BASE_TYPE;
    typedef CObject* BASE_ARG_TYPE;
};

class CStringArray : public CArray<CString, const CString&> {
    DECLARE_SERIAL(CStringArray)
public:
    typedef CString BASE_TYPE;
    typedef LPCTSTR BASE_ARG_TYPE;
};

class CDWordArray : public CArray<DWORD, DWORD> {
    DECLARE_SERIAL(CDWordArray)
public:
    typedef DWORD BASE_TYPE;
    typedef DWORD BASE_ARG_TYPE;
};

class CUIntArray : public CArray<UINT, UINT> {
    DECLARE_DYNAMIC(CUIntArray)
public:
    typedef UINT BASE_TYPE;
    typedef UINT BASE_ARG_TYPE;
};

class CWordArray : public CArray<WORD, WORD> {
    DECLARE_SERIAL(CWordArray)
public:
    typedef WORD BASE_TYPE;
    typedef WORD BASE_ARG_TYPE;
};

class CByteArray : public CArray<BYTE, BYTE> {
    DECLARE_SERIAL(CByteArray)
public:
    typedef BYTE BASE_TYPE;
    typedef BYTE BASE_ARG_TYPE;
};
