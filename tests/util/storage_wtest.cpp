// Compound-file storages and the state helper, against OLE32's real
// compound files and the real registry.
#include "util/state.h"
#include "util/storage.h"

#include "win/afxwin.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string TempPath(const char* name) {
    char dir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + name;
}

class StorageTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
        path = TempPath("kx_storage_test.stg");
        std::wstring wide(path.begin(), path.end());
        ASSERT_TRUE(SUCCEEDED(::StgCreateDocfile(wide.c_str(), STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE,
                                                 0, &root)));
    }
    void TearDown() override {
        if (root) root->Release();
        ::DeleteFileA(path.c_str());
        ::CoUninitialize();
    }
    IStream* NewStream(const wchar_t* name, const char* text) {
        IStream* s = nullptr;
        if (FAILED(root->CreateStream(name, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, 0, &s)))
            return nullptr;
        ULONG n;
        s->Write(text, static_cast<ULONG>(strlen(text)), &n);
        return s;
    }
    std::string path;
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

TEST_F(StorageTest, SubStoragesAreCreatedOpenedAndFoundByType) {
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
    IStream* s = NewStream(L"Data", "abc");
    ASSERT_NE(s, nullptr);
    s->Release();

    EXPECT_TRUE(stg.FindElement("Sub", root, STGTY_STORAGE));
    EXPECT_TRUE(stg.FindElement("data", root, STGTY_STREAM));
    EXPECT_FALSE(stg.FindElement("Data", root, STGTY_STORAGE));
    EXPECT_FALSE(stg.FindElement("Sub", root, STGTY_STREAM));
    CStringArray names;
    EXPECT_EQ(stg.EnumElementName(names, root, STGTY_STORAGE), 2);
    EXPECT_EQ(names.GetSize(), 2);
    names.RemoveAll();
    EXPECT_EQ(stg.EnumElementName(names, root, STGTY_STREAM), 1);
    EXPECT_EQ(names[0], "Data");

    EXPECT_FALSE(stg.RenameElement("Data", "Renamed", root, STGTY_STORAGE));  // wrong type
    EXPECT_TRUE(stg.RenameElement("Data", "Renamed", root, STGTY_STREAM));
    EXPECT_TRUE(stg.FindElement("Renamed", root, STGTY_STREAM));
    EXPECT_FALSE(stg.FindElement("Data", root, STGTY_STREAM));

    EXPECT_TRUE(stg.DestroyElement("Made", root));
    EXPECT_FALSE(stg.DestroyElement("Made", root));
    EXPECT_FALSE(stg.FindElement("Made", root, STGTY_STORAGE));
    EXPECT_EQ(stg.CreateStorage("X", nullptr), nullptr);
}

TEST_F(StorageTest, CopyAndStreamStatus) {
    IStream* s = NewStream(L"Data", "hello");
    ASSERT_NE(s, nullptr);
    s->Release();
    IStorage* target = nullptr;
    ASSERT_TRUE(SUCCEEDED(::StgCreateDocfile(nullptr, STGM_DELETEONRELEASE | STGM_CREATE | STGM_READWRITE |
                                                          STGM_SHARE_EXCLUSIVE,
                                             0, &target)));
    EXPECT_TRUE(stg.CopyStorage(root, target));
    CFileStatus st;
    ASSERT_TRUE(stg.GetStreamStatus("Data", st, target));
    EXPECT_EQ(st.m_size, 5u);
    EXPECT_STREQ(st.m_szFullName, "Data");
    target->Release();

    st.m_size = 2;
    EXPECT_TRUE(stg.SetStreamStatus("Data", st, root));
    CFileStatus again;
    ASSERT_TRUE(stg.GetStreamStatus("Data", again, root));
    EXPECT_EQ(again.m_size, 2u);
    EXPECT_FALSE(stg.GetStreamStatus("None", again, root));
    EXPECT_FALSE(stg.SetStreamStatus("None", st, root));
}

TEST_F(StorageTest, StateRoundTripsThroughAStream) {
    Settings out;
    out.number = -5;
    out.name = "outlook";
    EXPECT_TRUE(out.SaveState("State", root));
    EXPECT_TRUE(stg.FindElement("State", root, STGTY_STREAM));
    Settings in;
    EXPECT_TRUE(in.LoadState("State", root));
    EXPECT_EQ(in.number, -5);
    EXPECT_EQ(in.name, "outlook");

    // Saving again over a longer state replaces it.
    out.name = "s";
    EXPECT_TRUE(out.SaveState("State", root));
    CFileStatus st;
    ASSERT_TRUE(stg.GetStreamStatus("State", st, root));
    EXPECT_EQ(st.m_size, 4u + 1 + 1);
    EXPECT_TRUE(in.LoadState("State", root));
    EXPECT_EQ(in.name, "s");

    EXPECT_FALSE(in.LoadState("Missing", root));
    EXPECT_FALSE(in.SaveState("State", static_cast<IStorage*>(nullptr)));
}

TEST(KXStateProfile, RoundTripsThroughABinaryProfileEntry) {
    CWinApp app("KXStateTest");
    app.SetRegistryKey("KX Tests");
    Settings out;
    out.number = 1234;
    out.name = "bar";
    ASSERT_TRUE(out.SaveState("Bars", "State"));
    HKEY h;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\KX Tests\\KXStateTest\\Bars", 0, KEY_READ, &h),
              ERROR_SUCCESS);
    DWORD type = 0, size = 0;
    EXPECT_EQ(::RegQueryValueExA(h, "State", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    ::RegCloseKey(h);
    EXPECT_EQ(type, DWORD(REG_BINARY));
    EXPECT_EQ(size, 4u + 1 + 3);

    Settings in;
    EXPECT_TRUE(in.LoadState("Bars", "State"));
    EXPECT_EQ(in.number, 1234);
    EXPECT_EQ(in.name, "bar");
    EXPECT_FALSE(in.LoadState("Bars", "Missing"));

    app.WriteProfileString("Bars", nullptr, nullptr);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\KX Tests\\KXStateTest");
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\KX Tests");
}

TEST(GfxExistTest, FilesAndFolders) {
    char dir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, dir);
    EXPECT_TRUE(GfxExist(dir));
    std::string file = std::string(dir) + "kx_exist_test.txt";
    ::DeleteFileA(file.c_str());
    EXPECT_FALSE(GfxExist(file.c_str()));
    HANDLE h = ::CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    ::CloseHandle(h);
    EXPECT_TRUE(GfxExist(file.c_str()));
    ::DeleteFileA(file.c_str());
    EXPECT_FALSE(GfxExist(""));
    EXPECT_FALSE(GfxExist(nullptr));
}
