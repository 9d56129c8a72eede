// The fixed-type lists: objects, pointers and strings.  Lists of objects
// store each object in the archive's object form (and do not own them);
// lists of plain pointers store nothing.
#pragma once

#include "base/clist.h"
#include "base/cstring.h"
#include "base/wintypes.h"

class CPtrList : public CList<void*, void*> {
    DECLARE_DYNAMIC(CPtrList)
public:
    typedef void* BASE_TYPE;
    typedef void* BASE_ARG_TYPE;

    CPtrList(INT_PTR nBlockSize = 10) noexcept : CList(nBlockSize) {}
    void Serialize(CArchive& ar) override { CObject::Serialize(ar); }
};

class CObList : public CList<CObject*, CObject*> {
    DECLARE_SERIAL(CObList)
public:
    typedef CObject* BASE_TYPE;
    typedef CObject* BASE_ARG_TYPE;

    CObList(INT_PTR nBlockSize = 10) noexcept : CList(nBlockSize) {}
};

class CStringList : public CList<CString, const CString&> {
    DECLARE_SERIAL(CStringList)
public:
    typedef CString BASE_TYPE;
    typedef LPCTSTR BASE_ARG_TYPE;

    CStringList(INT_PTR nBlockSize = 10) noexcept : CList(nBlockSize) {}
};
