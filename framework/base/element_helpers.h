// The element helpers the collection templates call, overridable per type by
// specialisation as in MFC: CompareElements (list Find, map key match),
// CopyElements (array Copy/Append) and HashKey (map buckets).
#pragma once

#include "base/cstring.h"
#include "base/wintypes.h"

#include <type_traits>

template<class TYPE, class ARG_TYPE>
inline BOOL CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2) {
    return *pElement1 == *pElement2;
}

template<class TYPE>
inline void CopyElements(TYPE* pDest, const TYPE* pSrc, INT_PTR nCount) {
    while (nCount-- > 0)
        *pDest++ = *pSrc++;
}

// Default hash: the key's value shifted right by four (pointers are usually
// aligned, so their low bits carry nothing), truncated to 32 bits.
template<class ARG_KEY>
inline UINT HashKey(ARG_KEY key) {
    if constexpr (std::is_pointer_v<std::remove_cvref_t<ARG_KEY>>)
        return (UINT)(reinterpret_cast<DWORD_PTR>(key) >> 4);
    else
        return (UINT)(((DWORD_PTR)key) >> 4);
}

// String hash: nHash = nHash * 33 + ch.  Characters are signed as TCHAR is
// on the platform's compiler, so bytes above 0x7F hash the same there.
inline UINT HashStringKey(LPCSTR key) {
    UINT nHash = 0;
    if (key != nullptr) {
        while (*key)
            nHash = (nHash << 5) + nHash + (UINT)(int)(signed char)*key++;
    }
    return nHash;
}

template<> inline UINT HashKey<LPCSTR>(LPCSTR key) { return HashStringKey(key); }
template<> inline UINT HashKey<LPSTR>(LPSTR key) { return HashStringKey(key); }
template<> inline UINT HashKey<const CString&>(const CString& key) { return HashStringKey(key); }
template<> inline UINT HashKey<CString>(CString key) { return HashStringKey(key); }
