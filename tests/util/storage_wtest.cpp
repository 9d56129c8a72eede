// Compound-file storages and the state helper, against OLE32's real
// compound files and the real registry.
#include "util/state.h"
#include "util/storage.h"

#include "win/afxwin.h"

#include <gtest/gtest.h>

namespace {

// Each test works in a temporary compound file that goes with its release.
class StorageTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
        ASSERT_TRUE(SUCCEEDED(::StgCreateDocfile(
            nullptr, STGM_DELETEONRELEASE | STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, &root)));
    }
    void TearDown() override {
        if (root) root->Release();
        ::CoUninitialize();
    }
    IStorage* root = nullptr;
    CKXStorage stg;
};

class Settings : public CKXState {
public:
    int number = 0;
    CString name;
    void SerializeState(CArchive& ar) override {
        if (ar.IsStoring())
            ar << number << name;
        else
            ar >> number >> name;
    }
};

}  // namespace

TEST_F(StorageTest, SubStoragesOpenWithoutReplacingAndElementsAreFoundByType) {
    EXPECT_EQ(stg.OpenStorage("Sub", root), nullptr);  // missing, no create flag
    IStorage* sub = stg.OpenStorage("Sub", root, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE);
    ASSERT_NE(sub, nullptr);  // created and kept open
    IStream* inner = nullptr;
    ASSERT_TRUE(SUCCEEDED(sub->CreateStream(L"Inner", STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, 0,
                                            &inner)));
    inner->Release();
    sub->Release();
    // Opening again with the create flag keeps what is inside.
    sub = stg.OpenStorage("Sub", root, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE);
    ASSERT_NE(sub, nullptr);
    EXPECT_TRUE(stg.FindElement("Inner", sub, STGTY_STREAM));
    sub->Release();

    EXPECT_NE(stg.CreateStorage("Made", root), nullptr);  // released already: only a success value
    IStream* s = nullptr;
    ASSERT_TRUE(SUCCEEDED(root->CreateStream(L"Data", STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, 0, &s)));
    s->Write("hello", 5, nullptr);
    s->Release();
    EXPECT_TRUE(stg.FindElement("data", root, STGTY_STREAM));
    EXPECT_FALSE(stg.FindElement("Data", root, STGTY_STORAGE));
    CStringArray names;
    EXPECT_EQ(stg.EnumElementName(names, root, STGTY_STORAGE), 2);
    names.RemoveAll();
    EXPECT_EQ(stg.EnumElementName(names, root, STGTY_STREAM), 1);
    EXPECT_EQ(names[0], "Data");

    EXPECT_FALSE(stg.RenameElement("Data", "Renamed", root, STGTY_STORAGE));  // wrong type
    EXPECT_TRUE(stg.RenameElement("Data", "Renamed", root, STGTY_STREAM));
    EXPECT_TRUE(stg.FindElement("Renamed", root, STGTY_STREAM));
    EXPECT_FALSE(stg.FindElement("Data", root, STGTY_STREAM));

    CFileStatus st;
    EXPECT_FALSE(stg.GetStreamStatus("Data", st, root));
    EXPECT_EQ(stg.CreateStorage("X", nullptr), nullptr);
}

TEST_F(StorageTest, StateRoundTripsThroughAStreamThatASaveReplaces) {
    Settings out, in;
    out.number = -5;
    out.name = "a longer state";
    EXPECT_TRUE(out.SaveState("State", root));
    out.name = "s";
    EXPECT_TRUE(out.SaveState("State", root));
    CFileStatus st;
    ASSERT_TRUE(stg.GetStreamStatus("State", st, root));
    EXPECT_EQ(st.m_size, 4u + 1 + 1);
    EXPECT_TRUE(in.LoadState("State", root));
    EXPECT_EQ(in.number, -5);
    EXPECT_EQ(in.name, "s");

    EXPECT_FALSE(in.LoadState("Missing", root));
    EXPECT_FALSE(in.SaveState("State", static_cast<IStorage*>(nullptr)));
}

TEST(KXStateProfile, RoundTripsThroughABinaryProfileEntry) {
    CWinApp app("KXStateTest");
    app.SetRegistryKey("KX Tests");
    Settings out, in;
    out.number = 1234;
    out.name = "bar";
    ASSERT_TRUE(out.SaveState("Bars", "State"));
    BYTE* p = nullptr;
    UINT n = 0;
    ASSERT_TRUE(app.GetProfileBinary("Bars", "State", &p, &n));
    delete[] p;
    EXPECT_EQ(n, 4u + 1 + 3);
    EXPECT_TRUE(in.LoadState("Bars", "State"));
    EXPECT_EQ(in.number, 1234);
    EXPECT_EQ(in.name, "bar");
    EXPECT_FALSE(in.LoadState("Bars", "Missing"));

    app.WriteProfileString("Bars", nullptr, nullptr);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\KX Tests\\KXStateTest");
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\KX Tests");
}
