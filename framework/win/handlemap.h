// Maps between Win32 handles and the framework objects that wrap them.
//
// A permanent entry belongs to an object the program created (a CWnd that
// was created or attached); FromHandle on any other handle makes a temporary
// wrapper, which lives until the thread next goes idle (DeleteTemp).
#pragma once

#include "base/wintypes.h"

#include <unordered_map>

// T provides: static void _AfxSetTempHandle(T*, HANDLE) and
// static void _AfxClearTempHandle(T*), used to fill and empty temporaries.
template <class T>
class CHandleMap {
public:
    CHandleMap() = default;
    CHandleMap(const CHandleMap&) = delete;
    CHandleMap& operator=(const CHandleMap&) = delete;
    ~CHandleMap() { DeleteTemp(); }

    T* FromHandle(HANDLE h) {
        if (h == nullptr) return nullptr;
        if (T* p = LookupPermanent(h)) return p;
        if (T* p = LookupTemporary(h)) return p;
        T* p = new T;
        T::_AfxSetTempHandle(p, h);
        m_temporary[h] = p;
        return p;
    }

    void SetPermanent(HANDLE h, T* p) {
        m_permanent[h] = p;
        // A temporary wrapper for the same handle is now stale.
        auto it = m_temporary.find(h);
        if (it != m_temporary.end()) {
            T* temp = it->second;
            m_temporary.erase(it);
            T::_AfxClearTempHandle(temp);
            delete temp;
        }
    }

    void RemoveHandle(HANDLE h) { m_permanent.erase(h); }

    T* LookupPermanent(HANDLE h) const {
        auto it = m_permanent.find(h);
        return it == m_permanent.end() ? nullptr : it->second;
    }

    T* LookupTemporary(HANDLE h) const {
        auto it = m_temporary.find(h);
        return it == m_temporary.end() ? nullptr : it->second;
    }

    void DeleteTemp() {
        while (!m_temporary.empty()) {
            auto it = m_temporary.begin();
            T* p = it->second;
            m_temporary.erase(it);
            T::_AfxClearTempHandle(p);
            delete p;
        }
    }

    template <class F>
    void ForEachPermanent(F f) const {
        for (const auto& entry : m_permanent) f(entry.first, entry.second);
    }

    size_t GetPermanentCount() const { return m_permanent.size(); }
    size_t GetTemporaryCount() const { return m_temporary.size(); }

private:
    std::unordered_map<HANDLE, T*> m_permanent;
    std::unordered_map<HANDLE, T*> m_temporary;
};
