#include "base/cfile.h"

#include <gtest/gtest.h>

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
