// The profile manager against the real registry and real INI files: every
// typed value round trips, with the registry type and size or INI text it
// is stored as; bad stored data fails safely; keys delete and enumerate.
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

struct Raw {
    DWORD type = 0;
    std::vector<BYTE> data;
};

Raw ReadRaw(const char* key, const char* name) {
    Raw r;
    HKEY h;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &h) != ERROR_SUCCESS) return r;
    DWORD size = 0;
    if (::RegQueryValueExA(h, name, nullptr, &r.type, nullptr, &size) == ERROR_SUCCESS) {
        r.data.resize(size);
        ::RegQueryValueExA(h, name, nullptr, &r.type, r.data.data(), &size);
    }
    ::RegCloseKey(h);
    return r;
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

TEST_F(RegistryManagerTest, RegistryValuesHaveTheirTypesAndSizes) {
    CKXRegistryManager m;
    CPoint pt(-7, 9);
    CSize sz(640, 480);
    CRect rc(1, 2, 3, 4);
    BYTE blob[5] = {0, 1, 0xFE, 0xFF, 0x80};
    ASSERT_TRUE(m.WriteProfileInt("Data", "Int", -42));
    ASSERT_TRUE(m.WriteProfileString("Data", "Str", "flat"));
    ASSERT_TRUE(m.WriteProfileDouble("Data", "Dbl", 2.5));
    ASSERT_TRUE(m.WriteProfilePoint("Data", "Pt", &pt));
    ASSERT_TRUE(m.WriteProfileSize("Data", "Sz", &sz));
    ASSERT_TRUE(m.WriteProfileRect("Data", "Rc", &rc));
    ASSERT_TRUE(m.WriteProfileDword("Data", "Dw", 0xDEADBEEF));
    ASSERT_TRUE(m.WriteProfileColor("Data", "Clr", RGB(1, 2, 3)));
    ASSERT_TRUE(m.WriteProfileBinary("Data", "Bin", blob, sizeof blob));

    const struct {
        const char* name;
        DWORD type;
        size_t size;
    } expected[] = {{"Int", REG_DWORD, 4},  {"Str", REG_SZ, 5},     {"Dbl", REG_BINARY, 8},
                    {"Pt", REG_BINARY, 8},  {"Sz", REG_BINARY, 8},  {"Rc", REG_BINARY, 16},
                    {"Dw", REG_DWORD, 4},   {"Clr", REG_DWORD, 4},  {"Bin", REG_BINARY, 5}};
    for (const auto& e : expected) {
        Raw r = ReadRaw(kSection, e.name);
        EXPECT_EQ(r.type, e.type) << e.name;
        EXPECT_EQ(r.data.size(), e.size) << e.name;
    }

    EXPECT_EQ(static_cast<int>(m.GetProfileInt("Data", "Int", 0)), -42);
    EXPECT_EQ(m.GetProfileString("Data", "Str"), "flat");
    double d = 0;
    EXPECT_TRUE(m.GetProfileDouble("Data", "Dbl", &d));
    EXPECT_EQ(d, 2.5);
    CPoint pt2;
    CSize sz2;
    CRect rc2;
    EXPECT_TRUE(m.GetProfilePoint("Data", "Pt", &pt2));
    EXPECT_EQ(pt2, pt);
    EXPECT_TRUE(m.GetProfileSize("Data", "Sz", &sz2));
    EXPECT_EQ(sz2, sz);
    EXPECT_TRUE(m.GetProfileRect("Data", "Rc", &rc2));
    EXPECT_EQ(rc2, rc);
    DWORD dw = 0;
    COLORREF clr = 0;
    EXPECT_TRUE(m.GetProfileDword("Data", "Dw", &dw));
    EXPECT_EQ(dw, 0xDEADBEEFu);
    EXPECT_TRUE(m.GetProfileColor("Data", "Clr", &clr));
    EXPECT_EQ(clr, RGB(1, 2, 3));
    BYTE* p = nullptr;
    UINT n = 0;
    ASSERT_TRUE(m.GetProfileBinary("Data", "Bin", &p, &n));
    ASSERT_EQ(n, sizeof blob);
    EXPECT_EQ(0, memcmp(p, blob, n));
    delete[] p;

    // Missing values give the default or FALSE with the caller's value alone.
    EXPECT_EQ(m.GetProfileInt("Data", "None", 17), 17u);
    EXPECT_EQ(m.GetProfileString("Data", "None", "dflt"), "dflt");
    d = 9;
    EXPECT_FALSE(m.GetProfileDouble("Data", "None", &d));
    EXPECT_EQ(d, 9);
    EXPECT_FALSE(m.GetProfileBinary("Data", "None", &p, &n));
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(n, 0u);

    // A stored value larger than the caller's type is refused untouched.
    CRect keep(5, 6, 7, 8);
    BYTE big[20] = {1};
    ASSERT_TRUE(m.WriteProfileBinary("Data", "Big", big, sizeof big));
    EXPECT_FALSE(m.GetProfileRect("Data", "Big", &keep));
    EXPECT_EQ(keep, CRect(5, 6, 7, 8));
    EXPECT_FALSE(m.GetProfileDouble("Data", "Rc", &d));
    EXPECT_EQ(static_cast<int>(m.GetProfileInt("Data", "Dbl", 3)), 3);

    // Null value deletes the entry; null entry deletes the section.
    ASSERT_TRUE(m.WriteProfileString("Data", "Str", nullptr));
    EXPECT_EQ(ReadRaw(kSection, "Str").type, 0u);
    ASSERT_TRUE(m.WriteProfileString("Data", nullptr, nullptr));
    EXPECT_FALSE(KeyExists(kSection));
}

TEST_F(RegistryManagerTest, IniFileHoldsDecimalAndLetterPairs) {
    const std::string ini = TempIni("kx_regmgr_test.ini");
    CKXRegistryManager m;
    m.SetINIFileName(ini.c_str());
    CRect rc(1, 2, 3, 4);
    CPoint pt(-1, 0);
    CSize sz(3, 4);
    BYTE blob[2] = {0x3C, 0xFF};
    ASSERT_TRUE(m.WriteProfileInt("Data", "Int", -42));
    ASSERT_TRUE(m.WriteProfileString("Data", "Str", "flat text"));
    ASSERT_TRUE(m.WriteProfileRect("Data", "Rc", &rc));
    ASSERT_TRUE(m.WriteProfilePoint("Data", "Pt", &pt));
    ASSERT_TRUE(m.WriteProfileSize("Data", "Sz", &sz));
    ASSERT_TRUE(m.WriteProfileDouble("Data", "Dbl", 1.0));
    ASSERT_TRUE(m.WriteProfileDword("Data", "Dw", 0x12345678));
    ASSERT_TRUE(m.WriteProfileColor("Data", "Clr", RGB(255, 0, 16)));
    ASSERT_TRUE(m.WriteProfileBinary("Data", "Bin", blob, sizeof blob));
    EXPECT_FALSE(KeyExists(kAppKey));  // the INI file wins over the registry

    EXPECT_EQ(IniText(ini, "Data", "Int"), "-42");
    EXPECT_EQ(IniText(ini, "Data", "Str"), "flat text");
    EXPECT_EQ(IniText(ini, "Data", "Rc"), "BAAAAAAACAAAAAAADAAAAAAAEAAAAAAA");
    EXPECT_EQ(IniText(ini, "Data", "Pt"), "PPPPPPPPAAAAAAAA");
    EXPECT_EQ(IniText(ini, "Data", "Dbl"), "AAAAAAAAAAAAAPPD");  // 1.0 = 0x3FF0000000000000
    EXPECT_EQ(IniText(ini, "Data", "Dw"), "IHGFEDCB");
    EXPECT_EQ(IniText(ini, "Data", "Clr"), "PPAAABAA");
    EXPECT_EQ(IniText(ini, "Data", "Bin"), "MDPP");

    EXPECT_EQ(static_cast<int>(m.GetProfileInt("Data", "Int", 0)), -42);
    EXPECT_EQ(m.GetProfileString("Data", "Str"), "flat text");
    CRect rc2;
    CPoint pt2;
    CSize sz2;
    double d = 0;
    DWORD dw = 0;
    COLORREF clr = 0;
    EXPECT_TRUE(m.GetProfileRect("Data", "Rc", &rc2));
    EXPECT_EQ(rc2, rc);
    EXPECT_TRUE(m.GetProfilePoint("Data", "Pt", &pt2));
    EXPECT_EQ(pt2, pt);
    EXPECT_TRUE(m.GetProfileSize("Data", "Sz", &sz2));
    EXPECT_EQ(sz2, sz);
    EXPECT_TRUE(m.GetProfileDouble("Data", "Dbl", &d));
    EXPECT_EQ(d, 1.0);
    EXPECT_TRUE(m.GetProfileDword("Data", "Dw", &dw));
    EXPECT_EQ(dw, 0x12345678u);
    EXPECT_TRUE(m.GetProfileColor("Data", "Clr", &clr));
    EXPECT_EQ(clr, RGB(255, 0, 16));
    BYTE* p = nullptr;
    UINT n = 0;
    ASSERT_TRUE(m.GetProfileBinary("Data", "Bin", &p, &n));
    ASSERT_EQ(n, 2u);
    EXPECT_EQ(p[0], 0x3C);
    EXPECT_EQ(p[1], 0xFF);
    delete[] p;

    // Hand-edited text: odd length, letters outside A..P, too long for the type.
    ::WritePrivateProfileStringA("Data", "Odd", "ABC", ini.c_str());
    ::WritePrivateProfileStringA("Data", "Bad", "AAAAAAAZ", ini.c_str());
    ::WritePrivateProfileStringA("Data", "Long", "AAAAAAAAAA", ini.c_str());
    dw = 7;
    EXPECT_FALSE(m.GetProfileDword("Data", "Odd", &dw));
    EXPECT_FALSE(m.GetProfileDword("Data", "Bad", &dw));
    EXPECT_FALSE(m.GetProfileDword("Data", "Long", &dw));
    EXPECT_EQ(dw, 7u);
    EXPECT_FALSE(m.GetProfileBinary("Data", "Bad", &p, &n));
    EXPECT_EQ(p, nullptr);

    ASSERT_TRUE(m.WriteProfileString("Data", "Str", nullptr));
    EXPECT_EQ(IniText(ini, "Data", "Str"), "<none>");
    ASSERT_TRUE(m.WriteProfileString("Data", nullptr, nullptr));
    EXPECT_EQ(IniText(ini, "Data", "Int"), "<none>");
    ::DeleteFileA(ini.c_str());
}

TEST(RegistryManagerNoStore, WithoutIniOrRegistryKeyEverythingFails) {
    CWinApp app("KXRegMgrNoKey");
    CKXRegistryManager m;
    CRect rc(1, 1, 1, 1);
    EXPECT_FALSE(m.WriteProfileInt("Data", "Int", 1));
    EXPECT_FALSE(m.WriteProfileString("Data", "Str", "x"));
    EXPECT_FALSE(m.WriteProfileRect("Data", "Rc", &rc));
    EXPECT_EQ(m.GetProfileInt("Data", "Int", 5), 5u);
    EXPECT_EQ(m.GetProfileString("Data", "Str", "d"), "d");
    EXPECT_FALSE(m.GetProfileRect("Data", "Rc", &rc));
    EXPECT_EQ(m.GetAppRegistryKey(), nullptr);
    CStringArray keys;
    EXPECT_EQ(m.EnumKeys("Data", keys), 0);
    EXPECT_FALSE(KeyExists("Software\\KX Tests\\KXRegMgrNoKey"));
}

TEST_F(RegistryManagerTest, DeleteKeyRemovesNestedKeysAndEnumerationListsNames) {
    CKXRegistryManager m;
    HKEY h = m.GetSectionKey("Tree");
    ASSERT_NE(h, nullptr);
    HKEY leaf;
    DWORD disp;
    ASSERT_EQ(::RegCreateKeyExA(h, "Top\\Mid\\Leaf", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &leaf, &disp),
              ERROR_SUCCESS);
    DWORD one = 1;
    ::RegSetValueExA(leaf, "v", 0, REG_DWORD, reinterpret_cast<BYTE*>(&one), 4);
    ::RegCloseKey(leaf);
    ASSERT_EQ(::RegCreateKeyExA(h, "Top\\Side", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &leaf, &disp), ERROR_SUCCESS);
    ::RegCloseKey(leaf);
    ASSERT_EQ(::RegCreateKeyExA(h, "Other", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &leaf, &disp), ERROR_SUCCESS);
    ::RegCloseKey(leaf);
    ::RegCloseKey(h);
    ASSERT_TRUE(m.WriteProfileInt("Tree", "Count", 3));
    ASSERT_TRUE(m.WriteProfileString("Tree", "Name", "n"));

    CStringArray keys;
    EXPECT_EQ(m.EnumKeys("Tree", keys), 2);
    ASSERT_EQ(keys.GetSize(), 2);
    EXPECT_TRUE((keys[0] == "Top" && keys[1] == "Other") || (keys[0] == "Other" && keys[1] == "Top"));
    CKXValueTypeMap types;
    CStringArray names;
    EXPECT_EQ(m.EnumValues("Tree", &types, &names), 2);
    EXPECT_EQ(names.GetSize(), 2);
    DWORD type = 0;
    EXPECT_TRUE(types.Lookup("Count", type));
    EXPECT_EQ(type, DWORD(REG_DWORD));
    EXPECT_TRUE(types.Lookup("Name", type));
    EXPECT_EQ(type, DWORD(REG_SZ));
    EXPECT_EQ(m.EnumValues("Tree", nullptr, nullptr), 2);

    EXPECT_TRUE(m.DeleteKey("Tree", "Top"));
    EXPECT_FALSE(KeyExists("Software\\KX Tests\\KXRegMgr\\Tree\\Top"));
    EXPECT_TRUE(KeyExists("Software\\KX Tests\\KXRegMgr\\Tree\\Other"));
    EXPECT_FALSE(m.DeleteKey("Tree", "Top"));
    EXPECT_TRUE(m.DeleteValue("Tree", "Count"));
    EXPECT_FALSE(m.DeleteValue("Tree", "Count"));
    EXPECT_EQ(m.EnumValues("Tree", nullptr, &names), 1);
}

TEST_F(RegistryManagerTest, IniFileNameComesFromTheSharedData) {
    const std::string ini = TempIni("kx_regmgr_shared.ini");
    CKXAuxData::Get().SetINIFileName(ini.c_str());
    CKXRegistryManager m;
    CKXAuxData::Get().SetINIFileName("");
    EXPECT_EQ(m.GetINIFileName(), ini.c_str());
    ASSERT_TRUE(m.WriteProfileInt("Data", "Int", 5));
    EXPECT_EQ(IniText(ini, "Data", "Int"), "5");
    EXPECT_TRUE(CKXRegistryManager().GetINIFileName().IsEmpty());
    ::DeleteFileA(ini.c_str());
}
