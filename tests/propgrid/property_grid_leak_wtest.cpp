// Thousands of grids made, filled, used and destroyed leave no GDI object,
// no window and no item behind.
#include "grid_fixture.h"

#include "support/gdi_leak.h"

namespace {

using kxtest::GridTest;
using kxtest::UserObjectCount;

// Counts the items alive: each one made here adds, its destruction takes away.
class CCountedItem : public CKXPropertyGridItem {
public:
    CCountedItem(LPCTSTR lpszCaption, LPCTSTR lpszValue) : CKXPropertyGridItem(lpszCaption, lpszValue) { ++s_nAlive; }
    ~CCountedItem() override { --s_nAlive; }
    static int s_nAlive;
};
int CCountedItem::s_nAlive = 0;

// One life of a grid: made, filled, expanded, destroyed; every tenth one
// also edited, its list dropped, its painter swapped, painted, sorted and an
// item removed.
void Cycle(CWnd* pVisible, CWnd* pHidden, int i) {
    CWnd* pParent = i % 10 ? pHidden : pVisible;  // the light lives out of sight, quicker
    CKXPropertyGrid grid;
    if (!grid.Create(CRect(10, 10, 300, 300), pParent, 100)) {
        ADD_FAILURE() << "Create failed at " << i;
        return;
    }
    CKXPropertyGridItem* pFirst = nullptr;
    for (int c = 0; c < 3; ++c) {
        CKXPropertyGridItem* pCategory = grid.AddCategory("Category");
        for (int k = 0; k < 5; ++k) {
            CKXPropertyGridItem* pItem = pCategory->AddChildItem(new CCountedItem("Item", "value"));
            pItem->SetFlags(KX_ITEM_EDIT | KX_ITEM_LIST_BUTTON);
            pItem->GetConstraints()->AddConstraint("one");
            pItem->GetConstraints()->AddConstraint("two");
            pItem->AddChildItem(new CCountedItem("Child", "c"));
            if (pFirst == nullptr) pFirst = pItem;
        }
        pCategory->Expand();
    }
    if (i % 10) return;
    pFirst->Select();
    pFirst->OnChar('x');
    pFirst->OnInplaceButtonDown();
    grid.SetTheme(static_cast<eKXPROPERTYGRIDPAINTTHEME>(i / 10 % 6));
    grid.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    grid.SetPropertySort(KX_SORT_ALPHABETICAL);
    pFirst->Remove();
    if (i % 20) grid.DestroyWindow();  // else the destructor does it
}

TEST_F(GridTest, ThousandsOfGridsLeaveNothingBehind) {
    CWnd hidden;
    ASSERT_TRUE(hidden.Create(AfxRegisterWndClass(0), nullptr, WS_CHILD, CRect(0, 0, 320, 320), &m_parent, 300));
    // What the system makes once, on first use (each painter's visual style
    // data among it).
    for (int i = 0; i < 60; i += 10) Cycle(&m_parent, &hidden, i);
    kxtest::PumpUntilIdle();
    const long nUser = UserObjectCount();
    kxtest::GdiLeakCheck check;
    for (int i = 1; i <= 2000; ++i) Cycle(&m_parent, &hidden, i);
    kxtest::PumpUntilIdle();
    EXPECT_TRUE(check.Verify());
    EXPECT_EQ(nUser, UserObjectCount());
    EXPECT_EQ(0, CCountedItem::s_nAlive);
    hidden.DestroyWindow();
}

}  // namespace
