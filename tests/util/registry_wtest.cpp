// The key wrapper against the real registry: stored formats, defaults for
// values of the wrong size, key navigation, counts and nested deletion.
#include "util/registry.h"

#include "win/afxwin.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kKey[] = "Software\\KX Tests\\KXRegistry";

DWORD RawSize(const char* name, DWORD* pType) {
    HKEY h;
    DWORD size = 0;
    *pType = 0;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &h) != ERROR_SUCCESS) return 0;
    if (::RegQueryValueExA(h, name, nullptr, pType, nullptr, &size) != ERROR_SUCCESS) size = 0;
    ::RegCloseKey(h);
    return size;
}

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    static void Clean() {
        CKXRegistry r;
        if (r.OpenKey(HKEY_CURRENT_USER, "Software\\KX Tests")) r.DeleteKey("KXRegistry");
        ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\KX Tests");  // only when empty
    }
};

}  // namespace

TEST_F(RegistryTest, OpenKeyAcceptsOnlyPredefinedRoots) {
    CKXRegistry r;
    EXPECT_EQ(r.GetRootKey(), HKEY_CURRENT_USER);
    EXPECT_FALSE(r.OpenKey(reinterpret_cast<HKEY>(static_cast<INT_PTR>(0x1234)), "Software"));
    EXPECT_EQ(r.GetRootKey(), HKEY_CURRENT_USER);  // untouched
    EXPECT_FALSE(r.OpenKey(HKEY_CURRENT_USER, "Software\\KX Tests\\KXRegistry\\Missing"));
    EXPECT_EQ(r.GetRootKey(), nullptr);
    EXPECT_FALSE(r.CreateKey("A"));  // no current key
    EXPECT_FALSE(r.CloseKey());
    ASSERT_TRUE(r.OpenKey(HKEY_CURRENT_USER, "Software"));
    EXPECT_FALSE(r.CreateKey("\\KX Tests"));
    EXPECT_FALSE(r.CreateKey(""));
    EXPECT_TRUE(r.CloseKey());
}

TEST_F(RegistryTest, TypedValuesKeepTheirStoredFormat) {
    CKXRegistry r;
    r.SetLazyWrite(FALSE);
    ASSERT_TRUE(r.OpenKey(HKEY_CURRENT_USER, "Software"));
    ASSERT_TRUE(r.CreateKey("KX Tests\\KXRegistry"));
    CSize sz(3, -4);
    CPoint pt(5, 6);
    CRect rc(-1, 2, 300, 4000);
    COleDateTime dt(2006, 8, 15, 12, 30, 0);
    EXPECT_TRUE(r.WriteInt("Int", -9));
    EXPECT_TRUE(r.WriteLong("Long", 123456));
    EXPECT_TRUE(r.WriteBool("Bool", TRUE));
    EXPECT_TRUE(r.WriteColor("Color", RGB(9, 8, 7)));
    EXPECT_TRUE(r.WriteDword("Dword", 0xCAFEF00D));
    EXPECT_TRUE(r.WriteFloat("Float", -0.125));
    EXPECT_TRUE(r.WriteDateTime("Date", dt));
    EXPECT_TRUE(r.WriteString("Str", "text"));
    EXPECT_TRUE(r.WriteString("Exp", "%TEMP%", REG_EXPAND_SZ));
    EXPECT_TRUE(r.WriteSize("Size", &sz));
    EXPECT_TRUE(r.WritePoint("Point", &pt));
    EXPECT_TRUE(r.WriteRect("Rect", &rc));

    const struct {
        const char* name;
        DWORD type, size;
    } expected[] = {{"Int", REG_BINARY, 4},    {"Long", REG_BINARY, 4},  {"Bool", REG_BINARY, 4},
                    {"Color", REG_BINARY, 4},  {"Dword", REG_BINARY, 4}, {"Float", REG_BINARY, 8},
                    {"Date", REG_BINARY, 12},  {"Str", REG_SZ, 5},       {"Exp", REG_EXPAND_SZ, 7},
                    {"Size", REG_BINARY, 8},   {"Point", REG_BINARY, 8}, {"Rect", REG_BINARY, 16}};
    for (const auto& e : expected) {
        DWORD type;
        EXPECT_EQ(RawSize(e.name, &type), e.size) << e.name;
        EXPECT_EQ(type, e.type) << e.name;
        EXPECT_EQ(r.GetDataSize(e.name), static_cast<int>(e.size)) << e.name;
        EXPECT_EQ(r.GetDataType(e.name), static_cast<int>(e.type)) << e.name;
    }

    EXPECT_EQ(r.ReadInt("Int", 0), -9);
    EXPECT_EQ(r.ReadLong("Long", 0), 123456);
    EXPECT_EQ(r.ReadBool("Bool", FALSE), TRUE);
    EXPECT_EQ(r.ReadColor("Color", 0), RGB(9, 8, 7));
    EXPECT_EQ(r.ReadDword("Dword", 0), 0xCAFEF00Du);
    EXPECT_EQ(r.ReadFloat("Float", 0), -0.125);
    COleDateTime back = r.ReadDateTime("Date", COleDateTime());
    EXPECT_EQ(back.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(back.m_dt, dt.m_dt);
    EXPECT_EQ(r.ReadString("Str", "d"), "text");
    EXPECT_EQ(r.ReadString("Exp", "d"), "%TEMP%");
    CSize sz2;
    CPoint pt2;
    CRect rc2;
    EXPECT_TRUE(r.ReadSize("Size", &sz2));
    EXPECT_EQ(sz2, sz);
    EXPECT_TRUE(r.ReadPoint("Point", &pt2));
    EXPECT_EQ(pt2, pt);
    EXPECT_TRUE(r.ReadRect("Rect", &rc2));
    EXPECT_EQ(rc2, rc);

    // Missing values and values of another size read as the default.
    EXPECT_EQ(r.ReadInt("None", 77), 77);
    EXPECT_EQ(r.ReadInt("Float", 77), 77);
    EXPECT_EQ(r.ReadFloat("Rect", 1.5), 1.5);
    EXPECT_EQ(r.ReadString("Int", "d"), "d");
    EXPECT_FALSE(r.ReadRect("Size", &rc2));
    EXPECT_EQ(rc2, rc);
    EXPECT_EQ(r.ReadDateTime("Int", dt).m_dt, dt.m_dt);
    EXPECT_EQ(r.GetDataSize("None"), -1);
    EXPECT_EQ(r.GetDataType("None"), -1);

    // A null date keeps its status.
    COleDateTime nulldt;
    nulldt.SetStatus(COleDateTime::null);
    EXPECT_TRUE(r.WriteDateTime("Null", nulldt));
    EXPECT_EQ(r.ReadDateTime("Null", dt).GetStatus(), COleDateTime::null);

    // Strings of 4096 characters or more are refused.
    EXPECT_TRUE(r.WriteString("Long4095", std::string(4095, 'x').c_str()));
    EXPECT_FALSE(r.WriteString("Long4096", std::string(4096, 'x').c_str()));
    EXPECT_FALSE(r.ValueExists("Long4096"));
    EXPECT_EQ(r.ReadString("Long4095", "").GetLength(), 4095);

    EXPECT_TRUE(r.ValueExists("Int"));
    EXPECT_TRUE(r.DeleteValue("Int"));
    EXPECT_FALSE(r.ValueExists("Int"));
    EXPECT_FALSE(r.DeleteValue("Int"));
}

TEST_F(RegistryTest, FontIsStoredAsItsLogfont) {
    CKXRegistry r;
    ASSERT_TRUE(r.OpenKey(HKEY_CURRENT_USER, "Software"));
    ASSERT_TRUE(r.CreateKey("KX Tests\\KXRegistry"));
    CFont font;
    ASSERT_TRUE(font.CreateFont(-13, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0, 0, "Tahoma"));
    EXPECT_TRUE(r.WriteFont("Font", &font));
    EXPECT_EQ(r.GetDataSize("Font"), 60);

    CFont other;
    ASSERT_TRUE(other.CreateFont(-8, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0, 0, "Arial"));
    EXPECT_TRUE(r.ReadFont("Font", &other));
    EXPECT_NE(other.GetSafeHandle(), nullptr);
    LOGFONTA lf;
    ASSERT_EQ(::GetObjectA(other.GetSafeHandle(), sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_EQ(lf.lfHeight, -13);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(lf.lfItalic, TRUE);
    EXPECT_STREQ(lf.lfFaceName, "Tahoma");

    CFont empty;
    EXPECT_FALSE(r.WriteFont("Empty", &empty));
    EXPECT_FALSE(r.ReadFont("Missing", &other));
}

TEST_F(RegistryTest, KeysNavigateCountEnumerateAndDeleteDepthFirst) {
    CKXRegistry r;
    ASSERT_TRUE(r.OpenKey(HKEY_CURRENT_USER, "Software"));
    ASSERT_TRUE(r.CreateKey("KX Tests\\KXRegistry", TRUE));
    EXPECT_TRUE(r.CreateKey("A\\B\\C", FALSE));
    EXPECT_TRUE(r.CreateKey("D", FALSE));
    EXPECT_TRUE(r.WriteInt("one", 1));
    EXPECT_TRUE(r.WriteString("two", "2"));
    EXPECT_EQ(r.GetSubKeyCount(), 2);
    EXPECT_EQ(r.GetValueCount(), 2);
    CStringArray keys, names;
    EXPECT_EQ(r.EnumKeys(keys), 2);
    CKXValueTypeMap types;
    EXPECT_EQ(r.EnumValues(&types, &names), 2);
    DWORD type = 0;
    EXPECT_TRUE(types.Lookup("two", type));
    EXPECT_EQ(type, DWORD(REG_SZ));

    EXPECT_TRUE(r.KeyExists("A\\B\\C"));
    EXPECT_TRUE(r.KeyExists("Software\\KX Tests\\KXRegistry\\D", HKEY_CURRENT_USER));
    EXPECT_FALSE(r.KeyExists("E"));

    ASSERT_TRUE(r.SetKey("A\\B", FALSE));
    EXPECT_EQ(r.GetSubKeyCount(), 1);
    EXPECT_EQ(r.GetValueCount(), 0);
    EXPECT_FALSE(r.SetKey("X", FALSE));
    EXPECT_TRUE(r.SetKey("X", TRUE));
    EXPECT_TRUE(r.KeyExists("Software\\KX Tests\\KXRegistry\\A\\B\\X", HKEY_CURRENT_USER));

    ASSERT_TRUE(r.OpenKey(HKEY_CURRENT_USER, "Software\\KX Tests\\KXRegistry"));
    EXPECT_TRUE(r.DeleteKey("A"));
    EXPECT_FALSE(r.KeyExists("A"));
    EXPECT_TRUE(r.KeyExists("D"));
    EXPECT_FALSE(r.DeleteKey("A"));
    EXPECT_EQ(r.GetSubKeyCount(), 1);
    r.CloseKey();
    EXPECT_EQ(r.GetSubKeyCount(), -1);
    EXPECT_EQ(r.GetValueCount(), -1);
    EXPECT_EQ(r.EnumKeys(keys), 0);
}
