// CArray: a growable array of TYPE, with MFC's interface and growth rule.
//
// Growth: SetSize(n, nGrowBy) keeps nGrowBy for later growth when it is 0 or
// more (-1 leaves it alone).  A grow step of 0 (the default) means
// min(1024, max(4, size / 8)) elements of slack each time the array has to
// reallocate; the first allocation is exactly max(n, nGrowBy).
//
// Bad arguments assert in Debug builds, as MFC's do; every build then falls
// back this way:
//   - GetAt/ElementAt/operator[] with an index outside 0..GetUpperBound()
//     return a reference to a scratch value reset to TYPE() on each such call
//     (writes to it are lost);
//   - SetAt, RemoveAt and InsertAt with an index or count out of range, and
//     SetSize/SetAtGrow with a negative size or index, change nothing;
//   - when memory for the new size cannot be had the array is left as it
//     was, and Add returns -1 (not a misuse: no assertion).
#pragma once

#include "base/cobject.h"
#include "base/element_helpers.h"
#include "base/serialize_elements.h"
#include "base/wintypes.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <functional>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

template<class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
public:
    CArray() noexcept = default;
    CArray(const CArray&) = delete;
    CArray& operator=(const CArray&) = delete;
    ~CArray() override { SetSize(0); }

    // The count, then the elements.  Loading grows the array with the
    // elements actually read, never to a stored count up front.
    void Serialize(CArchive& ar) override;
    void AssertValid() const override;

    // Attributes
    INT_PTR GetSize() const noexcept { return m_nSize; }
    INT_PTR GetCount() const noexcept { return m_nSize; }
    BOOL IsEmpty() const noexcept { return m_nSize == 0; }
    INT_PTR GetUpperBound() const noexcept { return m_nSize - 1; }
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);

    // Operations
    void FreeExtra();
    void RemoveAll() { SetSize(0); }

    // Element access
    const TYPE& GetAt(INT_PTR nIndex) const { return CheckIndex(nIndex) ? m_pData[nIndex] : Scratch(); }
    TYPE& GetAt(INT_PTR nIndex) { return CheckIndex(nIndex) ? m_pData[nIndex] : Scratch(); }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) {
        if (CheckIndex(nIndex))
            m_pData[nIndex] = newElement;
    }
    const TYPE& ElementAt(INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& ElementAt(INT_PTR nIndex) { return GetAt(nIndex); }
    const TYPE* GetData() const noexcept { return m_pData; }
    TYPE* GetData() noexcept { return m_pData; }
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return GetAt(nIndex); }

    // Growing
    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement);
    INT_PTR Add(ARG_TYPE newElement);
    INT_PTR Append(const CArray& src);
    void Copy(const CArray& src);

    // Moving elements around
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1);
    void InsertAt(INT_PTR nStartIndex, CArray* pNewArray);
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);

protected:
    TYPE* m_pData = nullptr;
    INT_PTR m_nSize = 0;
    INT_PTR m_nMaxSize = 0;
    INT_PTR m_nGrowBy = 0;

private:
    static constexpr bool kTrivial = std::is_trivially_copyable_v<TYPE>;
    static constexpr bool kOverAligned = alignof(TYPE) > __STDCPP_DEFAULT_NEW_ALIGNMENT__;
    static constexpr INT_PTR kMaxElements = (INT_PTR)(PTRDIFF_MAX / sizeof(TYPE));

    bool IsValid(INT_PTR nIndex) const noexcept { return nIndex >= 0 && nIndex < m_nSize; }
    bool CheckIndex(INT_PTR nIndex) const noexcept {
        ASSERT(IsValid(nIndex));
        return IsValid(nIndex);
    }

    static TYPE& Scratch() {
        static TYPE s_scratch;
        s_scratch = TYPE();
        return s_scratch;
    }

    static TYPE* Allocate(INT_PTR n) noexcept {
        if constexpr (kOverAligned)
            return static_cast<TYPE*>(::operator new((size_t)n * sizeof(TYPE), std::align_val_t(alignof(TYPE)), std::nothrow));
        else
            return static_cast<TYPE*>(::operator new((size_t)n * sizeof(TYPE), std::nothrow));
    }
    static void Free(TYPE* p) noexcept {
        if constexpr (kOverAligned)
            ::operator delete(static_cast<void*>(p), std::align_val_t(alignof(TYPE)));
        else
            ::operator delete(static_cast<void*>(p));
    }

    // Moves n constructed elements into raw storage, leaving src raw.
    static void Relocate(TYPE* dst, TYPE* src, INT_PTR n) {
        if (n <= 0)
            return;
        if constexpr (kTrivial) {
            std::memcpy(static_cast<void*>(dst), static_cast<const void*>(src), (size_t)n * sizeof(TYPE));
        } else {
            std::uninitialized_move(src, src + n, dst);
            std::destroy(src, src + n);
        }
    }

    // Whether e refers to one of our own elements (which a reallocation or a
    // shift would move away under it).
    bool RefersToElement(ARG_TYPE e) const noexcept {
        if constexpr (std::is_reference_v<ARG_TYPE> && std::is_same_v<std::remove_cvref_t<ARG_TYPE>, TYPE>) {
            const TYPE* p = std::addressof(e);
            std::less<const TYPE*> lt;
            return m_pData != nullptr && !lt(p, m_pData) && lt(p, m_pData + m_nSize);
        } else {
            return false;
        }
    }

    template<class V> void InsertValue(INT_PTR nIndex, const V& value, INT_PTR nCount);
};

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy) {
    ASSERT(nNewSize >= 0);
    if (nNewSize < 0 || nNewSize > kMaxElements)
        return;
    if (nGrowBy >= 0)
        m_nGrowBy = nGrowBy;

    if (nNewSize == 0) {
        if (m_pData != nullptr) {
            std::destroy(m_pData, m_pData + m_nSize);
            Free(m_pData);
            m_pData = nullptr;
        }
        m_nSize = m_nMaxSize = 0;
    } else if (m_pData == nullptr) {
        INT_PTR nAlloc = std::min(std::max(nNewSize, m_nGrowBy), kMaxElements);
        TYPE* p = Allocate(nAlloc);
        if (p == nullptr)
            return;
        std::uninitialized_value_construct(p, p + nNewSize);
        m_pData = p;
        m_nSize = nNewSize;
        m_nMaxSize = nAlloc;
    } else if (nNewSize <= m_nMaxSize) {
        if (nNewSize > m_nSize)
            std::uninitialized_value_construct(m_pData + m_nSize, m_pData + nNewSize);
        else if (nNewSize < m_nSize)
            std::destroy(m_pData + nNewSize, m_pData + m_nSize);
        m_nSize = nNewSize;
    } else {
        INT_PTR nStep = m_nGrowBy;
        if (nStep == 0)
            nStep = std::min<INT_PTR>(1024, std::max<INT_PTR>(4, m_nSize / 8));
        INT_PTR nNewMax = nNewSize;
        if (nNewSize - m_nMaxSize < nStep)
            nNewMax = std::min(m_nMaxSize + nStep, kMaxElements);
        TYPE* p = Allocate(nNewMax);
        if (p == nullptr)
            return;
        Relocate(p, m_pData, m_nSize);
        std::uninitialized_value_construct(p + m_nSize, p + nNewSize);
        Free(m_pData);
        m_pData = p;
        m_nSize = nNewSize;
        m_nMaxSize = nNewMax;
    }
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::FreeExtra() {
    if (m_nSize == m_nMaxSize)
        return;
    TYPE* p = nullptr;
    if (m_nSize != 0) {
        p = Allocate(m_nSize);
        if (p == nullptr)
            return;
        Relocate(p, m_pData, m_nSize);
    }
    Free(m_pData);
    m_pData = p;
    m_nMaxSize = m_nSize;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement) {
    ASSERT(nIndex >= 0);
    if (nIndex < 0 || nIndex >= kMaxElements)
        return;
    if (nIndex < m_nSize) {
        m_pData[nIndex] = newElement;
        return;
    }
    if (RefersToElement(newElement)) {
        TYPE copy(newElement);
        SetSize(nIndex + 1);
        if (nIndex < m_nSize)
            m_pData[nIndex] = std::move(copy);
        return;
    }
    SetSize(nIndex + 1);
    if (nIndex < m_nSize)
        m_pData[nIndex] = newElement;
}

template<class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Add(ARG_TYPE newElement) {
    INT_PTR nIndex = m_nSize;
    SetAtGrow(nIndex, newElement);
    return nIndex < m_nSize ? nIndex : -1;
}

template<class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Append(const CArray& src) {
    INT_PTR nOldSize = m_nSize;
    INT_PTR nCount = src.m_nSize;  // appending to itself doubles the array
    if (nCount > kMaxElements - nOldSize)
        return nOldSize;
    SetSize(nOldSize + nCount);
    if (m_nSize == nOldSize + nCount)
        CopyElements<TYPE>(m_pData + nOldSize, src.m_pData, nCount);
    return nOldSize;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src) {
    if (this == &src)
        return;
    SetSize(src.m_nSize);
    if (m_nSize == src.m_nSize)
        CopyElements<TYPE>(m_pData, src.m_pData, src.m_nSize);
}

template<class TYPE, class ARG_TYPE>
template<class V>
void CArray<TYPE, ARG_TYPE>::InsertValue(INT_PTR nIndex, const V& value, INT_PTR nCount) {
    if (nIndex >= m_nSize) {
        // Inserting past the end grows the array so that nIndex is valid.
        SetSize(nIndex + nCount);
        if (m_nSize != nIndex + nCount)
            return;
    } else {
        INT_PTR nOldSize = m_nSize;
        SetSize(nOldSize + nCount);
        if (m_nSize != nOldSize + nCount)
            return;
        std::move_backward(m_pData + nIndex, m_pData + nOldSize, m_pData + nOldSize + nCount);
    }
    for (INT_PTR i = 0; i < nCount; ++i)
        m_pData[nIndex + i] = value;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount) {
    ASSERT(nIndex >= 0 && nCount > 0);
    if (nIndex < 0 || nCount <= 0 || nIndex > kMaxElements - nCount || m_nSize > kMaxElements - nCount)
        return;
    if (RefersToElement(newElement)) {
        const TYPE copy(newElement);
        InsertValue(nIndex, copy, nCount);
    } else {
        InsertValue(nIndex, newElement, nCount);
    }
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nStartIndex, CArray* pNewArray) {
    ASSERT(pNewArray != nullptr && nStartIndex >= 0);
    if (pNewArray == nullptr || pNewArray->m_nSize == 0 || nStartIndex < 0)
        return;
    if (pNewArray == this) {
        // Insert a snapshot: the source changes under the insertion.
        CArray copy;
        copy.Copy(*this);
        if (copy.m_nSize == m_nSize)
            InsertAt(nStartIndex, &copy);
        return;
    }
    INT_PTR nCount = pNewArray->m_nSize;
    INT_PTR nOldSize = m_nSize;
    InsertAt(nStartIndex, pNewArray->m_pData[0], nCount);
    if (m_nSize == nOldSize)
        return;
    for (INT_PTR i = 1; i < nCount; ++i)
        m_pData[nStartIndex + i] = pNewArray->m_pData[i];
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(INT_PTR nIndex, INT_PTR nCount) {
    ASSERT(nIndex >= 0 && nCount >= 0 && nIndex <= m_nSize && nCount <= m_nSize - nIndex);
    if (nIndex < 0 || nCount < 0 || nIndex > m_nSize || nCount > m_nSize - nIndex)
        return;
    std::move(m_pData + nIndex + nCount, m_pData + m_nSize, m_pData + nIndex);
    std::destroy(m_pData + m_nSize - nCount, m_pData + m_nSize);
    m_nSize -= nCount;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::AssertValid() const {
    CObject::AssertValid();
    if (m_pData == nullptr) {
        ASSERT(m_nSize == 0 && m_nMaxSize == 0);
    } else {
        ASSERT(m_nSize >= 0 && m_nMaxSize >= 0 && m_nSize <= m_nMaxSize);
    }
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(m_nSize));
        SerializeElements<TYPE>(ar, m_pData, m_nSize);
        return;
    }
    DWORD_PTR nCount = ar.ReadCount();
    SetSize(0);
    for (DWORD_PTR i = 0; i < nCount; ++i) {
        TYPE element{};
        SerializeElements<TYPE>(ar, &element, 1);
        Add(element);
    }
}
