// Version information: the name tables, version formatting and the archive
// layout (reading a real resource is tested under Wine).
#include "util/version_info.h"

#include "base/cmemfile.h"

#include <gtest/gtest.h>

TEST(KXVersionInfoNames, OperatingSystemsRoundTripExceptOneSpelling) {
    EXPECT_EQ(CKXVersionInfo::GetFileOS(0x10004), "32-bit Windows running on MS-DOS");
    EXPECT_EQ(CKXVersionInfo::GetFileOS("32-bit Windows running on MS-DOS"), 0u);
    EXPECT_EQ(CKXVersionInfo::GetFileOS("32-bit windows running on MS-DOS"), 0x10004u);
    const DWORD codes[] = {0, 0x10000, 0x20000, 0x30000, 0x40000, 1, 2, 3, 4, 0x10001, 0x20002, 0x30003, 0x40004};
    for (DWORD code : codes) {
        CString name = CKXVersionInfo::GetFileOS(code);
        EXPECT_FALSE(name.IsEmpty()) << code;
        EXPECT_EQ(CKXVersionInfo::GetFileOS(name), code) << name.GetString();
    }
    EXPECT_EQ(CKXVersionInfo::GetFileOS(0x40001), "");
    EXPECT_EQ(CKXVersionInfo::GetFileOS("win32 api on windows nt"), 0u);  // byte for byte
    EXPECT_EQ(CKXVersionInfo::GetFileOS(static_cast<LPCTSTR>(nullptr)), 0u);
}

TEST(KXVersionInfoNames, FileTypesAndSubtypes) {
    EXPECT_EQ(CKXVersionInfo::GetFileTypeName(2, 0), "Dynamic link library");
    EXPECT_EQ(CKXVersionInfo::GetFileTypeName(3, 9), "Sound driver");
    EXPECT_EQ(CKXVersionInfo::GetFileTypeName(3, 10), "");
    EXPECT_EQ(CKXVersionInfo::GetFileTypeName(4, 3), "Truetype font");
    EXPECT_EQ(CKXVersionInfo::GetFileTypeName(4, 4), "");
    EXPECT_EQ(CKXVersionInfo::GetFileTypeName(6, 0), "");
    EXPECT_EQ(CKXVersionInfo::GetFileTypeName(7, 0), "Static link library");
    CKXVersionInfo v;
    v.m_FixedInfo.dwFileType = 3;
    v.m_FixedInfo.dwFileSubtype = 0xFFFFFFFF;
    EXPECT_EQ(v.GetFixedFileType(), "");
}

TEST(KXVersionInfoFormat, HighThenLowHalves) {
    CKXVersionInfo v;
    v.m_FixedInfo.dwFileVersionMS = MAKELONG(0, 1);
    v.m_FixedInfo.dwFileVersionLS = MAKELONG(815, 2006);
    v.m_FixedInfo.dwProductVersionMS = 0xFFFFFFFF;
    EXPECT_EQ(v.GetFixedFileVersion(), "1,0,2006,815");
    EXPECT_EQ(v.GetFixedProductVersion(), "65535,65535,0,0");
    v.m_wLang = 0x0409;
    v.m_wCharset = 1252;
    EXPECT_EQ(v.GetLangCharset(), 0x04E40409u);
}

TEST(KXVersionInfoArchive, LayoutAndRoundTrip) {
    CKXVersionInfo v;
    DWORD* words = reinterpret_cast<DWORD*>(&v.m_FixedInfo);
    for (int i = 0; i < 13; ++i) words[i] = 0x01010101u * static_cast<DWORD>(i + 1);
    v.m_wLang = 0x0407;
    v.m_wCharset = 0x04B0;
    v.m_strCompanyName = "Co";
    v.m_strSpecialBuild = "SB";
    v.m_strComments = "c";

    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        v.Serialize(ar);
    }
    // 52 bytes of words, 4 of language and code page, then twelve strings
    // each with a one-byte length: company name first, special build last.
    ASSERT_EQ(file.GetLength(), 52u + 4 + 12 + 2 + 1 + 2);
    BYTE raw[73];
    file.SeekToBegin();
    file.Read(raw, sizeof raw);
    EXPECT_EQ(raw[52], 0x07);
    EXPECT_EQ(raw[55], 0x04);
    EXPECT_EQ(raw[56], 2);
    EXPECT_EQ(raw[57], 'C');
    EXPECT_EQ(raw[70], 2);
    EXPECT_EQ(raw[71], 'S');

    CKXVersionInfo back;
    file.SeekToBegin();
    {
        CArchive ar(&file, CArchive::load);
        back.Serialize(ar);
    }
    EXPECT_EQ(0, memcmp(&back.m_FixedInfo, &v.m_FixedInfo, sizeof v.m_FixedInfo));
    EXPECT_EQ(back.GetLangCharset(), v.GetLangCharset());
    EXPECT_EQ(back.m_strCompanyName, "Co");
    EXPECT_EQ(back.m_strComments, "c");
    EXPECT_EQ(back.m_strSpecialBuild, "SB");

    // A truncated archive throws and leaves the object as it was.
    CMemFile cut;
    cut.Write(raw, 60);
    cut.SeekToBegin();
    CKXVersionInfo kept(back);
    try {
        CArchive ar(&cut, CArchive::load);
        kept.Serialize(ar);
        ADD_FAILURE() << "no exception";
    } catch (CException* e) {
        e->Delete();
    }
    EXPECT_EQ(kept.m_strCompanyName, "Co");
    EXPECT_EQ(kept.GetFixedFileVersion(), back.GetFixedFileVersion());
}
