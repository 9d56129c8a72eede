// The key wrapper against the real registry: stored formats, defaults for
// values of the wrong size, key navigation, counts and nested deletion.
#include "util/registry.h"

#include "win/afxwin.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include <string>

namespace {

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
}

TEST_F(RegistryTest, TypedValuesKeepTheirStoredFormatAndRoundTrip) {
    CKXRegistry r;
    r.SetLazyWrite(FALSE);
    ASSERT_TRUE(r.OpenKey(HKEY_CURRENT_USER, "Software"));
    ASSERT_TRUE(r.CreateKey("KX Tests\\KXRegistry"));
    CPoint pt(5, 6);
    CRect rc(-1, 2, 300, 4000);
    COleDateTime dt(2006, 8, 15, 12, 30, 0);
    CFont font;
    ASSERT_TRUE(font.CreateFont(-13, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0, 0, "Tahoma"));
    EXPECT_TRUE(r.WriteInt("Int", -9));
    EXPECT_TRUE(r.WriteFloat("Float", -0.125));
    EXPECT_TRUE(r.WriteDateTime("Date", dt));
    EXPECT_TRUE(r.WriteString("Exp", "%TEMP%", REG_EXPAND_SZ));
    EXPECT_TRUE(r.WritePoint("Point", &pt));
    EXPECT_TRUE(r.WriteRect("Rect", &rc));
    EXPECT_TRUE(r.WriteFont("Font", &font));
    const struct {
        const char* name;
        int type, size;
    } expected[] = {{"Int", REG_BINARY, 4},     {"Float", REG_BINARY, 8}, {"Date", REG_BINARY, 12},
                    {"Exp", REG_EXPAND_SZ, 7},  {"Point", REG_BINARY, 8}, {"Rect", REG_BINARY, 16},
                    {"Font", REG_BINARY, 60},   {"None", -1, -1}};
    for (const auto& e : expected) {
        EXPECT_EQ(r.GetDataType(e.name), e.type) << e.name;
        EXPECT_EQ(r.GetDataSize(e.name), e.size) << e.name;
    }

    EXPECT_EQ(r.ReadInt("Int", 0), -9);
    EXPECT_EQ(r.ReadFloat("Float", 0), -0.125);
    const COleDateTime back = r.ReadDateTime("Date", COleDateTime());
    EXPECT_TRUE(back.GetStatus() == COleDateTime::valid && back.m_dt == dt.m_dt);
    EXPECT_EQ(r.ReadString("Exp", "d"), "%TEMP%");
    CPoint pt2;
    CRect rc2;
    EXPECT_TRUE(r.ReadPoint("Point", &pt2) && pt2 == pt);
    EXPECT_TRUE(r.ReadRect("Rect", &rc2) && rc2 == rc);
    // Reading a font replaces the font object the CFont already holds.
    CFont other;
    ASSERT_TRUE(other.CreateFont(-8, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0, 0, "Arial"));
    EXPECT_TRUE(r.ReadFont("Font", &other));
    LOGFONTA lf;
    ASSERT_EQ(::GetObjectA(other.GetSafeHandle(), sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_TRUE(lf.lfHeight == -13 && lf.lfWeight == FW_BOLD && lf.lfItalic) << lf.lfHeight << " " << lf.lfWeight;
    EXPECT_STREQ(lf.lfFaceName, "Tahoma");

    // Missing values and values of another size read as the default.
    EXPECT_EQ(r.ReadInt("None", 77), 77);
    EXPECT_EQ(r.ReadInt("Float", 77), 77);
    EXPECT_EQ(r.ReadString("Int", "d"), "d");
    EXPECT_FALSE(r.ReadRect("Point", &rc2));
    EXPECT_EQ(rc2, rc);
    EXPECT_EQ(r.ReadDateTime("Int", dt).m_dt, dt.m_dt);
    CFont empty;
    EXPECT_FALSE(r.WriteFont("Empty", &empty));

    // The stored font record is fully defined: whatever followed the face
    // name in the caller's description, the rest of the record is zero, so
    // the same font always stores the same 60 bytes.
    std::vector<BYTE> records[2];
    for (int i = 0; i < 2; ++i) {
        LOGFONTA desc = LOGFONTA{-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, {}};
        memset(desc.lfFaceName, i == 0 ? 0xCC : 0x5A, LF_FACESIZE);
        memcpy(desc.lfFaceName, "Arial", 6);
        CFont f;
        ASSERT_TRUE(f.CreateFontIndirect(&desc));
        ASSERT_TRUE(r.WriteFont("Font", &f));
        records[i].resize(60);
        DWORD type = 0, size = 60;
        HKEY h = nullptr;
        ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\KX Tests\\KXRegistry", 0, KEY_READ, &h), ERROR_SUCCESS);
        EXPECT_EQ(::RegQueryValueExA(h, "Font", nullptr, &type, records[i].data(), &size), ERROR_SUCCESS);
        ::RegCloseKey(h);
        EXPECT_EQ(std::vector<BYTE>(records[i].begin() + 28 + 6, records[i].end()), std::vector<BYTE>(60 - 34, 0));
    }
    EXPECT_EQ(records[0], records[1]);
    EXPECT_FALSE(r.ReadFont("Rect", &other));

    // A null date keeps its status; strings of 4096 characters or more are refused.
    COleDateTime nulldt;
    nulldt.SetStatus(COleDateTime::null);
    EXPECT_TRUE(r.WriteDateTime("Null", nulldt));
    EXPECT_EQ(r.ReadDateTime("Null", dt).GetStatus(), COleDateTime::null);
    EXPECT_TRUE(r.WriteString("Long4095", std::string(4095, 'x').c_str()));
    EXPECT_FALSE(r.WriteString("Long4096", std::string(4096, 'x').c_str()));
    EXPECT_FALSE(r.ValueExists("Long4096"));
    EXPECT_EQ(r.ReadString("Long4095", "").GetLength(), 4095);
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
    EXPECT_TRUE(types.Lookup("two", type) && type == REG_SZ);
    EXPECT_TRUE(r.KeyExists("Software\\KX Tests\\KXRegistry\\D", HKEY_CURRENT_USER));

    ASSERT_TRUE(r.SetKey("A\\B", FALSE));
    EXPECT_EQ(r.GetSubKeyCount(), 1);
    EXPECT_FALSE(r.SetKey("X", FALSE));
    EXPECT_TRUE(r.SetKey("X", TRUE));
    EXPECT_TRUE(r.KeyExists("Software\\KX Tests\\KXRegistry\\A\\B\\X", HKEY_CURRENT_USER));

    // A key with keys below it goes whole, values included.
    ASSERT_TRUE(r.OpenKey(HKEY_CURRENT_USER, "Software\\KX Tests\\KXRegistry"));
    ASSERT_TRUE(r.SetKey("A\\B\\C", FALSE));
    EXPECT_TRUE(r.WriteInt("deep", 1));
    ASSERT_TRUE(r.OpenKey(HKEY_CURRENT_USER, "Software\\KX Tests\\KXRegistry"));
    EXPECT_TRUE(r.DeleteKey("A"));
    EXPECT_FALSE(r.KeyExists("A"));
    EXPECT_FALSE(r.DeleteKey("A"));
    EXPECT_EQ(r.GetSubKeyCount(), 1);
    r.CloseKey();
    EXPECT_EQ(r.GetSubKeyCount(), -1);
    EXPECT_EQ(r.GetValueCount(), -1);
    EXPECT_EQ(r.EnumKeys(keys), 0);
}
