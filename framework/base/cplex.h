// CPlex: the block allocator behind the list and map classes.  Nodes are
// carved out of blocks of nBlockSize elements and recycled through the
// owner's free list; blocks are only released all at once (FreeDataChain),
// when the collection becomes empty.
#pragma once

#include "base/wintypes.h"

#include <cstddef>
#include <new>

struct alignas(std::max_align_t) CPlex {
    CPlex* pNext;

    void* data() noexcept { return this + 1; }

    // Links a new block of nMax elements of cbElement bytes in front of head.
    // Returns NULL (and leaves head alone) when the size overflows or memory
    // runs out.
    static CPlex* Create(CPlex*& head, UINT_PTR nMax, UINT_PTR cbElement) noexcept {
        if (nMax == 0 || cbElement == 0 || nMax > (SIZE_MAX - sizeof(CPlex)) / cbElement)
            return nullptr;
        void* p = ::operator new(sizeof(CPlex) + nMax * cbElement, std::nothrow);
        if (p == nullptr)
            return nullptr;
        CPlex* block = ::new (p) CPlex;
        block->pNext = head;
        head = block;
        return block;
    }

    // Frees this block and every block linked after it.
    void FreeDataChain() noexcept {
        CPlex* p = this;
        while (p != nullptr) {
            CPlex* next = p->pNext;
            ::operator delete(static_cast<void*>(p));
            p = next;
        }
    }
};
