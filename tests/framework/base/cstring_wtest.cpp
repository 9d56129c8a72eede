// The Windows side of the strings: resources by module and language, the
// system's message format, BSTR copies and the ANSI code page.
#include <afx.h>

#include <gtest/gtest.h>

#include <oleauto.h>

TEST(CStringWindows, ResourcesMessagesAndSystemStrings) {
    HMODULE hMod = ::LoadLibraryA("kxtest_res.dll");
    ASSERT_NE(hMod, nullptr);
    CString s;
    EXPECT_TRUE(s.LoadString(hMod, 4242));
    EXPECT_EQ(s, "Found in the extension module");
    CStringW w;
    EXPECT_TRUE(w.LoadString(hMod, 4242, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL)));
    EXPECT_EQ(w, CStringW(L"Found in the extension module"));
    EXPECT_FALSE(s.LoadString(hMod, 4243));
    ::FreeLibrary(hMod);

    // Inserts by number, a CString among them, and printf forms in "!...!".
    s.FormatMessage("%2 and %1!d!, %3", 7, CString("first"), "third");
    EXPECT_EQ(s, "first and 7, third");
    CStringW wide;
    wide.Format(L"%s=%d", L"wide", 3);  // "%s" is a wide string in a wide format
    EXPECT_EQ(wide, CStringW(L"wide=3"));

    BSTR bstr = CString("Gr\xFC\xDF").AllocSysString();
    ASSERT_NE(bstr, nullptr);
    EXPECT_EQ(::SysStringLen(bstr), 4u);
    EXPECT_EQ(bstr[2], L'\u00FC');
    CStringW(L"again").SetSysString(&bstr);
    EXPECT_STREQ(bstr, L"again");
    ::SysFreeString(bstr);
}
