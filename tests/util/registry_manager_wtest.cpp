// The profile manager against the real registry and real INI files: every
// typed value round trips through either store, with the registry type and
// size or INI text it is stored as; bad stored data fails safely.
#include "util/registry_manager.h"

#include "core/aux_data.h"
#include "util/registry_tree.h"

#include "win/afxwin.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char kAppKey[] = "Software\\KX Tests\\KXRegMgr";
const char kSection[] = "Software\\KX Tests\\KXRegMgr\\Data";

// The type and size of a stored registry value; type 0 when it is missing.
std::pair<DWORD, DWORD> ReadRaw(const char* key, const char* name) {
    DWORD type = 0, size = 0;
    HKEY h;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &h) != ERROR_SUCCESS) return {0, 0};
    if (::RegQueryValueExA(h, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) type = size = 0;
    ::RegCloseKey(h);
    return {type, size};
}

bool KeyExists(const char* key) {
    HKEY h;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &h) != ERROR_SUCCESS) return false;
    ::RegCloseKey(h);
    return true;
}

void DeleteTestKeys() {
    HKEY h;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\KX Tests", 0, KEY_ALL_ACCESS, &h) == ERROR_SUCCESS) {
        kxreg::DeleteTree(h, "KXRegMgr");
        ::RegCloseKey(h);
    }
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\KX Tests");  // only when empty
}

std::string TempIni(const char* name) {
    char dir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, dir);
    std::string path = std::string(dir) + name;
    ::DeleteFileA(path.c_str());
    return path;
}

std::string IniText(const std::string& file, const char* section, const char* entry) {
    char buf[512];
    ::GetPrivateProfileStringA(section, entry, "<none>", buf, sizeof buf, file.c_str());
    return buf;
}

class RegistryManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteTestKeys();
        app.SetRegistryKey("KX Tests");
    }
    void TearDown() override { DeleteTestKeys(); }
    CWinApp app{"KXRegMgr"};
};

}  // namespace

TEST_F(RegistryManagerTest, EveryTypeRoundTripsThroughTheRegistryAndAnIniFile) {
    const std::string ini = TempIni("kx_regmgr_test.ini");
    for (bool useIni : {true, false}) {  // the INI file first, while the registry is clean
        SCOPED_TRACE(useIni ? "INI file" : "registry");
        CKXRegistryManager m;
        if (useIni) m.SetINIFileName(ini.c_str());
        CRect rc(1, 2, 3, 4);
        BYTE blob[5] = {0, 1, 0xFE, 0xFF, 0x80};
        ASSERT_TRUE(m.WriteProfileInt("Data", "Int", -42));
        ASSERT_TRUE(m.WriteProfileString("Data", "Str", "flat text"));
        ASSERT_TRUE(m.WriteProfileDouble("Data", "Dbl", 2.5));
        ASSERT_TRUE(m.WriteProfileRect("Data", "Rc", &rc));
        ASSERT_TRUE(m.WriteProfileDword("Data", "Dw", 0xDEADBEEF));
        ASSERT_TRUE(m.WriteProfileBinary("Data", "Bin", blob, sizeof blob));

        if (useIni) {
            EXPECT_FALSE(KeyExists(kAppKey));  // the INI file wins over the registry
            // An Int is decimal text, other values two letters per byte, low nibble first.
            const std::pair<const char*, const char*> texts[] = {
                {"Int", "-42"}, {"Str", "flat text"}, {"Dbl", "AAAAAAAAAAAAEAAE"},
                {"Rc", "BAAAAAAACAAAAAAADAAAAAAAEAAAAAAA"}, {"Dw", "POOLNKON"}, {"Bin", "AABAOPPPAI"}};
            for (const auto& [entry, text] : texts) EXPECT_EQ(IniText(ini, "Data", entry), text) << entry;
        } else {
            const std::pair<const char*, std::pair<DWORD, DWORD>> raw[] = {
                {"Int", {REG_DWORD, 4}}, {"Str", {REG_SZ, 10}}, {"Dbl", {REG_BINARY, 8}},
                {"Rc", {REG_BINARY, 16}}, {"Dw", {REG_DWORD, 4}}, {"Bin", {REG_BINARY, 5}}};
            for (const auto& [entry, typeAndSize] : raw) EXPECT_EQ(ReadRaw(kSection, entry), typeAndSize) << entry;
        }

        EXPECT_EQ(static_cast<int>(m.GetProfileInt("Data", "Int", 0)), -42);
        EXPECT_EQ(m.GetProfileString("Data", "Str"), "flat text");
        double d = 0;
        CRect rc2;
        DWORD dw = 0;
        EXPECT_TRUE(m.GetProfileDouble("Data", "Dbl", &d) && d == 2.5);
        EXPECT_TRUE(m.GetProfileRect("Data", "Rc", &rc2) && rc2 == rc);
        EXPECT_TRUE(m.GetProfileDword("Data", "Dw", &dw) && dw == 0xDEADBEEF);
        BYTE* p = nullptr;
        UINT n = 0;
        ASSERT_TRUE(m.GetProfileBinary("Data", "Bin", &p, &n));
        EXPECT_EQ(std::vector<BYTE>(p, p + n), std::vector<BYTE>(blob, blob + sizeof blob));
        delete[] p;

        // A block far beyond GetPrivateProfileString's usual buffer comes back whole.
        std::vector<BYTE> large(3000);
        for (size_t i = 0; i < large.size(); ++i) large[i] = static_cast<BYTE>(i * 7);
        ASSERT_TRUE(m.WriteProfileBinary("Data", "Large", large.data(), static_cast<UINT>(large.size())));
        ASSERT_TRUE(m.GetProfileBinary("Data", "Large", &p, &n));
        EXPECT_EQ(std::vector<BYTE>(p, p + n), large);
        delete[] p;

        // Missing values and values too large for the caller's type fail with
        // the caller's value alone.
        const CRect keep(5, 6, 7, 8);
        rc2 = keep;
        d = 9;
        BYTE big[20] = {1};
        ASSERT_TRUE(m.WriteProfileBinary("Data", "Big", big, sizeof big));
        EXPECT_FALSE(m.GetProfileRect("Data", "Big", &rc2));
        EXPECT_EQ(rc2, keep);
        EXPECT_FALSE(m.GetProfileDouble("Data", "Rc", &d));
        EXPECT_FALSE(m.GetProfileDouble("Data", "None", &d));
        EXPECT_EQ(d, 9);
        EXPECT_FALSE(m.GetProfileBinary("Data", "None", &p, &n));
        EXPECT_TRUE(p == nullptr && n == 0);
        EXPECT_EQ(m.GetProfileString("Data", "None", "dflt"), "dflt");
        if (useIni) {
            // Hand-written text decodes pair by pair: letters past 'P' count
            // their distance from 'A', an odd last letter is dropped.
            ::WritePrivateProfileStringA("Data", "Bad", "AAAAAAAZ", ini.c_str());
            ::WritePrivateProfileStringA("Data", "Odd", "ABC", ini.c_str());
            ::WritePrivateProfileStringA("Data", "One", "M", ini.c_str());
            EXPECT_TRUE(m.GetProfileDword("Data", "Bad", &dw));
            EXPECT_EQ(dw, 0x90000000u);  // 16 * ('Z' - 'A') = 400, kept to 8 bits
            ASSERT_TRUE(m.GetProfileBinary("Data", "Odd", &p, &n));
            EXPECT_EQ(std::vector<BYTE>(p, p + n), std::vector<BYTE>{0x10});
            delete[] p;
            EXPECT_FALSE(m.GetProfileBinary("Data", "One", &p, &n));
            EXPECT_TRUE(p == nullptr && n == 0);
        } else {
            EXPECT_EQ(static_cast<int>(m.GetProfileInt("Data", "Dbl", 3)), 3);  // not a REG_DWORD
        }

        // A null value deletes the entry; a null entry the whole section.
        ASSERT_TRUE(m.WriteProfileString("Data", "Str", nullptr));
        EXPECT_EQ(m.GetProfileString("Data", "Str", "gone"), "gone");
        EXPECT_EQ(static_cast<int>(m.GetProfileInt("Data", "Int", 0)), -42);
        ASSERT_TRUE(m.WriteProfileString("Data", nullptr, nullptr));
        if (useIni)
            EXPECT_EQ(IniText(ini, "Data", "Int"), "<none>");
        else
            EXPECT_FALSE(KeyExists(kSection));
    }
    ::DeleteFileA(ini.c_str());
}

TEST(RegistryManagerStore, NoneWithoutIniOrRegistryKeyAndTheIniNameFromTheSharedData) {
    CWinApp app("KXRegMgrNoKey");
    CKXRegistryManager m;
    CRect rc(1, 1, 1, 1);
    EXPECT_FALSE(m.WriteProfileInt("Data", "Int", 1));
    EXPECT_FALSE(m.WriteProfileRect("Data", "Rc", &rc));
    EXPECT_EQ(m.GetProfileString("Data", "Str", "d"), "d");
    EXPECT_FALSE(m.GetProfileRect("Data", "Rc", &rc));
    EXPECT_EQ(m.GetAppRegistryKey(), nullptr);
    CStringArray keys;
    EXPECT_EQ(m.EnumKeys("Data", keys), 0);
    EXPECT_FALSE(KeyExists("Software\\KX Tests\\KXRegMgrNoKey"));

    // A manager made while the shared data names an INI file keeps using it.
    const std::string ini = TempIni("kx_regmgr_shared.ini");
    CKXAuxData::Get().SetINIFileName(ini.c_str());
    CKXRegistryManager shared;
    CKXAuxData::Get().SetINIFileName("");
    ASSERT_TRUE(shared.WriteProfileInt("Data", "Int", 5));
    EXPECT_EQ(IniText(ini, "Data", "Int"), "5");
    EXPECT_TRUE(CKXRegistryManager().GetINIFileName().IsEmpty());
    ::DeleteFileA(ini.c_str());
}
