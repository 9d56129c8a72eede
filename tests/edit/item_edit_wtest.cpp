// The in-place item editor tells its owner exactly once, whatever ends it:
// Enter (pre-translated or as a character), Escape, the focus leaving, or
// the owner's window going first.  Each path is checked by the messages the
// owner receives.
#include "edit/item_edit.h"

#include "core/button.h"
#include "edit_fixture.h"
#include "support/named_lock.h"
#include "support/input.h"
#include "support/msg_recorder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using kxtest::EditTest;
using kxtest::ExpectedMessage;

class ItemEditTest : public EditTest {
protected:
    // Its dialogs, menus and focus checks want the foreground to themselves.
    kxtest::CursorLock m_cursorLock;

    void SetUp() override {
        EditTest::SetUp();
        m_rec.Watch(m_window.hwnd(), "owner", {WM_COMMAND});
    }
    // Made with auto-delete, as an owner makes it.
    CKXItemEdit* Start(DWORD dwBStyle = 0) {
        auto* p = new CKXItemEdit(&m_parent, CRect(20, 20, 220, 42), m_strText, dwBStyle);
        m_hEdit = p->m_hWnd;
        return p;
    }
    // What the owner was told: its WM_COMMAND messages with the editor's
    // two codes (the platform edit's own notifications left out).
    static std::vector<kxtest::RecordedMessage> Reports(std::vector<kxtest::RecordedMessage> records) {
        std::vector<kxtest::RecordedMessage> reports;
        for (const kxtest::RecordedMessage& m : records)
            if (m.code == CKXItemEdit::kNotifyApplied || m.code == CKXItemEdit::kNotifyCancelled) reports.push_back(m);
        return reports;
    }
    static ExpectedMessage Told(WORD wCode) {
        return ExpectedMessage("owner", WM_COMMAND, kxtest::kSent, wCode)
            .WithWParam(MAKEWPARAM(CKXItemEdit::kControlID, wCode));
    }

    CString m_strText = "before";
    HWND m_hEdit = nullptr;
    kxtest::MessageRecorder m_rec;
};

TEST_F(ItemEditTest, ItStartsOverTheRectangleWithTheTextSelectedAndTheFocus) {
    CKXItemEdit* p = Start(1);
    ASSERT_TRUE(::IsWindow(m_hEdit));
    EXPECT_EQ(static_cast<int>(CKXItemEdit::kControlID), p->GetDlgCtrlID());
    EXPECT_EQ(m_hEdit, ::GetFocus());
    int nStart = -1, nEnd = -1;
    p->GetSel(nStart, nEnd);
    EXPECT_EQ(0, nStart);
    EXPECT_EQ(6, nEnd);
    // The button sits right against the edit; the pair fills the rectangle.
    CRect rcEdit, rcButton;
    p->GetWindowRect(&rcEdit);
    ASSERT_NE(nullptr, p->GetButton());
    p->GetButton()->GetWindowRect(&rcButton);
    EXPECT_EQ(rcEdit.right, rcButton.left);
    EXPECT_EQ(200, rcButton.right - rcEdit.left);
    // The focus going to its own button does not end the edit.
    p->GetButton()->SetFocus();
    kxtest::PumpUntilIdle();
    EXPECT_TRUE(kxtest::SequenceIs(Reports(m_rec.Take()), {}));
    p->SetFocus();
    p->SendMessage(WM_CHAR, VK_ESCAPE);
    kxtest::PumpUntilIdle();
    EXPECT_FALSE(::IsWindow(m_hEdit));
}

TEST_F(ItemEditTest, EnterAppliesOnceAndTheFocusLeavingAfterwardsSaysNothing) {
    CKXItemEdit* p = Start();
    p->SetWindowText("after");
    kxtest::PostKeyDown(m_hEdit, VK_RETURN);
    kxtest::PostKeyUp(m_hEdit, VK_RETURN);
    PumpTranslated();
    EXPECT_TRUE(kxtest::SequenceIs(Reports(m_rec.Take()), {Told(CKXItemEdit::kNotifyApplied).WithLParam(
                                                      reinterpret_cast<LPARAM>(m_hEdit))}));
    EXPECT_STREQ("after", m_strText);
    EXPECT_FALSE(::IsWindow(m_hEdit));  // closed, and deleted itself
}

TEST_F(ItemEditTest, EscapeCancelsOnceAndLeavesTheCallersText) {
    CKXItemEdit* p = Start();
    p->SetWindowText("typed");
    kxtest::PostKeyDown(m_hEdit, VK_ESCAPE);
    PumpTranslated();
    m_parent.SetFocus();  // the focus leaving afterwards adds nothing
    PumpTranslated();
    EXPECT_TRUE(kxtest::SequenceIs(Reports(m_rec.Take()), {Told(CKXItemEdit::kNotifyCancelled)}));
    EXPECT_STREQ("before", m_strText);
    EXPECT_FALSE(::IsWindow(m_hEdit));
}

TEST_F(ItemEditTest, TheFocusLeavingOrEnterAsACharacterApplies) {
    CKXItemEdit* p = Start();
    p->SetWindowText("by focus");
    m_parent.SetFocus();
    kxtest::PumpUntilIdle();
    EXPECT_TRUE(kxtest::SequenceIs(Reports(m_rec.Take()), {Told(CKXItemEdit::kNotifyApplied)}));
    EXPECT_STREQ("by focus", m_strText);
    EXPECT_FALSE(::IsWindow(m_hEdit));

    // No loop pre-translates here: Enter arrives as a character.
    p = Start();
    p->SetWindowText("by char");
    kxtest::PostChar(m_hEdit, '\r', VK_RETURN);
    kxtest::PumpUntilIdle();
    EXPECT_TRUE(kxtest::SequenceIs(Reports(m_rec.Take()), {Told(CKXItemEdit::kNotifyApplied)}));
    EXPECT_STREQ("by char", m_strText);
}

TEST_F(ItemEditTest, AnOwnerDestroyedFirstHearsOnce) {
    // The owner is a child window of the host, with the editor inside it.
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 100),
                               &m_parent, 7));
    m_rec.Watch(owner.m_hWnd, "owner", {WM_COMMAND});  // one recorder per thread
    CString strText = "x";
    auto* p = new CKXItemEdit(&owner, CRect(10, 10, 200, 32), strText, 4);
    p->SetWindowText("kept");
    const HWND hEdit = p->m_hWnd;
    owner.DestroyWindow();
    kxtest::PumpUntilIdle();
    EXPECT_TRUE(kxtest::SequenceIs(Reports(m_rec.Take()), {Told(CKXItemEdit::kNotifyApplied)}));
    EXPECT_STREQ("kept", strText);
    EXPECT_FALSE(::IsWindow(hEdit));

    // Without auto-delete the object outlives its window and says no more.
    {
        CKXItemEdit edit(&m_parent, CRect(20, 20, 220, 42), m_strText, 0, false);
        edit.SendMessage(WM_CHAR, VK_RETURN);
        edit.EndLabelEdit();
        kxtest::PumpUntilIdle();
        EXPECT_FALSE(::IsWindow(edit.m_hWnd));
        edit.EndLabelEdit();
    }
    EXPECT_TRUE(kxtest::SequenceIs(Reports(m_rec.Take()), {Told(CKXItemEdit::kNotifyApplied)}));
}

}  // namespace
