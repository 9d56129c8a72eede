#include "base/cmemfile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

TEST(CMemFile, GrowsInStepsAndSeeksPastTheEnd) {
    CMemFile f(16);
    f.Write("abcdef", 6);
    EXPECT_EQ(f.Seek(10, CFile::begin), 10u);
    f.Write("Z", 1);
    char buf[16] = {};
    f.SeekToBegin();
    EXPECT_EQ(f.Read(buf, sizeof buf), 11u);
    EXPECT_EQ(0, memcmp(buf, "abcdef\0\0\0\0Z", 11));  // the gap reads as zeros
    EXPECT_EQ(f.Read(buf, 4), 0u);
    f.SetLength(3);
    EXPECT_EQ(f.GetPosition(), 3u);
    EXPECT_EQ(f.Seek(-1, CFile::end), 2u);
    try {
        f.Seek(-5, CFile::current);
        FAIL() << "seek before the start";
    } catch (CFileException* e) {
        EXPECT_EQ(e->m_cause, CFileException::badSeek);
        e->Delete();
    }
}

TEST(CMemFile, AttachedBufferCannotGrowAndDetachHandsOverTheBuffer) {
    BYTE buf[4] = {1, 2, 3, 4};
    CMemFile f(buf, sizeof buf);
    f.Seek(2, CFile::begin);
    f.Write("xy", 2);
    EXPECT_EQ(buf[3], 'y');
    try {
        f.Write("!", 1);
        FAIL() << "wrote past a fixed buffer";
    } catch (CMemoryException* e) {
        e->Delete();
    }
    EXPECT_EQ(f.Detach(), buf);
    EXPECT_EQ(f.GetLength(), 0u);

    CMemFile g;
    g.Write("hello", 5);
    BYTE* p = g.Detach();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(0, memcmp(p, "hello", 5));
    free(p);
    g.Write("x", 1);  // usable again with a new buffer
    EXPECT_EQ(g.GetLength(), 1u);
}
