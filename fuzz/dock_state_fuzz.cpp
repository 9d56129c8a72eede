// Reads a bar layout from a profile whose every entry is taken from the
// input (each entry's value is four input bytes chosen by the entry's
// name): reading stays bounded, every record it keeps is well formed, and
// what it kept reads back the same after being written.
#include "base/dock_state.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace {

void Check(bool condition) {
    if (!condition) abort();
}

class CFuzzStore : public CDockStateStore {
public:
    CFuzzStore(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    int GetInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault) override {
        const std::string key = std::string(lpszSection) + "/" + lpszEntry;
        if (auto it = m_written.find(key); it != m_written.end()) return it->second;
        if (m_size < 5) return nDefault;
        // FNV-1a of the name picks where the value lies; the first byte
        // decides now and then that the entry is missing.
        uint32_t h = 2166136261u;
        for (char c : key) h = (h ^ static_cast<uint8_t>(c)) * 16777619u;
        const size_t off = h % (m_size - 4);
        if ((m_data[off] & 7) == 0) return nDefault;
        int32_t v;
        std::memcpy(&v, m_data + off + 1, 4);
        // Small counts are the interesting ones most of the time.
        if (m_data[off] & 8) v &= 0x1F;
        return v;
    }
    void WriteInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue) override {
        m_written[std::string(lpszSection) + "/" + lpszEntry] = nValue;
    }
    void DeleteSection(LPCTSTR) override {}

private:
    const uint8_t* m_data;
    size_t m_size;
    std::map<std::string, int> m_written;
};

void CheckState(const CDockState& state) {
    Check(state.m_arrBarInfo.GetSize() <= CDockState::kMaxBars);
    for (INT_PTR i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
        const CControlBarInfo* p = state.GetBarInfo(static_cast<int>(i));
        Check(p->m_nBarID > 0 && p->m_nBarID <= 0xFFFF);
        Check(p->m_arrBarID.size() <= 2u * CDockState::kMaxBars);
        Check(p->m_nMRUWidth >= 0);
        for (UINT id : p->m_arrBarID) Check(id <= 0xFFFF);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CFuzzStore in(data, size);
    CDockState state;
    state.LoadState(in, "Fuzz");
    CheckState(state);

    // Written out and read again: the same records.
    CFuzzStore round(nullptr, 0);
    state.SaveState(round, "Round");
    CDockState again;
    again.LoadState(round, "Round");
    Check(again.m_arrBarInfo.GetSize() == state.m_arrBarInfo.GetSize());
    for (INT_PTR i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
        const CControlBarInfo* a = state.GetBarInfo(static_cast<int>(i));
        const CControlBarInfo* b = again.GetBarInfo(static_cast<int>(i));
        Check(a->m_nBarID == b->m_nBarID && a->m_bFloating == b->m_bFloating && a->m_bDockBar == b->m_bDockBar);
        Check(a->m_pointPos == b->m_pointPos && a->m_arrBarID == b->m_arrBarID);
        Check(a->m_rectMRUDockPos == b->m_rectMRUDockPos || !a->m_bDocking);
    }
    return 0;
}
