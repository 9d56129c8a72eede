// The outlook bar under the mouse: hot tracking, clicks, folder buttons,
// held scroll buttons, dragging within and between folders, the context
// menu, the selection jiggle and the sliding folder change, each checked by
// what the owner is told, in order, and by what shows.
#include "bars/outbar.h"

#include "kxres_ids.h"
#include "outbar_fixture.h"
#include "support/menu_loop.h"
#include "support/pixel_assert.h"
#include "support/png_artifact.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using kxtest::OutBarTest;
using Seq = std::vector<std::string>;

class OutBarTrackTest : public OutBarTest {
protected:
    // The notifications so far without the hover ones.
    Seq NotesBut(int nCode) {
        Seq notes = Notes();
        const std::string prefix = std::to_string(nCode) + ":";
        notes.erase(std::remove_if(notes.begin(), notes.end(), [&](const std::string& s) { return s.rfind(prefix, 0) == 0; }),
                    notes.end());
        return notes;
    }
    // The real cursor over pt of the bar, and what its move caused forgotten:
    // the system's own mouse messages then agree with the posted ones.
    void CursorAt(CKXOutBarCtrl& bar, CPoint pt) {
        kxtest::MoveCursorTo(bar.m_hWnd, pt);
        kxtest::PumpUntilIdle();
        Notes();
    }
    CString Names(CKXOutBarCtrl& bar, int nFolder) {
        CString s;
        for (int i = 0; i < bar.GetBarFolder(nFolder)->GetItemCount(); ++i)
            s += (i ? "," : "") + bar.GetBarFolderItem(nFolder, i)->GetName();
        return s;
    }
    // A press at from, moves through the points, release at the last one.
    static void Drag(HWND hWnd, CPoint from, std::initializer_list<CPoint> through) {
        kxtest::PostMouseDown(hWnd, from);
        CPoint last = from;
        for (CPoint pt : through) kxtest::PostMouseMove(hWnd, last = pt, MK_LBUTTON);
        kxtest::PostMouseUp(hWnd, last);
        kxtest::PumpUntilIdle();
    }
    // The same from item nIndex with the real cursor there; the
    // notifications but the hover ones.
    Seq DragItem(CKXOutBarCtrl& bar, int nIndex, std::initializer_list<CPoint> through) {
        CursorAt(bar, Center(bar, nIndex));
        Drag(bar.m_hWnd, Center(bar, nIndex), through);
        return NotesBut(OBN_ITEMHOVER);
    }
};

TEST_F(OutBarTrackTest, HoverAnnouncesAnItemOnceAndLeavesSilently) {
    CKXOutBarCtrl bar;
    Make(bar);
    const CKXAuxData& aux = CKXAuxData::Get();
    kxtest::PostMouseMove(bar.m_hWnd, Center(bar, 0));
    kxtest::PostMouseMove(bar.m_hWnd, Center(bar, 0) + CPoint(3, 3));
    kxtest::PumpUntilIdle();
    EXPECT_EQ(Seq{"6:0,-1,-1,-1,-1,F,Inbox"}, Notes());
    EXPECT_EQ(0, bar.GetHilightItem());
    kxtest::Capture shot = kxtest::PrintClient(bar.m_hWnd);
    kxtest::WritePng(shot, "hot");
    EXPECT_PIXEL(shot, 83, 25, aux.clrBtnFace);       // raised: light top left,
    EXPECT_PIXEL(shot, 116, 59, aux.clrWindowFrame);  // dark bottom right

    // Onto a folder button: the item goes without a word, the button lights;
    // the real cursor is elsewhere, so a tick of the timer ends that too.
    kxtest::PostMouseMove(bar.m_hWnd, CPoint(100, 267));
    kxtest::PumpUntilIdle();
    EXPECT_EQ(-1, bar.GetHilightItem());
    EXPECT_PIXEL(kxtest::PrintClient(bar.m_hWnd), 199, 270, aux.clrWindowFrame);
    kxtest::PumpFor(250);
    EXPECT_PIXEL(kxtest::PrintClient(bar.m_hWnd), 199, 270, aux.clrBtnShadow);
    EXPECT_FALSE(::KillTimer(bar.m_hWnd, KX_OUTBAR_TIMER_HOVER));  // stopped already
    EXPECT_TRUE(Notes().empty());

    // Refused by the owner, or disabled: plain.  SetCurSel makes an item hot
    // (here pushed) without selecting it.
    m_replies[OBN_ITEMHOVER] = 0;
    kxtest::PostMouseMove(bar.m_hWnd, Center(bar, 1));
    bar.EnableItem(0, 2, false);
    kxtest::PostMouseMove(bar.m_hWnd, Center(bar, 2));
    kxtest::PumpUntilIdle();
    EXPECT_EQ(Seq{"6:1,-1,-1,-1,-1,F,Calendar"}, Notes());
    EXPECT_EQ(-1, bar.GetHilightItem());
    m_replies[OBN_ITEMHOVER] = 1;
    bar.SetCurSel(3, TRUE);
    EXPECT_EQ(3, bar.GetHilightItem());
    EXPECT_EQ(-1, bar.GetCurSel());
    CRect rc;
    bar.GetIconRect(0, 3, rc);
    EXPECT_PIXEL(kxtest::PrintClient(bar.m_hWnd), rc.left - 1, rc.top - 1, aux.clrWindowFrame);  // sunken
}

TEST_F(OutBarTrackTest, AClickSelectsWhatTheOwnerAllows) {
    CKXOutBarCtrl bar;
    Make(bar, OUTBAR_DEFAULTFLAGS | OUTBAR_SHOWSELECTION);
    CursorAt(bar, Center(bar, 1));
    kxtest::PostMouseDown(bar.m_hWnd, Center(bar, 1));
    kxtest::PostMouseUp(bar.m_hWnd, Center(bar, 1));
    kxtest::PumpUntilIdle();
    EXPECT_EQ((Seq{"6:1,-1,-1,-1,-1,F,Calendar", "1:1,-1,-1,-1,-1,F,Calendar"}), Notes());
    EXPECT_EQ(1, bar.GetCurSel());
    EXPECT_EQ(1, bar.GetBarFolder(0)->GetSelIndex());
    // The selected icon keeps a sunken frame and is not hot-tracked.
    CRect rc;
    bar.GetIconRect(0, 1, rc);
    EXPECT_PIXEL(kxtest::PrintClient(bar.m_hWnd), rc.left - 1, rc.top - 1, CKXAuxData::Get().clrWindowFrame);
    EXPECT_EQ(-1, bar.GetHilightItem());

    // Refused: the selection stays.  Disabled: clicked, not selected.
    m_replies[OBN_ITEMCLICK] = 2;
    EXPECT_EQ(Seq{"1:0,-1,-1,-1,-1,F,Inbox"}, DragItem(bar, 0, {}));
    m_replies[OBN_ITEMCLICK] = 1;
    bar.EnableItem(0, 2, false);
    EXPECT_EQ(Seq{"1:2,-1,-1,-1,-1,F,Contacts"}, DragItem(bar, 2, {}));
    EXPECT_EQ(1, bar.GetCurSel());
    // Released over another item: no click; back over the pressed one: a click.
    EXPECT_TRUE(DragItem(bar, 0, {Center(bar, 3)}).empty());
    EXPECT_EQ(Seq{"1:0,-1,-1,-1,-1,F,Inbox"}, DragItem(bar, 0, {Center(bar, 3), Center(bar, 0)}));
    EXPECT_EQ(0, bar.GetCurSel());
}

TEST_F(OutBarTrackTest, AFolderButtonSelectsTheFolderWhereItIsReleased) {
    CKXOutBarCtrl bar;
    Make(bar);
    Drag(bar.m_hWnd, CPoint(100, 267), {CPoint(100, 280), CPoint(100, 290)});  // pressed "Small", released on "Tree"
    EXPECT_EQ(Seq{"5:2,-1,-1,-1,-1,T,Tree"}, Notes());
    EXPECT_EQ(2, bar.GetSelFolder());
    Drag(bar.m_hWnd, CPoint(100, 30), {CPoint(100, 50)});  // released on the selected folder's button
    Drag(bar.m_hWnd, CPoint(100, 30), {CPoint(300, 50)});  // released outside
    EXPECT_TRUE(Notes().empty());
    EXPECT_EQ(2, bar.GetSelFolder());
    Drag(bar.m_hWnd, CPoint(100, 10), {});
    EXPECT_EQ(0, bar.GetSelFolder());
}

void CALLBACK ReleaseLater(HWND hWnd, UINT, UINT_PTR nID, DWORD) {
    ::KillTimer(hWnd, nID);
    ::PostMessageA(::GetCapture() ? ::GetCapture() : hWnd, WM_LBUTTONUP, 0, 0);
}

TEST_F(OutBarTrackTest, AHeldScrollButtonRepeatsUntilTheEnd) {
    CKXOutBarCtrl bar;
    Make(bar, OUTBAR_DEFAULTFLAGS, CRect(0, 0, 200, 200));  // inside 21 to 156: two items of four
    int nIndex = -1, nFirst = 0, nLast = 0;
    CRect rcInside;
    bar.GetInsideRect(rcInside);
    const CPoint ptDown(186, rcInside.bottom - 10);
    ASSERT_EQ(OBHT_SCROLLDOWN, bar.HitTestEx(ptDown, nIndex));
    // Held: one step a tick until the last item fits, then it lets go by itself
    // (a timer releases the button later should it not).
    CursorAt(bar, ptDown);
    ::SetTimer(bar.m_hWnd, 77, 3000, ReleaseLater);
    kxtest::PostMouseDown(bar.m_hWnd, ptDown);
    kxtest::PumpUntilIdle();
    EXPECT_EQ(nullptr, ::GetCapture());
    bar.GetVisibleRange(0, nFirst, nLast);
    EXPECT_EQ(2, nFirst);
    EXPECT_EQ(3, nLast);
    EXPECT_FALSE(bar.CanScrollDown());
    ::KillTimer(bar.m_hWnd, 77);
    kxtest::PumpUntilIdle();
    EXPECT_EQ(OBHT_SCROLLUP, bar.HitTestEx(CPoint(186, rcInside.top + 10), nIndex));
    EXPECT_NE(OBHT_SCROLLDOWN, bar.HitTestEx(ptDown, nIndex));

    // A click on the up button: one step, on release over it; released
    // elsewhere: none.
    Drag(bar.m_hWnd, CPoint(186, rcInside.top + 10), {});
    bar.GetVisibleRange(0, nFirst, nLast);
    EXPECT_EQ(1, nFirst);
    Drag(bar.m_hWnd, CPoint(186, rcInside.top + 10), {CPoint(100, 100)});
    bar.GetVisibleRange(0, nFirst, nLast);
    EXPECT_EQ(1, nFirst);
    EXPECT_TRUE(Notes().empty());
}

TEST_F(OutBarTrackTest, DraggingMovesItemsWithinAFolderAndIntoAnother) {
    CKXOutBarCtrl bar;
    Make(bar);
    bar.RemoveItem(3);  // three items: room below the last one
    bar.SetSelItem(0, 1);
    const CPoint ptMargin(10, 100), ptBelow(100, 240), ptSmall(100, 267);
    EXPECT_EQ((Seq{"9:0,-1,-1,0,-1,F,Inbox", "4:0,0,2,0,0,F,Inbox"}), DragItem(bar, 0, {ptMargin, Center(bar, 2)}));
    EXPECT_EQ("Calendar,Inbox,Contacts", Names(bar, 0));
    EXPECT_EQ(0, bar.GetCurSel());  // still on "Calendar"
    EXPECT_EQ((Seq{"9:0,-1,-1,0,-1,F,Calendar", "4:3,0,3,0,0,F,Calendar"}), DragItem(bar, 0, {ptMargin, ptBelow}));
    EXPECT_EQ("Inbox,Contacts,Calendar", Names(bar, 0));
    EXPECT_EQ(2, bar.GetCurSel());

    // Refused: nothing moves.
    m_replies[OBN_ITEMMOVED] = 0;
    EXPECT_EQ((Seq{"9:2,-1,-1,0,-1,F,Calendar", "4:2,2,0,0,0,F,Calendar"}), DragItem(bar, 2, {ptMargin, Center(bar, 0)}));
    EXPECT_EQ("Inbox,Contacts,Calendar", Names(bar, 0));

    // Onto another folder's button: only with OUTBAR_DROPONFOLDERS.
    m_replies[OBN_ITEMMOVED] = 1;
    EXPECT_EQ((Seq{"9:0,-1,-1,0,-1,F,Inbox"}), DragItem(bar, 0, {ptMargin, ptSmall}));
    bar.ModifyFlag(0, OUTBAR_DROPONFOLDERS);
    EXPECT_EQ((Seq{"9:0,-1,-1,0,-1,F,Inbox", "4:0,0,-1,0,1,F,Inbox"}), DragItem(bar, 0, {ptMargin, ptSmall}));
    EXPECT_EQ("Contacts,Calendar", Names(bar, 0));
    EXPECT_EQ("Notes,Journal,Inbox", Names(bar, 1));
    EXPECT_EQ(2, bar.GetCurSel());  // the index stays

    // Without OUTBAR_DRAGITEMS leaving the item starts nothing.
    bar.ModifyFlag(OUTBAR_DRAGITEMS, 0);
    EXPECT_TRUE(DragItem(bar, 0, {ptMargin, ptBelow}).empty());
    EXPECT_EQ("Contacts,Calendar", Names(bar, 0));
}

// The popup's items in order: command id, and '+' enabled, '-' greyed,
// '*' checked; '|' a separator.
std::string MenuItems(HWND hPopup) {
    HMENU hMenu = reinterpret_cast<HMENU>(::SendMessageA(hPopup, MN_GETHMENU, 0, 0));
    std::string s;
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i) {
        const UINT nState = ::GetMenuState(hMenu, static_cast<UINT>(i), MF_BYPOSITION);
        if (nState & MF_SEPARATOR) {
            s += "| ";
            continue;
        }
        s += std::to_string(::GetMenuItemID(hMenu, i));
        s += (nState & MF_GRAYED) ? '-' : '+';
        if (nState & MF_CHECKED) s += '*';
        s += ' ';
    }
    return s;
}

TEST_F(OutBarTrackTest, TheContextMenuOffersWhatTheFlagsAllow) {
    CKXOutBarCtrl bar;
    Make(bar);
    auto open = [&](CPoint pt, char chChoose, std::string& items) {
        items.clear();
        return kxtest::WithMenu(
            m_window.hwnd(), [&] { bar.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(pt.x, pt.y)); },
            [&](HWND hPopup) {
                items = MenuItems(hPopup);
                kxtest::PostChar(hPopup, chChoose);
            });
    };
    std::string items;
    m_replies[OBN_CONTEXTMENU] = 0;
    EXPECT_FALSE(open(Center(bar, 1), 'r', items));
    const Seq refused = Notes();  // asked again as no popup showed
    ASSERT_FALSE(refused.empty());
    EXPECT_EQ(Seq(refused.size(), "10:1,0,0,0,0,F,<null>"), refused);

    // On an item: the view commands (the large one checked and greyed: the
    // folder shows large icons), then remove and rename.
    m_replies[OBN_CONTEXTMENU] = 1;
    ASSERT_TRUE(open(Center(bar, 1), 'r', items));
    EXPECT_EQ("59408+ 59409-* | 18043+ 18044+ ", items);
    EXPECT_EQ((Seq{"10:1,0,0,0,0,F,<null>", "7:1,-1,-1,-1,-1,F,Calendar"}), Notes());
    EXPECT_EQ("Contacts", bar.GetItemText(1));

    // On a folder button, renaming only; "Small Icons" switches the view.
    bar.ModifyFlag(OUTBAR_REMOVEFOLDERS, 0);
    ASSERT_TRUE(open(CPoint(100, 10), 'm', items));
    EXPECT_EQ("59408+ 59409-* | 18044+ ", items);
    EXPECT_EQ(Seq{"10:0,0,0,0,0,T,<null>"}, Notes());
    EXPECT_TRUE(bar.IsSmallIconView(0));

    // Elsewhere: the view commands alone.
    ASSERT_TRUE(open(CPoint(100, 250), 'g', items));
    EXPECT_EQ("59408-* 59409+ ", items);
    EXPECT_EQ(Seq{"10:-1,0,0,0,0,T,<null>"}, Notes());
    EXPECT_FALSE(bar.IsSmallIconView(0));
}

TEST_F(OutBarTrackTest, TheSelectedIconJiggles) {
    CKXOutBarCtrl bar;
    Make(bar);
    bar.SetSelItem(0, 0);
    CRect rc;
    bar.GetIconRect(0, 0, rc);
    kxtest::BringToTopIfCovered(m_window.hwnd());
    bar.RedrawWindow();
    // One frame by hand: the icon one pixel left and down, its cell cleared.
    bar.DrawAnimItem(-1, 1, 0);
    CClientDC dc(&bar);
    EXPECT_EQ(kxtest::kIconColors[0], dc.GetPixel(rc.left - 1, rc.top + 1));
    EXPECT_EQ(CKXAuxData::Get().clrBtnShadow, dc.GetPixel(rc.right - 1, rc.top));
    // The timer runs while a period is set.
    bar.SetAnimSelHighlight(15);
    kxtest::PumpFor(100);
    bar.SetAnimSelHighlight(0);
    EXPECT_FALSE(::KillTimer(bar.m_hWnd, KX_OUTBAR_TIMER_JIGGLE));
}

TEST_F(OutBarTrackTest, TheSlideEndsInTheFinalPicture) {
    CKXOutBarCtrl bar;
    Make(bar, OUTBAR_DEFAULTFLAGS | OUTBAR_ANIMATEFOLDERS);
    bar.SetAnimationTickCount(1);
    kxtest::BringToTopIfCovered(m_window.hwnd());
    bar.RedrawWindow();
    // What is on the screen when SetSelFolder returns, before any repaint,
    // is the new folder's picture: the last frame of the slide.
    for (int nTo : {1, 2, 0}) {
        bar.SetSelFolder(nTo);
        CRect rcClient;
        bar.GetClientRect(&rcClient);
        HDC hDC = ::GetDC(bar.m_hWnd);
        const kxtest::Capture screen = kxtest::CaptureDC(hDC, rcClient);
        ::ReleaseDC(bar.m_hWnd, hDC);
        kxtest::PumpUntilIdle();
        const kxtest::Capture final = kxtest::GrabClient(bar.m_hWnd);
        kxtest::WritePng(screen, "slide" + std::to_string(nTo));
        EXPECT_EQ(final.pixels(), screen.pixels()) << "to folder " << nTo;
    }
    EXPECT_EQ(0, bar.GetSelFolder());
}

}  // namespace
