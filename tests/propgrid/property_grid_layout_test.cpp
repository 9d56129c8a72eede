// The geometry of the grid view and the constraint rules, at their edges.
#include "propgrid/constraint_rules.h"
#include "propgrid/property_grid_layout.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(PropertyGridLayout, DividerPositionHitZoneAndClamps) {
    EXPECT_EQ(150, KXDividerPos(300, 0.5));
    EXPECT_EQ(99, KXDividerPos(199, 0.5));  // truncated
    EXPECT_EQ(0, KXDividerPos(300, std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(KXIsOnDivider(146, 150));
    EXPECT_TRUE(KXIsOnDivider(147, 150));
    EXPECT_TRUE(KXIsOnDivider(152, 150));
    EXPECT_FALSE(KXIsOnDivider(153, 150));

    // Dragging to x = 10 or 290 of 300 stops at 30 and 255.
    EXPECT_EQ(30, KXDividerPos(300, KXDividerRatioAt(10, 300, 0.5)));
    EXPECT_EQ(255, KXDividerPos(300, KXDividerRatioAt(290, 300, 0.5)));
    EXPECT_DOUBLE_EQ(0.5, KXDividerRatioAt(10, 0, 0.5));
    // Ctrl+arrows: two pixels a step, with the same limits.
    EXPECT_EQ(152, KXDividerPos(300, KXMoveDividerRatio(0.5, 2, 300)));
    EXPECT_DOUBLE_EQ(0.85, KXMoveDividerRatio(0.849, 2, 300));
    EXPECT_DOUBLE_EQ(0.1, KXMoveDividerRatio(0.1, -2, 300));
}

TEST(PropertyGridLayout, ExpandBandAndRowRectangles) {
    for (int x : {0, 14}) EXPECT_TRUE(KXIsInExpandBand(1, x)) << x;
    EXPECT_FALSE(KXIsInExpandBand(1, 15));
    EXPECT_TRUE(KXIsInExpandBand(0, 14));
    for (int x : {27, 43}) EXPECT_FALSE(KXIsInExpandBand(3, x)) << x;
    for (int x : {28, 42}) EXPECT_TRUE(KXIsInExpandBand(3, x)) << x;

    // The box is centred on the row and moves with the depth; the caption
    // of a top item starts one indent in for the painters that ask so.
    const CRect row(0, 32, 300, 48);
    EXPECT_EQ(CRect(16, 36, 25, 45), KXLayoutPropertyRow(row, 150, 2).rcExpandBox);
    EXPECT_EQ(CRect(2, 36, 11, 45), KXLayoutPropertyRow(row, 150, 1).rcExpandBox);
    EXPECT_EQ(3, KXLayoutPropertyRow(row, 150, 0).rcCaptionText.left);
    EXPECT_EQ(17, KXLayoutPropertyRow(row, 150, 0, true).rcCaptionText.left);
}

TEST(PropertyGridLayout, ConstraintListPlacement) {
    KX_CONSTRAINT_LIST_METRICS m;
    m.rcRow = CRect(100, 200, 400, 216);
    m.xValueLeft = 251;
    m.cxWidestText = 60;
    m.cxHThumb = 16;
    m.cyLine = 13;
    m.rcWork = CRect(0, 0, 1024, 768);
    m.nCount = 25;
    EXPECT_EQ(CRect(251, 216, 400, 216 + 132), KXPlaceConstraintList(m));  // 10 lines
    m.nCount = 3;
    EXPECT_EQ(CRect(251, 216, 400, 216 + 41), KXPlaceConstraintList(m));
    // Wide texts widen it, up to the row less 14.
    m.cxWidestText = 200;
    EXPECT_EQ(232, KXPlaceConstraintList(m).Width());
    m.cxWidestText = 600;
    EXPECT_EQ(286, KXPlaceConstraintList(m).Width());
    // Near the bottom of the work area it goes above the row, not when the
    // row is in the upper half (a very short work area).
    m.rcRow = CRect(100, 740, 400, 756);
    EXPECT_EQ(740, KXPlaceConstraintList(m).bottom);
    m.rcWork = CRect(0, 0, 1024, 800);
    m.rcRow = CRect(100, 300, 400, 316);
    m.cyLine = 60;
    m.nCount = 200;
    EXPECT_EQ(316, KXPlaceConstraintList(m).top);
    EXPECT_EQ(10, KXConstraintListLines(25));
    EXPECT_EQ(0, KXConstraintListLines(-3));
}

TEST(PropertyGridLayout, TipNeedAndPlacement) {
    EXPECT_FALSE(KXTextNeedsTip(94, 3, 100));
    EXPECT_TRUE(KXTextNeedsTip(95, 3, 100));
    const CRect work(0, 0, 800, 600);
    EXPECT_EQ(CRect(700, 10, 790, 26), KXFitTipToWorkArea(CRect(700, 10, 790, 26), work));
    EXPECT_EQ(CRect(710, 10, 800, 26), KXFitTipToWorkArea(CRect(750, 10, 840, 26), work));
    EXPECT_EQ(0, KXFitTipToWorkArea(CRect(100, 10, 1000, 26), work).left);
}

TEST(ConstraintRules, StepCycleFindAndLetter) {
    CStringList list;
    for (const char* p : {"Apple", "banana", "Berry"}) list.AddTail(p);
    EXPECT_EQ(1, KXFindConstraint(list, "banana"));
    EXPECT_EQ(-1, KXFindConstraint(list, "Banana"));
    EXPECT_EQ("Berry", KXConstraintAt(list, 2));
    EXPECT_EQ("", KXConstraintAt(list, 3));

    // Arrow keys stop at the ends; a double click wraps.
    EXPECT_EQ(2, KXStepConstraint(2, -1, 1, false, 3));
    EXPECT_EQ(0, KXStepConstraint(2, -1, 1, true, 3));
    EXPECT_EQ(0, KXStepConstraint(0, -1, -1, false, 3));
    EXPECT_EQ(2, KXStepConstraint(0, -1, -1, true, 3));
    EXPECT_EQ(2, KXStepConstraint(-1, 1, 1, false, 3));  // from the text's index
    EXPECT_EQ(0, KXStepConstraint(-1, -1, 1, false, 3));  // from nothing
    EXPECT_EQ(-1, KXStepConstraint(0, 0, 1, true, 0));

    // A closed list's double click: a value outside the list leads to the
    // first; the last wraps to the first.
    EXPECT_EQ(0, KXCycleConstraint(-1, -1, 3));
    EXPECT_EQ(0, KXCycleConstraint(2, -1, 3));
    EXPECT_EQ(2, KXCycleConstraint(-1, 1, 3));
    EXPECT_EQ(-1, KXCycleConstraint(-1, -1, 0));

    // Typing b with banana current picks Berry, then banana again; with
    // nothing known the search starts at the first.
    EXPECT_EQ(2, KXFindConstraintByLetter(list, 1, 'b'));
    EXPECT_EQ(1, KXFindConstraintByLetter(list, 2, 'B'));
    EXPECT_EQ(0, KXFindConstraintByLetter(list, -1, 'a'));
    EXPECT_EQ(0, KXFindConstraintByLetter(list, 0, 'a'));  // itself after a full cycle
    EXPECT_EQ(-1, KXFindConstraintByLetter(list, 0, 'z'));
    EXPECT_EQ(-1, KXFindConstraintByLetter(list, 0, 0x1F600));
}

TEST(PropertyGridControlLayout, ToolBarViewSplitterAndPane) {
    KX_PROPERTY_GRID_LAYOUT l = KXLayoutPropertyGrid(300, 200, true, 58, false);
    EXPECT_EQ(CRect(0, 0, 300, 139), l.rcView);
    EXPECT_EQ(CRect(0, 139, 300, 142), l.rcSplitter);
    EXPECT_EQ(CRect(0, 142, 300, 200), l.rcHelp);
    EXPECT_TRUE(l.rcToolBar.IsRectEmpty());
    l = KXLayoutPropertyGrid(300, 200, true, 58, true);
    EXPECT_EQ(CRect(1, 1, 299, 24), l.rcToolBar);
    EXPECT_EQ(CRect(0, 25, 300, 139), l.rcView);
    l = KXLayoutPropertyGrid(300, 200, false, 58, false);
    EXPECT_EQ(CRect(0, 0, 300, 200), l.rcView);
    EXPECT_TRUE(l.rcHelp.IsRectEmpty());
    // A pane taller than the grid leaves the view empty, not inverted.
    l = KXLayoutPropertyGrid(300, 40, true, 58, true);
    EXPECT_EQ(25, l.rcView.bottom);
}

TEST(PropertyGridControlLayout, SplitterStaysBetween45AndTwentyAboveTheBottom) {
    EXPECT_EQ(45, KXClampHelpSplitter(-10, 300));
    EXPECT_EQ(280, KXClampHelpSplitter(299, 300));
    EXPECT_EQ(150, KXClampHelpSplitter(150, 300));
    EXPECT_EQ(45, KXClampHelpSplitter(30, 50));  // a short grid: the top limit wins
    EXPECT_EQ(98, KXHelpHeightFromSplitter(200, 300));
}

}  // namespace
