#include "base/cfile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(CFile, CreateWriteReadRemove) {
    const char* name = "kx_cfile_test.bin";
    {
        CFile f;
        CFileException e;
        ASSERT_TRUE(f.Open(name, CFile::modeCreate | CFile::modeWrite, &e));
        f.Write("0123456789", 10);
    }
    {
        CFile f(name, CFile::modeReadWrite | CFile::modeCreate | CFile::modeNoTruncate);
        EXPECT_EQ(f.GetLength(), 10u);
        f.Seek(-3, CFile::end);
        char buf[8] = {};
        EXPECT_EQ(f.Read(buf, 8), 3u);
        EXPECT_STREQ(buf, "789");
        EXPECT_EQ(f.GetFileName(), name);
        EXPECT_EQ(f.GetFileTitle(), "kx_cfile_test");
    }
    CFile::Remove(name);
    CFile f;
    CFileException e;
    EXPECT_FALSE(f.Open(name, CFile::modeRead, &e));
    EXPECT_EQ(e.m_cause, CFileException::fileNotFound);
    try {
        CFile::Remove(name);
        FAIL() << "removed a missing file";
    } catch (CFileException* ex) {
        EXPECT_EQ(ex->m_cause, CFileException::fileNotFound);
        ex->Delete();
    }
}

TEST(CFile, StatusOfAFileAndSettingItsTimesAndAttributes) {
    const char* name = "kx_cfile_status.bin";
    {
        CFile f(name, CFile::modeCreate | CFile::modeWrite);
        f.Write("12345", 5);
        CFileStatus open;
        ASSERT_TRUE(f.GetStatus(open));
        EXPECT_EQ(open.m_size, 5u);
    }
    CFileStatus st;
    ASSERT_TRUE(CFile::GetStatus(name, st));
    EXPECT_EQ(st.m_size, 5u);
    EXPECT_EQ(st.m_attribute & (CFile::readOnly | CFile::directory), 0);
    const std::string full = st.m_szFullName;
    EXPECT_TRUE(full.size() > strlen(name) && full.substr(full.size() - strlen(name)) == name) << full;

    // A modification time of our choosing, then read-only and back.
    st.m_mtime = CTime(1000000000);  // 2001-09-09 01:46:40 UTC
    st.m_ctime = st.m_atime = CTime();
    st.m_attribute |= CFile::readOnly;
    CFile::SetStatus(name, st);
    CFileStatus back;
    ASSERT_TRUE(CFile::GetStatus(name, back));
    EXPECT_EQ(back.m_mtime.GetTime(), 1000000000);
    EXPECT_TRUE(back.m_attribute & CFile::readOnly);
    back.m_attribute &= static_cast<BYTE>(~CFile::readOnly);
    CFile::SetStatus(name, back);
    CFile::Remove(name);

    EXPECT_FALSE(CFile::GetStatus(name, back));
    try {
        CFile::SetStatus(name, back);
        FAIL() << "set the status of a missing file";
    } catch (CFileException* e) {
        EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
        e->Delete();
    }
}
