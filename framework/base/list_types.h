// The fixed-type lists: pointers and strings.
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
};

class CStringList : public CList<CString, const CString&> {
    DECLARE_SERIAL(CStringList)
public:
    typedef CString BASE_TYPE;
    typedef LPCTSTR BASE_ARG_TYPE;

    CStringList(INT_PTR nBlockSize = 10) noexcept : CList(nBlockSize) {}
};
