// CFileFind: every match of a pattern including the last, the path of each
// under the pattern's folder, and the folder entries "." and "..".
#include <afx.h>
#include <afxwin.h>

#include "support/assert_capture.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(CFileFind, VisitsEveryMatchIncludingTheLast) {
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    CString dir = CString(temp) + "kx_filefind_test";
    ::CreateDirectoryA(dir, nullptr);
    ::CreateDirectoryA(dir + "\\sub", nullptr);
    for (const char* name : {"a.txt", "b.txt", "c.dat"}) {
        CFile f(dir + "\\" + name, CFile::modeCreate | CFile::modeWrite);
        f.Write("12345", name[0] == 'b' ? 5 : 2);
    }

    CFileFind finder;
    std::set<std::string> seen;
    for (BOOL bMore = finder.FindFile(dir + "\\*.txt"); bMore;) {
        bMore = finder.FindNextFile();
        seen.insert(std::string(finder.GetFileName()));
        EXPECT_EQ(finder.GetFilePath(), dir + "\\" + finder.GetFileName());
        EXPECT_EQ(finder.GetRoot(), dir);
        EXPECT_EQ(finder.GetLength(), finder.GetFileName() == "b.txt" ? 5u : 2u);
        EXPECT_FALSE(finder.IsDirectory());
        CTime written;
        EXPECT_TRUE(finder.GetLastWriteTime(written));
        EXPECT_GT(written.GetTime(), 0);
    }
    EXPECT_EQ(seen, (std::set<std::string>{"a.txt", "b.txt"}));
    EXPECT_EQ(finder.GetFileTitle(), CString(seen.rbegin()->c_str()).Left(1));

    int nDots = 0, nDirs = 0;
    for (BOOL bMore = finder.FindFile(dir + "\\*"); bMore;) {
        bMore = finder.FindNextFile();
        if (finder.IsDots()) ++nDots;
        else if (finder.IsDirectory()) ++nDirs;
    }
    EXPECT_EQ(nDots, 2);
    EXPECT_EQ(nDirs, 1);
    EXPECT_FALSE(finder.FindFile(dir + "\\*.none"));
    EXPECT_ASSERTS(finder.GetFileName());  // nothing found: no current file

    for (const char* name : {"a.txt", "b.txt", "c.dat"}) CFile::Remove(dir + "\\" + name);
    ::RemoveDirectoryA(dir + "\\sub");
    ::RemoveDirectoryA(dir);
}
