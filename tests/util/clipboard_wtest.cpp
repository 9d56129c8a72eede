// The clipboard helper against the real OLE clipboard: a record round trips
// through a compound file under a registered format; a missing format fails.
#include "util/clipboard.h"

#include "support/named_lock.h"
#include "support/host_window.h"

#include <ole2.h>

#include <gtest/gtest.h>

namespace {

class Record : public CKXClipboard {
public:
    int id = 0;
    CString text;
    void SerializeClipboard(CArchive& ar) override {
        if (ar.IsStoring())
            ar << id << text;
        else
            ar >> id >> text;
    }
};

class ClipboardTest : public kxtest::HostWindowTest {
protected:
    void SetUp() override {
        HostWindowTest::SetUp();
        ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
    }
    void TearDown() override {
        ::OleSetClipboard(nullptr);
        ::OleUninitialize();
        HostWindowTest::TearDown();
    }
    kxtest::ClipboardLock m_clipboardLock;
};

}  // namespace

TEST_F(ClipboardTest, RecordRoundTripsUnderARegisteredFormatAndAMissingOneFails) {
    Record out;
    out.id = 42;
    out.text = "structured record";
    ASSERT_TRUE(out.CopyDataToClipboard("KX Test Record"));
    const WORD format = static_cast<WORD>(::RegisterClipboardFormatA("KX Test Record"));
    EXPECT_TRUE(CKXClipboard::IsClipboardAvailable(format));
    EXPECT_FALSE(CKXClipboard::IsClipboardAvailable("KX Test Absent"));

    Record in;
    ASSERT_TRUE(in.CopyDataFromClipboard(format));
    EXPECT_EQ(in.id, 42);
    EXPECT_EQ(in.text, "structured record");

    // The data stays available after the clipboard is flushed (rendered).
    ASSERT_TRUE(SUCCEEDED(::OleFlushClipboard()));
    Record again;
    ASSERT_TRUE(again.CopyDataFromClipboard("KX Test Record"));
    EXPECT_EQ(again.text, "structured record");

    again.id = 7;
    EXPECT_FALSE(again.CopyDataFromClipboard("KX Test Absent"));
    EXPECT_EQ(again.id, 7);
    EXPECT_FALSE(again.CopyDataFromClipboard(static_cast<WORD>(0)));
    EXPECT_FALSE(out.CopyDataToClipboard(static_cast<WORD>(0)));
}
