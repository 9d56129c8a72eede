// Property items in a live grid: captions from resources, building the tree
// under shown and hidden items, refusing bad input, committing values, the
// closed list's double click, and removing the item being edited.
#include "grid_fixture.h"
#include "support/assert_capture.h"
#include "propgrid_test_res.h"

#include <utility>

namespace {

using kxtest::Codes;
using kxtest::GridTest;

TEST_F(GridTest, CaptionsAndDescriptionsComeFromStringResources) {
    CString strBound = "old";
    struct {
        UINT nID;
        const char* pszCaption;
        const char* pszDescription;
    } cases[] = {
        {IDS_TEST_NAME_AND_SENTENCE, "Name", "The name of the object."},
        {IDS_TEST_CAPTION_ONLY, "Whole caption", ""},
        {IDS_TEST_TWO_LINE_FEEDS, "Title", "First line.\nSecond line."},
        {IDS_TEST_MISSING, "", ""},
    };
    for (const auto& c : cases) {
        CKXPropertyGridItem* pItem = new CKXPropertyGridItem(c.nID, "value", &strBound);
        EXPECT_EQ(c.pszCaption, pItem->GetCaption());
        EXPECT_EQ(c.pszDescription, pItem->GetDescription());
        EXPECT_EQ("value", strBound);  // bound at once
        pItem->InternalRelease();
    }

    // The shortcut takes the resource too, and replaces the flags only when
    // asked to.
    CKXPropertyGridItem* pCategory = m_grid.AddCategory("C");
    EXPECT_EQ(0u, pCategory->GetFlags());
    CKXPropertyGridItem* pItem = pCategory->AddChildItem(IDS_TEST_NAME_AND_SENTENCE, "v");
    EXPECT_EQ("Name", pItem->GetCaption());
    EXPECT_EQ(UINT(KX_ITEM_EDIT), pItem->GetFlags());
    EXPECT_EQ(UINT(KX_ITEM_BROWSE_BUTTON), pCategory->AddChildItem(IDS_TEST_CAPTION_ONLY, "v", 2)->GetFlags());
}

TEST_F(GridTest, AddingChildrenChangesOnlyTheRowsThatShowThem) {
    CKXPropertyGridItem* pCategory = m_grid.AddCategory("A");
    EXPECT_EQ("A", Rows());

    // The first child of a collapsed, shown item only redraws (its box).
    View().ValidateRect(nullptr);
    CKXPropertyGridItem* pOne = Add(pCategory, "one", "1");
    EXPECT_TRUE(View().GetUpdateRect(nullptr));
    View().ValidateRect(nullptr);
    Add(pCategory, "two", "2");
    EXPECT_FALSE(View().GetUpdateRect(nullptr));
    EXPECT_EQ("A", Rows());

    // Under an expanded one the rows are rebuilt; under a hidden one nothing.
    pCategory->Expand();
    Add(pCategory, "three", "3");
    EXPECT_EQ("A one two three", Rows());
    CKXPropertyGridItem* pDeep = Add(pOne, "deep", "d");
    View().ValidateRect(nullptr);
    Add(pDeep, "deeper", "d");
    EXPECT_FALSE(View().GetUpdateRect(nullptr));
    EXPECT_EQ("A one two three", Rows());

    // A subtree built apart takes the view and its depth when it is added.
    CKXPropertyGridItem* pLoose = new CKXPropertyGridItem("loose");
    CKXPropertyGridItem* pInner = pLoose->AddChildItem(new CKXPropertyGridItem("inner"));
    EXPECT_EQ(nullptr, pInner->GetGrid());
    Add(pOne, "x", "x")->AddChildItem(pLoose);
    EXPECT_EQ(&View(), pInner->GetGrid());
    EXPECT_EQ(4, pInner->GetIndent());  // A, one, x, loose, inner
    EXPECT_TRUE(pInner->HasParent(pCategory));
    EXPECT_FALSE(pCategory->HasParent(pInner));

    // One owner per item: nothing changes for an item that has one, for a
    // category, for an ancestor or for none.
    CKXPropertyGridItem* pTwo = pCategory->GetChilds()->GetAt(1);
    for (auto [pTo, pAdded] : {std::pair{pTwo, pOne}, {pTwo, pCategory}, {pInner, pOne}, {pTwo, pTwo},
                               {pTwo, static_cast<CKXPropertyGridItem*>(nullptr)}}) {
        CKXPropertyGridItem* pResult = pTo;
        EXPECT_ASSERTS(pResult = pTo->AddChildItem(pAdded));
        EXPECT_EQ(nullptr, pResult);
    }
    EXPECT_EQ(pCategory, pOne->GetParentItem());
    EXPECT_EQ(3, pCategory->GetChilds()->GetCount());

    // Out-of-range indexes change nothing.
    for (int i : {3, -1}) {
        EXPECT_EQ(nullptr, pCategory->GetChilds()->GetAt(i));
        pCategory->GetChilds()->RemoveAt(i);
    }
    EXPECT_EQ(3, pCategory->GetChilds()->GetCount());
    EXPECT_EQ(pInner, m_grid.GetCategories()->FindItem("inner"));
    pTwo->SetID(42);
    EXPECT_EQ(pTwo, m_grid.GetCategories()->FindItem(42u));
    EXPECT_EQ(nullptr, View().GetItem(99));
}

TEST_F(GridTest, OnlyAChangedTextReachesTheOwnerAndTheBoundString) {
    Fill();
    CString strBound;
    m_pCaption->BindToString(&strBound);
    EXPECT_EQ("Hello", strBound);
    m_pCaption->Select();
    CKXPropertyGridInplaceEdit& edit = View().GetInplaceEdit();
    ASSERT_EQ(m_pCaption, edit.GetItem());
    TakeCodes();

    m_pCaption->OnValidateEdit();  // the text equals the value
    EXPECT_EQ(Codes{}, TakeCodes());
    m_pCaption->OnSelect();
    edit.SetWindowText("World");
    TakeCodes();
    m_pCaption->OnValidateEdit();
    EXPECT_EQ(Codes{KX_PGN_ITEMVALUE_CHANGED}, TakeCodes());
    EXPECT_EQ("World", m_pCaption->GetValue());
    EXPECT_EQ("World", strBound);

    // The value set by the program shows in the open edit; the bound string
    // is read back on request.
    m_pCaption->OnSelect();
    m_pCaption->SetValue("Program");
    EXPECT_EQ("Program", Text(edit));
    strBound = "Bound";
    EXPECT_TRUE(m_pCaption->UpdateData(FALSE));
    EXPECT_EQ("Bound", m_pCaption->GetValue());
}

TEST_F(GridTest, DoubleClickOnAClosedListCyclesItsConstraints) {
    Fill();
    m_pColour->SetFlags(KX_ITEM_LIST_BUTTON);
    m_pColour->SetValue("Purple");  // none of them: the first
    m_pColour->Select();
    TakeCodes();
    m_pColour->OnLButtonDblClk();
    EXPECT_EQ("Red", m_pColour->GetValue());
    EXPECT_EQ(0, m_pColour->GetConstraints()->GetCurrent());
    m_pColour->GetConstraints()->SetCurrent(2);
    m_pColour->OnLButtonDblClk();  // from the last, round to the first
    EXPECT_EQ("Red", m_pColour->GetValue());
    EXPECT_EQ(Codes({KX_PGN_ITEMVALUE_CHANGED, KX_PGN_ITEMVALUE_CHANGED}), TakeCodes());
    m_pColour->SetReadOnly(TRUE);
    m_pColour->OnLButtonDblClk();
    EXPECT_EQ("Red", m_pColour->GetValue());

    // An item with children toggles instead.
    m_pMargins->OnLButtonDblClk();
    EXPECT_TRUE(m_pMargins->IsExpanded());
    EXPECT_EQ("Appearance Colour Caption Fixed Layout Width Margins Left Right", Rows());
}

TEST_F(GridTest, RemovingTheItemBeingEditedCommitsAndForgetsIt) {
    Fill();
    m_pCaption->Select();
    CKXPropertyGridInplaceEdit& edit = View().GetInplaceEdit();
    edit.SetWindowText("Typed");
    TakeCodes();
    CKXPropertyGridItem* pCaption = m_pCaption;
    pCaption->InternalAddRef();  // kept alive to look at it afterwards
    pCaption->Remove();
    EXPECT_EQ(Codes{KX_PGN_ITEMVALUE_CHANGED}, TakeCodes());
    EXPECT_EQ("Typed", pCaption->GetValue());
    EXPECT_FALSE(edit.IsWindowVisible());
    EXPECT_FALSE(pCaption->IsVisible());
    EXPECT_EQ(nullptr, View().GetSelectedItem());
    EXPECT_EQ("Appearance Colour Fixed Layout Width Margins", Rows());
    pCaption->InternalRelease();
    EXPECT_EQ(nullptr, edit.GetItem());

    // A whole category, and its children's list, go the same way.
    m_pWidth->Select();
    m_pLayout->Remove();
    EXPECT_EQ("Appearance Colour Fixed", Rows());
    m_pAppearance->GetChilds()->RemoveAt(0);
    EXPECT_EQ("Appearance Fixed", Rows());
    m_pAppearance->GetChilds()->Clear();
    EXPECT_EQ("Appearance", Rows());
    EXPECT_FALSE(m_pAppearance->HasChilds());
}

}  // namespace
