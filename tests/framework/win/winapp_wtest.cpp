// The application object's profile functions, in the registry and in an INI
// file, and resources found through the extension-module chain.
#include "win/afxwin.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

struct RawValue {
    DWORD type = 0;
    std::vector<BYTE> data;
};

RawValue ReadRaw(LPCTSTR subkey, LPCTSTR name) {
    RawValue v;
    HKEY key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS) return v;
    DWORD size = 0;
    if (::RegQueryValueExA(key, name, nullptr, &v.type, nullptr, &size) == ERROR_SUCCESS) {
        v.data.resize(size);
        ::RegQueryValueExA(key, name, nullptr, &v.type, v.data.data(), &size);
    }
    ::RegCloseKey(key);
    return v;
}

bool KeyExists(LPCTSTR subkey) {
    HKEY key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    ::RegCloseKey(key);
    return true;
}

}  // namespace

TEST(CWinAppProfile, RegistryValuesHaveTheFrameworksTypesAndLayout) {
    CWinApp app("KXProfileTest");
    app.SetRegistryKey("KX Tests");
    const char* section = "Software\\KX Tests\\KXProfileTest\\Settings";
    ::RegDeleteKeyA(HKEY_CURRENT_USER, section);

    EXPECT_EQ(app.GetProfileString("Settings", "Name", "none"), "none");
    ASSERT_TRUE(app.WriteProfileInt("Settings", "Count", -42));
    ASSERT_TRUE(app.WriteProfileString("Settings", "Name", "Flat"));
    BYTE bytes[] = {0x00, 0x7F, 0xA5, 0xFF};
    ASSERT_TRUE(app.WriteProfileBinary("Settings", "Blob", bytes, sizeof bytes));

    EXPECT_EQ(static_cast<int>(app.GetProfileInt("Settings", "Count", 0)), -42);
    EXPECT_EQ(app.GetProfileString("Settings", "Name"), "Flat");
    LPBYTE data = nullptr;
    UINT n = 0;
    ASSERT_TRUE(app.GetProfileBinary("Settings", "Blob", &data, &n));
    ASSERT_EQ(n, sizeof bytes);
    EXPECT_EQ(0, memcmp(data, bytes, n));
    delete[] data;

    EXPECT_EQ(ReadRaw(section, "Count").type, DWORD(REG_DWORD));
    EXPECT_EQ(ReadRaw(section, "Count").data.size(), 4u);
    EXPECT_EQ(ReadRaw(section, "Name").type, DWORD(REG_SZ));
    EXPECT_EQ(ReadRaw(section, "Blob").type, DWORD(REG_BINARY));

    // A text value is not an integer, and a missing value reads as the default.
    EXPECT_EQ(app.GetProfileInt("Settings", "Name", 9), 9u);
    ASSERT_TRUE(app.WriteProfileString("Settings", "Name", nullptr));
    EXPECT_EQ(ReadRaw(section, "Name").type, 0u);
    ASSERT_TRUE(app.WriteProfileString("Settings", nullptr, nullptr));
    EXPECT_FALSE(KeyExists(section));
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\KX Tests\\KXProfileTest");
}

TEST(CWinAppProfile, IniFileHoldsTextAndBinaryAsLetters) {
    CWinApp app("KXIniTest");
    char dir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, dir);
    CString ini = CString(dir) + "kx_profile_test.ini";
    ::DeleteFileA(ini);
    free(const_cast<char*>(app.m_pszProfileName));
    app.m_pszProfileName = _strdup(ini);

    ASSERT_TRUE(app.WriteProfileInt("Window", "Left", 120));
    ASSERT_TRUE(app.WriteProfileString("Window", "Title", "Main"));
    BYTE bytes[] = {0x12, 0xF0};
    ASSERT_TRUE(app.WriteProfileBinary("Window", "State", bytes, sizeof bytes));

    char raw[64];
    ::GetPrivateProfileStringA("Window", "State", "", raw, sizeof raw, ini);
    EXPECT_STREQ(raw, "CBAP");  // low nibble first, 'A' + nibble
    EXPECT_EQ(app.GetProfileInt("Window", "Left", 0), 120u);
    EXPECT_EQ(app.GetProfileString("Window", "Title"), "Main");
    LPBYTE data = nullptr;
    UINT n = 0;
    ASSERT_TRUE(app.GetProfileBinary("Window", "State", &data, &n));
    EXPECT_EQ(std::vector<BYTE>(data, data + n), std::vector<BYTE>(bytes, bytes + 2));
    delete[] data;

    // Hand-written text decodes pair by pair (an odd last letter is dropped);
    // text without a single pair hands out nothing.
    ::WritePrivateProfileStringA("Window", "Odd", "ABZ", ini);
    ASSERT_TRUE(app.GetProfileBinary("Window", "Odd", &data, &n));
    EXPECT_EQ(std::vector<BYTE>(data, data + n), std::vector<BYTE>{0x10});
    delete[] data;
    ::WritePrivateProfileStringA("Window", "One", "Z", ini);
    EXPECT_FALSE(app.GetProfileBinary("Window", "One", &data, &n));
    EXPECT_EQ(data, nullptr);

    // A block beyond the API's usual 4096-character buffer comes back whole.
    std::vector<BYTE> large(5000);
    for (size_t i = 0; i < large.size(); ++i) large[i] = static_cast<BYTE>(i);
    ASSERT_TRUE(app.WriteProfileBinary("Window", "Large", large.data(), static_cast<UINT>(large.size())));
    ASSERT_TRUE(app.GetProfileBinary("Window", "Large", &data, &n));
    EXPECT_EQ(std::vector<BYTE>(data, data + n), large);
    delete[] data;
    ::DeleteFileA(ini);
}

TEST(ResourceChain, ExtensionModulesAreSearchedAfterTheApplication) {
    const UINT id = 4242;
    CString s;
    EXPECT_FALSE(s.LoadString(id));
    HMODULE hMod = ::LoadLibraryA("kxtest_res.dll");
    ASSERT_NE(hMod, nullptr);
    AFX_EXTENSION_MODULE module;
    ASSERT_TRUE(AfxInitExtensionModule(module, hMod));
    {
        CDynLinkLibrary library(module);
        EXPECT_EQ(AfxGetFirstDynLinkLibrary(), &library);
        ASSERT_TRUE(s.LoadString(id));
        EXPECT_EQ(CString(MAKEINTRESOURCEA(id)), "Found in the extension module");
        EXPECT_EQ(AfxFindStringResourceHandle(id), hMod);
    }
    EXPECT_EQ(AfxGetFirstDynLinkLibrary(), nullptr);
    EXPECT_FALSE(s.LoadString(id));
    AfxTermExtensionModule(module);
    ::FreeLibrary(hMod);
}

namespace winapp_test {
class CModuleClass : public CObject {
    DECLARE_SERIAL(CModuleClass)
};
IMPLEMENT_SERIAL(CModuleClass, CObject, 1)
}  // namespace winapp_test

TEST(ResourceChain, AModulesClassesLiveInItsOwnRecord) {
    // The test program stands in for an extension module: its classes leave
    // the application's list and are found while its library is in the chain.
    ASSERT_EQ(CRuntimeClass::FromName("CModuleClass"), RUNTIME_CLASS(winapp_test::CModuleClass));
    AFX_EXTENSION_MODULE module;
    ASSERT_TRUE(AfxInitExtensionModule(module, ::GetModuleHandleA(nullptr)));
    EXPECT_EQ(module.pFirstSharedClass, RUNTIME_CLASS(winapp_test::CModuleClass));
    EXPECT_EQ(CRuntimeClass::FromName("CModuleClass"), nullptr);
    EXPECT_NE(CRuntimeClass::FromName("CStringArray"), nullptr);  // the framework's own stay
    {
        CDynLinkLibrary library(module);
        EXPECT_EQ(CRuntimeClass::FromName("CModuleClass"), RUNTIME_CLASS(winapp_test::CModuleClass));
        CObject* made = CRuntimeClass::CreateObject("CModuleClass");
        ASSERT_NE(made, nullptr);
        delete made;
    }
    EXPECT_EQ(CRuntimeClass::FromName("CModuleClass"), nullptr);
    AfxTermExtensionModule(module);
}
