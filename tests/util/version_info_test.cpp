// Version information: the name tables, version formatting and the archive
// layout (reading a real resource is tested under Wine).
#include "util/version_info.h"

#include "base/cmemfile.h"

#include <gtest/gtest.h>

#include <vector>

TEST(KXVersionInfoNames, OperatingSystemsRoundTripExceptOneSpelling) {
    const DWORD codes[] = {0, 0x10000, 0x20000, 0x30000, 0x40000, 1, 2, 3, 4, 0x10001, 0x20002, 0x30003, 0x40004};
    for (DWORD code : codes) {
        CString name = CKXVersionInfo::GetFileOS(code);
        EXPECT_FALSE(name.IsEmpty()) << code;
        EXPECT_EQ(CKXVersionInfo::GetFileOS(name), code) << name.GetString();
    }
    // 0x10004 is named with a capital W that the name lookup does not know.
    EXPECT_EQ(CKXVersionInfo::GetFileOS(0x10004), "32-bit Windows running on MS-DOS");
    EXPECT_EQ(CKXVersionInfo::GetFileOS("32-bit Windows running on MS-DOS"), 0u);
    EXPECT_EQ(CKXVersionInfo::GetFileOS("32-bit windows running on MS-DOS"), 0x10004u);
    EXPECT_EQ(CKXVersionInfo::GetFileOS(0x40001), "");
    EXPECT_EQ(CKXVersionInfo::GetFileOS("win32 api on windows nt"), 0u);  // byte for byte
    EXPECT_EQ(CKXVersionInfo::GetFileOS(static_cast<LPCTSTR>(nullptr)), 0u);

    // Subtypes are named only for drivers and fonts, and only inside their tables.
    EXPECT_EQ(CKXVersionInfo::GetFileTypeName(3, 9), "Sound driver");
    EXPECT_EQ(CKXVersionInfo::GetFileTypeName(4, 3), "Truetype font");
    for (auto [type, subtype] : {std::pair<DWORD, DWORD>{3, 10}, {4, 4}, {6, 0}, {3, 0xFFFFFFFF}})
        EXPECT_EQ(CKXVersionInfo::GetFileTypeName(type, subtype), "") << type << " " << subtype;
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
    EXPECT_EQ(std::vector<BYTE>(raw + 52, raw + 58), (std::vector<BYTE>{0x07, 0x04, 0xB0, 0x04, 2, 'C'}));
    EXPECT_EQ(std::vector<BYTE>(raw + 70, raw + 73), (std::vector<BYTE>{2, 'S', 'B'}));

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
