// CMap: a hash table from KEY to VALUE with MFC's interface and layout.
//
// The table has 17 buckets unless InitHashTable says otherwise; it is never
// resized, so a crowded table only makes the chains longer.  A key's bucket
// is HashKey<ARG_KEY>(key) % table size, and a new association goes to the
// front of its bucket's chain.  Iteration (GetStartPosition/GetNextAssoc)
// walks the buckets in order and each chain from its front, which is MFC's
// order.  GetNextAssoc moves the position on before it returns, so the
// association it just returned may be removed during the walk.
//
// Associations come from blocks of nBlockSize (CPlex) and are recycled
// through a free list; removing the last key frees the blocks and the table.
//
// Bad arguments assert in Debug builds, as MFC's do; every build then falls
// back this way:
//   - InitHashTable with a size of 0, or while the map holds keys, does
//     nothing;
//   - GetNextAssoc with a NULL position leaves the outputs alone;
//   - when memory cannot be had, SetAt adds nothing and operator[] returns a
//     scratch value reset to VALUE() on each such call (not a misuse: no
//     assertion);
//   - a block size below 1 is taken as 10.
#pragma once

#include "base/cobject.h"
#include "base/cplex.h"
#include "base/element_helpers.h"
#include "base/position.h"
#include "base/serialize_elements.h"
#include "base/wintypes.h"

#include <cstddef>
#include <new>

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject {
public:
    struct CPair {
        const KEY key;
        VALUE value;

    protected:
        explicit CPair(ARG_KEY keyval) : key(keyval), value() {}
    };

protected:
    class CAssoc : public CPair {
        friend class CMap;
        CAssoc* pNext = nullptr;
        UINT nHashValue = 0;  // the full hash: chains compare it before the keys

    public:
        explicit CAssoc(ARG_KEY key) : CPair(key) {}
    };

public:
    CMap(INT_PTR nBlockSize = 10) noexcept : m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10) {}
    CMap(const CMap&) = delete;
    CMap& operator=(const CMap&) = delete;
    ~CMap() override { RemoveAll(); }

    // The count, then each key and its value, in iteration order.
    void Serialize(CArchive& ar) override;

    // Count
    INT_PTR GetCount() const noexcept { return m_nCount; }
    INT_PTR GetSize() const noexcept { return m_nCount; }
    BOOL IsEmpty() const noexcept { return m_nCount == 0; }

    // Lookup
    BOOL Lookup(ARG_KEY key, VALUE& rValue) const;
    const CPair* PLookup(ARG_KEY key) const;
    CPair* PLookup(ARG_KEY key);

    // Adding and removing; operator[] adds the key with VALUE() when missing.
    VALUE& operator[](ARG_KEY key);
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(ARG_KEY key);
    void RemoveAll();

    // Iteration
    POSITION GetStartPosition() const noexcept { return m_nCount == 0 ? nullptr : BEFORE_START_POSITION; }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const;
    const CPair* PGetFirstAssoc() const { return First(); }
    CPair* PGetFirstAssoc() { return First(); }
    const CPair* PGetNextAssoc(const CPair* pAssocRet) const { return Next(static_cast<const CAssoc*>(pAssocRet)); }
    CPair* PGetNextAssoc(const CPair* pAssocRet) { return Next(static_cast<const CAssoc*>(pAssocRet)); }

    // Hash table
    UINT GetHashTableSize() const noexcept { return m_nHashTableSize; }
    void InitHashTable(UINT nHashSize, BOOL bAllocNow = TRUE);

protected:
    CAssoc** m_pHashTable = nullptr;
    UINT m_nHashTableSize = 17;
    INT_PTR m_nCount = 0;
    CPlex* m_pBlocks = nullptr;
    INT_PTR m_nBlockSize;

    CAssoc* NewAssoc(ARG_KEY key);
    void FreeAssoc(CAssoc* pAssoc);
    CAssoc* GetAssocAt(ARG_KEY key, UINT& nHashBucket, UINT& nHashValue) const;

private:
    struct CFreeSlot {
        CFreeSlot* pNext;
    };
    static_assert(alignof(CAssoc) <= alignof(std::max_align_t), "association alignment exceeds the block alignment");

    CFreeSlot* m_pFreeList = nullptr;

    static VALUE& Scratch() {
        static VALUE s_scratch;
        s_scratch = VALUE();
        return s_scratch;
    }
    CAssoc* First() const;
    CAssoc* Next(const CAssoc* pAssoc) const;
};

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::InitHashTable(UINT nHashSize, BOOL bAllocNow) {
    ASSERT(m_nCount == 0 && nHashSize > 0);
    if (m_nCount != 0 || nHashSize == 0)
        return;
    CAssoc** pTable = nullptr;
    if (bAllocNow) {
        pTable = new (std::nothrow) CAssoc*[nHashSize]();
        if (pTable == nullptr)
            return;
    }
    delete[] m_pHashTable;
    m_pHashTable = pTable;
    m_nHashTableSize = nHashSize;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveAll() {
    if (m_pHashTable != nullptr) {
        for (UINT nBucket = 0; nBucket < m_nHashTableSize; ++nBucket) {
            for (CAssoc* pAssoc = m_pHashTable[nBucket]; pAssoc != nullptr;) {
                CAssoc* pNext = pAssoc->pNext;
                pAssoc->~CAssoc();
                pAssoc = pNext;
            }
        }
        delete[] m_pHashTable;
        m_pHashTable = nullptr;
    }
    m_nCount = 0;
    m_pFreeList = nullptr;
    if (m_pBlocks != nullptr)
        m_pBlocks->FreeDataChain();
    m_pBlocks = nullptr;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::NewAssoc(ARG_KEY key) {
    if (m_pFreeList == nullptr) {
        CPlex* pBlock = CPlex::Create(m_pBlocks, (UINT_PTR)m_nBlockSize, sizeof(CAssoc));
        if (pBlock == nullptr)
            return nullptr;
        // Chain the block in reverse so that its first slot is handed out first.
        CAssoc* pSlots = static_cast<CAssoc*>(pBlock->data());
        for (INT_PTR i = m_nBlockSize - 1; i >= 0; --i)
            m_pFreeList = ::new (static_cast<void*>(pSlots + i)) CFreeSlot{m_pFreeList};
    }
    CFreeSlot* pSlot = m_pFreeList;
    m_pFreeList = pSlot->pNext;
    pSlot->~CFreeSlot();
    CAssoc* pAssoc = ::new (static_cast<void*>(pSlot)) CAssoc(key);
    ++m_nCount;
    return pAssoc;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::FreeAssoc(CAssoc* pAssoc) {
    pAssoc->~CAssoc();
    m_pFreeList = ::new (static_cast<void*>(pAssoc)) CFreeSlot{m_pFreeList};
    --m_nCount;
    if (m_nCount == 0)
        RemoveAll();  // nothing left: give the blocks and the table back
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetAssocAt(
    ARG_KEY key, UINT& nHashBucket, UINT& nHashValue) const {
    nHashValue = HashKey<ARG_KEY>(key);
    nHashBucket = nHashValue % m_nHashTableSize;
    if (m_pHashTable == nullptr)
        return nullptr;
    for (CAssoc* pAssoc = m_pHashTable[nHashBucket]; pAssoc != nullptr; pAssoc = pAssoc->pNext) {
        if (pAssoc->nHashValue == nHashValue && CompareElements(&pAssoc->key, &key))
            return pAssoc;
    }
    return nullptr;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Lookup(ARG_KEY key, VALUE& rValue) const {
    UINT nHashBucket, nHashValue;
    CAssoc* pAssoc = GetAssocAt(key, nHashBucket, nHashValue);
    if (pAssoc == nullptr)
        return FALSE;
    rValue = pAssoc->value;
    return TRUE;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
const typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CPair* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::PLookup(ARG_KEY key) const {
    UINT nHashBucket, nHashValue;
    return GetAssocAt(key, nHashBucket, nHashValue);
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CPair* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::PLookup(ARG_KEY key) {
    UINT nHashBucket, nHashValue;
    return GetAssocAt(key, nHashBucket, nHashValue);
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
VALUE& CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::operator[](ARG_KEY key) {
    UINT nHashBucket, nHashValue;
    CAssoc* pAssoc = GetAssocAt(key, nHashBucket, nHashValue);
    if (pAssoc != nullptr)
        return pAssoc->value;
    if (m_pHashTable == nullptr) {
        InitHashTable(m_nHashTableSize);
        if (m_pHashTable == nullptr)
            return Scratch();
    }
    pAssoc = NewAssoc(key);
    if (pAssoc == nullptr)
        return Scratch();
    pAssoc->nHashValue = nHashValue;
    pAssoc->pNext = m_pHashTable[nHashBucket];
    m_pHashTable[nHashBucket] = pAssoc;
    return pAssoc->value;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveKey(ARG_KEY key) {
    if (m_pHashTable == nullptr)
        return FALSE;
    UINT nHashValue = HashKey<ARG_KEY>(key);
    CAssoc** ppAssocPrev = &m_pHashTable[nHashValue % m_nHashTableSize];
    for (CAssoc* pAssoc = *ppAssocPrev; pAssoc != nullptr; pAssoc = pAssoc->pNext) {
        if (pAssoc->nHashValue == nHashValue && CompareElements(&pAssoc->key, &key)) {
            *ppAssocPrev = pAssoc->pNext;
            FreeAssoc(pAssoc);
            return TRUE;
        }
        ppAssocPrev = &pAssoc->pNext;
    }
    return FALSE;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::First() const {
    if (m_nCount == 0 || m_pHashTable == nullptr)
        return nullptr;
    for (UINT nBucket = 0; nBucket < m_nHashTableSize; ++nBucket) {
        if (m_pHashTable[nBucket] != nullptr)
            return m_pHashTable[nBucket];
    }
    return nullptr;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Next(const CAssoc* pAssoc) const {
    if (pAssoc == nullptr || m_pHashTable == nullptr)
        return nullptr;
    if (pAssoc->pNext != nullptr)
        return pAssoc->pNext;
    for (UINT nBucket = pAssoc->nHashValue % m_nHashTableSize + 1; nBucket < m_nHashTableSize; ++nBucket) {
        if (m_pHashTable[nBucket] != nullptr)
            return m_pHashTable[nBucket];
    }
    return nullptr;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const {
    ASSERT(rNextPosition != nullptr);
    const CAssoc* pAssocRet = rNextPosition == BEFORE_START_POSITION ? First()
                                                                      : reinterpret_cast<const CAssoc*>(rNextPosition);
    if (pAssocRet == nullptr) {
        rNextPosition = nullptr;
        return;
    }
    rNextPosition = (POSITION)Next(pAssocRet);
    rKey = pAssocRet->key;
    rValue = pAssocRet->value;
}

template<class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(m_nCount));
        for (POSITION pos = GetStartPosition(); pos != nullptr;) {
            KEY key{};
            VALUE value{};
            GetNextAssoc(pos, key, value);
            SerializeElements<KEY>(ar, &key, 1);
            SerializeElements<VALUE>(ar, &value, 1);
        }
        return;
    }
    DWORD_PTR nCount = ar.ReadCount();
    while (nCount-- > 0) {
        KEY key{};
        VALUE value{};
        SerializeElements<KEY>(ar, &key, 1);
        SerializeElements<VALUE>(ar, &value, 1);
        SetAt(key, value);
    }
}
