// CStdioFile: lines in and out (a newline kept by the buffer form, dropped
// by the string form, long lines, a last line without newline), the text
// mode's line ends on Windows, and the framework's open modes.
#include "base/cstdiofile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string Raw(LPCTSTR name) {
    CFile f(name, CFile::modeRead);
    std::string s(static_cast<size_t>(f.GetLength()), '\0');
    f.Read(s.data(), static_cast<UINT>(s.size()));
    return s;
}

}  // namespace

TEST(CStdioFile, LinesInTextModeAndOutAgain) {
    const char* name = "kx_stdio_test.txt";
    const std::string longLine(300, 'x');
    {
        CStdioFile f(name, CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        f.WriteString("first\n\n");
        f.WriteString(longLine.c_str());
        f.WriteString("\nlast");
    }
#ifdef _WIN32
    EXPECT_EQ(Raw(name), "first\r\n\r\n" + longLine + "\r\nlast");
#else
    EXPECT_EQ(Raw(name), "first\n\n" + longLine + "\nlast");
#endif
    CStdioFile f;
    ASSERT_TRUE(f.Open(name, CFile::modeRead));
    char buf[8];
    EXPECT_STREQ(f.ReadString(buf, sizeof buf), "first\n");
    CString line;
    EXPECT_TRUE(f.ReadString(line));  // the empty line
    EXPECT_EQ(line, "");
    EXPECT_TRUE(f.ReadString(line));
    EXPECT_EQ(std::string(line), longLine);
    EXPECT_TRUE(f.ReadString(line));
    EXPECT_EQ(line, "last");
    EXPECT_FALSE(f.ReadString(line));
    EXPECT_EQ(f.ReadString(buf, sizeof buf), nullptr);
    f.Close();
    CFile::Remove(name);
}

TEST(CStdioFile, WritingStartsAtTheBeginningAndBinaryKeepsBytes) {
    const char* name = "kx_stdio_modes.bin";
    {
        CStdioFile f(name, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
        f.WriteString("one\nxyz\n");
    }
    {
        CStdioFile f(name, CFile::modeWrite | CFile::typeBinary);
        f.WriteString("one\n");  // over the first line, not after the last
        f.SeekToEnd();
        f.Write("two\n", 4);
        EXPECT_EQ(f.GetLength(), 12u);
    }
    EXPECT_EQ(Raw(name), "one\nxyz\ntwo\n");
    {
        CStdioFile f(name, CFile::modeRead | CFile::typeBinary);
        f.Seek(8, CFile::begin);
        char buf[4];
        EXPECT_EQ(f.Read(buf, 4), 4u);
        EXPECT_EQ(std::string(buf, 4), "two\n");
        EXPECT_EQ(f.GetPosition(), 12u);
    }
    CStdioFile missing;
    CFileException e;
    CFile::Remove(name);
    EXPECT_FALSE(missing.Open(name, CFile::modeRead, &e));
    EXPECT_EQ(e.m_cause, CFileException::fileNotFound);
}
