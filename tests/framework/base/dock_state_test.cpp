// The saved bar layout: records written as profile entries read back the
// same, and damaged or oversized entries are refused or bounded.
#include "base/dock_state.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

class CMapStore : public CDockStateStore {
public:
    int GetInt(LPCTSTR s, LPCTSTR e, int nDefault) override {
        auto it = values.find(std::string(s) + "/" + e);
        return it == values.end() ? nDefault : it->second;
    }
    void WriteInt(LPCTSTR s, LPCTSTR e, int n) override { values[std::string(s) + "/" + e] = n; }
    void DeleteSection(LPCTSTR s) override {
        const std::string prefix = std::string(s) + "/";
        for (auto it = values.begin(); it != values.end();)
            it = it->first.compare(0, prefix.size(), prefix) == 0 ? values.erase(it) : std::next(it);
    }
    std::map<std::string, int> values;
};

TEST(DockState, RecordsReadBackAsWritten) {
    CDockState state;
    auto* pDock = new CControlBarInfo;
    pDock->m_nBarID = 0xE81C;
    pDock->m_bDockBar = TRUE;
    pDock->m_arrBarID = {0xE800, 0, 0xE801};
    state.Add(pDock);
    auto* pBar = new CControlBarInfo;
    pBar->m_nBarID = 0xE800;
    pBar->m_bVisible = TRUE;
    pBar->m_bFloating = TRUE;
    pBar->m_pointPos = CPoint(330, -20);  // a second monitor left of the first
    pBar->m_bDocking = TRUE;
    pBar->m_uMRUDockID = 0xE81B;
    pBar->m_rectMRUDockPos = CRect(10, 0, 110, 26);
    pBar->m_nMRUWidth = 69;
    state.Add(pBar);

    CMapStore store;
    state.SaveState(store, "Main");
    EXPECT_EQ(2, store.values["Main-Summary/Bars"]);
    EXPECT_EQ(0xE801, store.values["Main-Bar0/Bar#2"]);

    CDockState loaded;
    loaded.LoadState(store, "Main");
    ASSERT_EQ(2, loaded.m_arrBarInfo.GetSize());
    EXPECT_TRUE(loaded.GetBarInfo(0)->m_bDockBar);
    EXPECT_EQ(pDock->m_arrBarID, loaded.GetBarInfo(0)->m_arrBarID);
    const CControlBarInfo* p = loaded.GetBarInfo(1);
    EXPECT_FALSE(p->m_bDockBar);
    EXPECT_TRUE(p->m_bFloating);
    EXPECT_EQ(CPoint(330, -20), p->m_pointPos);
    EXPECT_EQ(0xE81Bu, p->m_uMRUDockID);
    EXPECT_EQ(CRect(10, 0, 110, 26), p->m_rectMRUDockPos);
    EXPECT_EQ(69, p->m_nMRUWidth);

    // Saving fewer bars later: the count says how many records there are.
    auto* pKept = new CControlBarInfo(*p);
    loaded.Clear();
    loaded.Add(pKept);
    loaded.SaveState(store, "Main");
    CDockState fewer;
    fewer.LoadState(store, "Main");
    EXPECT_EQ(1, fewer.m_arrBarInfo.GetSize());
}

TEST(DockState, DamagedEntriesAreSkippedAndCountsBounded) {
    CMapStore store;
    store.values["Bad-Summary/Bars"] = 1000000;  // far more than any frame has
    store.values["Bad-Bar0/BarID"] = 0;          // no identifier: skipped
    store.values["Bad-Bar1/BarID"] = 0x12345;    // not a window identifier: skipped
    store.values["Bad-Bar2/BarID"] = 0xE81B;
    store.values["Bad-Bar2/Bars"] = 1 << 30;     // a dock bar claiming a billion bars
    store.values["Bad-Bar2/Bar#0"] = -5;         // read as a row break
    store.values["Bad-Bar2/Bar#1"] = 0xE800;
    CDockState state;
    state.LoadState(store, "Bad");
    ASSERT_EQ(1, state.m_arrBarInfo.GetSize());
    const CControlBarInfo* p = state.GetBarInfo(0);
    EXPECT_EQ(0xE81Bu, p->m_nBarID);
    EXPECT_EQ(2u * CDockState::kMaxBars, p->m_arrBarID.size());
    EXPECT_EQ(0u, p->m_arrBarID[0]);
    EXPECT_EQ(0xE800u, p->m_arrBarID[1]);
    // A negative count is no count.
    store.values["Bad-Summary/Bars"] = -3;
    state.LoadState(store, "Bad");
    EXPECT_EQ(0, state.m_arrBarInfo.GetSize());
}

}  // namespace
