// CList: a doubly linked list of TYPE with MFC's interface.  A POSITION is
// the address of a node; GetNext/GetPrev return the element at the position
// and move the position on (NULL past either end).
//
// Nodes come from blocks of nBlockSize nodes (CPlex); a removed node goes to
// a free list and is the next one handed out.  The blocks are released when
// the list becomes empty, so a POSITION of a removed element must not be used
// again (as in MFC).
//
// Bad arguments assert in Debug builds, as MFC's do; every build then falls
// back this way:
//   - GetHead/GetTail on an empty list, and GetAt/GetNext/GetPrev with a NULL
//     position, return a reference to a scratch value reset to TYPE() on each
//     such call; the position stays NULL;
//   - RemoveHead/RemoveTail on an empty list return TYPE();
//   - SetAt and RemoveAt with a NULL position do nothing;
//   - a block size below 1 is taken as 10;
//   - when no memory for a node can be had, the add or insert changes nothing
//     and returns NULL (not a misuse: no assertion).
#pragma once

#include "base/cobject.h"
#include "base/cplex.h"
#include "base/element_helpers.h"
#include "base/position.h"
#include "base/serialize_elements.h"
#include "base/wintypes.h"

#include <cstddef>
#include <new>
#include <utility>

template<class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject {
protected:
    struct CNode {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

public:
    CList(INT_PTR nBlockSize = 10) noexcept : m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10) {}
    CList(const CList&) = delete;
    CList& operator=(const CList&) = delete;
    ~CList() override { RemoveAll(); }

    // The count, then the elements from head to tail.
    void Serialize(CArchive& ar) override;

    // Count
    INT_PTR GetCount() const noexcept { return m_nCount; }
    INT_PTR GetSize() const noexcept { return m_nCount; }
    BOOL IsEmpty() const noexcept { return m_nCount == 0; }

    // Head and tail
    TYPE& GetHead() { return Checked(m_pNodeHead) ? m_pNodeHead->data : Scratch(); }
    const TYPE& GetHead() const { return Checked(m_pNodeHead) ? m_pNodeHead->data : Scratch(); }
    TYPE& GetTail() { return Checked(m_pNodeTail) ? m_pNodeTail->data : Scratch(); }
    const TYPE& GetTail() const { return Checked(m_pNodeTail) ? m_pNodeTail->data : Scratch(); }
    TYPE RemoveHead();
    TYPE RemoveTail();
    POSITION AddHead(ARG_TYPE newElement);
    POSITION AddTail(ARG_TYPE newElement);
    void AddHead(CList* pNewList);
    void AddTail(CList* pNewList);
    void RemoveAll();

    // Iteration
    POSITION GetHeadPosition() const noexcept { return (POSITION)m_pNodeHead; }
    POSITION GetTailPosition() const noexcept { return (POSITION)m_pNodeTail; }
    TYPE& GetNext(POSITION& rPosition) { return Step(rPosition, true); }
    const TYPE& GetNext(POSITION& rPosition) const { return const_cast<CList*>(this)->Step(rPosition, true); }
    TYPE& GetPrev(POSITION& rPosition) { return Step(rPosition, false); }
    const TYPE& GetPrev(POSITION& rPosition) const { return const_cast<CList*>(this)->Step(rPosition, false); }

    // Access by position
    TYPE& GetAt(POSITION position) { return Checked(position) ? Node(position)->data : Scratch(); }
    const TYPE& GetAt(POSITION position) const { return Checked(position) ? Node(position)->data : Scratch(); }
    void SetAt(POSITION pos, ARG_TYPE newElement) {
        if (Checked(pos))
            Node(pos)->data = newElement;
    }
    void RemoveAt(POSITION position);
    // A NULL position inserts at the head (InsertBefore) or tail (InsertAfter).
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement);
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement);

    // Searching
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const;
    POSITION FindIndex(INT_PTR nIndex) const;

protected:
    CNode* m_pNodeHead = nullptr;
    CNode* m_pNodeTail = nullptr;
    INT_PTR m_nCount = 0;
    CPlex* m_pBlocks = nullptr;
    INT_PTR m_nBlockSize;

    CNode* NewNode(CNode* pPrev, CNode* pNext);
    void FreeNode(CNode* pNode);

private:
    // A node on the free list holds only the link to the next free node.
    struct CFreeSlot {
        CFreeSlot* pNext;
    };
    static_assert(alignof(CNode) <= alignof(std::max_align_t), "node alignment exceeds the block alignment");

    CFreeSlot* m_pNodeFree = nullptr;

    static CNode* Node(POSITION pos) noexcept { return reinterpret_cast<CNode*>(pos); }
    // A node or position the caller needs to be there: asserts when it is not.
    static bool Checked(const void* p) noexcept {
        ASSERT(p != nullptr);
        return p != nullptr;
    }
    static TYPE& Scratch() {
        static TYPE s_scratch;
        s_scratch = TYPE();
        return s_scratch;
    }
    TYPE& Step(POSITION& rPosition, bool bForward) {
        if (!Checked(rPosition))
            return Scratch();
        CNode* pNode = Node(rPosition);
        rPosition = (POSITION)(bForward ? pNode->pNext : pNode->pPrev);
        return pNode->data;
    }
    void Unlink(CNode* pNode) noexcept;
};

template<class TYPE, class ARG_TYPE>
typename CList<TYPE, ARG_TYPE>::CNode* CList<TYPE, ARG_TYPE>::NewNode(CNode* pPrev, CNode* pNext) {
    if (m_pNodeFree == nullptr) {
        CPlex* pBlock = CPlex::Create(m_pBlocks, (UINT_PTR)m_nBlockSize, sizeof(CNode));
        if (pBlock == nullptr)
            return nullptr;
        // Chain the block in reverse so that its first node is handed out first.
        CNode* pSlots = static_cast<CNode*>(pBlock->data());
        for (INT_PTR i = m_nBlockSize - 1; i >= 0; --i)
            m_pNodeFree = ::new (static_cast<void*>(pSlots + i)) CFreeSlot{m_pNodeFree};
    }
    CFreeSlot* pSlot = m_pNodeFree;
    m_pNodeFree = pSlot->pNext;
    pSlot->~CFreeSlot();
    CNode* pNode = ::new (static_cast<void*>(pSlot)) CNode{pNext, pPrev, TYPE()};
    ++m_nCount;
    return pNode;
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::FreeNode(CNode* pNode) {
    pNode->~CNode();
    m_pNodeFree = ::new (static_cast<void*>(pNode)) CFreeSlot{m_pNodeFree};
    --m_nCount;
    if (m_nCount == 0)
        RemoveAll();  // nothing left: give the blocks back
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAll() {
    for (CNode* pNode = m_pNodeHead; pNode != nullptr;) {
        CNode* pNext = pNode->pNext;
        pNode->~CNode();
        pNode = pNext;
    }
    m_nCount = 0;
    m_pNodeHead = m_pNodeTail = nullptr;
    m_pNodeFree = nullptr;
    if (m_pBlocks != nullptr)
        m_pBlocks->FreeDataChain();
    m_pBlocks = nullptr;
}

template<class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::AddHead(ARG_TYPE newElement) {
    CNode* pNewNode = NewNode(nullptr, m_pNodeHead);
    if (pNewNode == nullptr)
        return nullptr;
    pNewNode->data = newElement;
    if (m_pNodeHead != nullptr)
        m_pNodeHead->pPrev = pNewNode;
    else
        m_pNodeTail = pNewNode;
    m_pNodeHead = pNewNode;
    return (POSITION)pNewNode;
}

template<class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::AddTail(ARG_TYPE newElement) {
    CNode* pNewNode = NewNode(m_pNodeTail, nullptr);
    if (pNewNode == nullptr)
        return nullptr;
    pNewNode->data = newElement;
    if (m_pNodeTail != nullptr)
        m_pNodeTail->pNext = pNewNode;
    else
        m_pNodeHead = pNewNode;
    m_pNodeTail = pNewNode;
    return (POSITION)pNewNode;
}

// Both keep the order of the added list.  Adding a list to itself adds one
// copy of what it held before the call.
template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddHead(CList* pNewList) {
    if (pNewList == nullptr)
        return;
    POSITION pos = pNewList->GetTailPosition();
    for (INT_PTR n = pNewList->GetCount(); n > 0 && pos != nullptr; --n)
        AddHead(pNewList->GetPrev(pos));
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddTail(CList* pNewList) {
    if (pNewList == nullptr)
        return;
    POSITION pos = pNewList->GetHeadPosition();
    for (INT_PTR n = pNewList->GetCount(); n > 0 && pos != nullptr; --n)
        AddTail(pNewList->GetNext(pos));
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::Unlink(CNode* pNode) noexcept {
    if (pNode == m_pNodeHead)
        m_pNodeHead = pNode->pNext;
    else
        pNode->pPrev->pNext = pNode->pNext;
    if (pNode == m_pNodeTail)
        m_pNodeTail = pNode->pPrev;
    else
        pNode->pNext->pPrev = pNode->pPrev;
}

template<class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveHead() {
    if (!Checked(m_pNodeHead))
        return TYPE();
    CNode* pOld = m_pNodeHead;
    TYPE value(std::move(pOld->data));
    Unlink(pOld);
    FreeNode(pOld);
    return value;
}

template<class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveTail() {
    if (!Checked(m_pNodeTail))
        return TYPE();
    CNode* pOld = m_pNodeTail;
    TYPE value(std::move(pOld->data));
    Unlink(pOld);
    FreeNode(pOld);
    return value;
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAt(POSITION position) {
    if (!Checked(position))
        return;
    CNode* pOld = Node(position);
    Unlink(pOld);
    FreeNode(pOld);
}

template<class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertBefore(POSITION position, ARG_TYPE newElement) {
    if (position == nullptr)
        return AddHead(newElement);
    CNode* pOld = Node(position);
    CNode* pNewNode = NewNode(pOld->pPrev, pOld);
    if (pNewNode == nullptr)
        return nullptr;
    pNewNode->data = newElement;
    if (pOld->pPrev != nullptr)
        pOld->pPrev->pNext = pNewNode;
    else
        m_pNodeHead = pNewNode;
    pOld->pPrev = pNewNode;
    return (POSITION)pNewNode;
}

template<class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertAfter(POSITION position, ARG_TYPE newElement) {
    if (position == nullptr)
        return AddTail(newElement);
    CNode* pOld = Node(position);
    CNode* pNewNode = NewNode(pOld, pOld->pNext);
    if (pNewNode == nullptr)
        return nullptr;
    pNewNode->data = newElement;
    if (pOld->pNext != nullptr)
        pOld->pNext->pPrev = pNewNode;
    else
        m_pNodeTail = pNewNode;
    pOld->pNext = pNewNode;
    return (POSITION)pNewNode;
}

template<class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::Find(ARG_TYPE searchValue, POSITION startAfter) const {
    CNode* pNode = startAfter == nullptr ? m_pNodeHead : Node(startAfter)->pNext;
    for (; pNode != nullptr; pNode = pNode->pNext) {
        if (CompareElements(&pNode->data, &searchValue))
            return (POSITION)pNode;
    }
    return nullptr;
}

template<class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::FindIndex(INT_PTR nIndex) const {
    if (nIndex < 0 || nIndex >= m_nCount)
        return nullptr;
    CNode* pNode = m_pNodeHead;
    while (nIndex-- > 0)
        pNode = pNode->pNext;
    return (POSITION)pNode;
}

template<class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(m_nCount));
        for (CNode* pNode = m_pNodeHead; pNode != nullptr; pNode = pNode->pNext)
            SerializeElements<TYPE>(ar, &pNode->data, 1);
        return;
    }
    DWORD_PTR nCount = ar.ReadCount();
    while (nCount-- > 0) {
        TYPE newData{};
        SerializeElements<TYPE>(ar, &newData, 1);
        AddTail(newData);
    }
}
