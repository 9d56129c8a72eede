// How the collections write their elements to an archive, overridable per
// element type by specialising SerializeElements as in MFC.  Plain data
// (numbers, pointers, structures without constructors) is written as its
// bytes; strings in the archive's string form.  Other types must provide an
// specialisation: without one their collections throw CNotSupportedException* when
// serialised.
#pragma once

#include "base/carchive.h"

#include <type_traits>

template<class TYPE>
void SerializeElements(CArchive& ar, TYPE* pElements, INT_PTR nCount) {
    if constexpr (std::is_trivially_copyable_v<TYPE>) {
        // Elements are written in pieces so that no single transfer overflows a UINT.
        BYTE* p = reinterpret_cast<BYTE*>(pElements);
        ULONGLONG bytes = static_cast<ULONGLONG>(nCount) * sizeof(TYPE);
        while (bytes > 0) {
            UINT piece = bytes > 0x40000000 ? 0x40000000u : static_cast<UINT>(bytes);
            if (ar.IsStoring()) {
                ar.Write(p, piece);
            } else if (ar.Read(p, piece) != piece) {
                AfxThrowArchiveException(CArchiveException::endOfFile);
            }
            p += piece;
            bytes -= piece;
        }
    } else {
        (void)ar;
        (void)pElements;
        (void)nCount;
        AfxThrowNotSupportedException();
    }
}

template<>
inline void SerializeElements<CString>(CArchive& ar, CString* pElements, INT_PTR nCount) {
    for (INT_PTR i = 0; i < nCount; ++i) {
        if (ar.IsStoring())
            ar << pElements[i];
        else
            ar >> pElements[i];
    }
}

// Object pointers go through the archive's object form (class tag, then the
// object's own Serialize), as the object collections store them.
class CObject;
template<>
inline void SerializeElements<CObject*>(CArchive& ar, CObject** pElements, INT_PTR nCount) {
    for (INT_PTR i = 0; i < nCount; ++i) {
        if (ar.IsStoring())
            ar << pElements[i];
        else
            ar >> pElements[i];
    }
}
