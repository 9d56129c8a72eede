// The portable arithmetic behind frames and documents: control bars taking
// their edges, status-bar panes along the bar, the scroll bars a view needs,
// the recent-file list's order and short names, and the command line.
#include "base/bar_layout.h"
#include "base/cmdline_info.h"
#include "base/recent_files.h"

#include <gtest/gtest.h>

namespace {

TEST(BarLayout, BarsTakeTheirEdgesInTurn) {
    CRect avail(0, 0, 400, 300);
    CSize total;
    // A toolbar on top, a status bar below, a bar on the left: each from what is left.
    EXPECT_EQ(CRect(0, 0, 400, 26), AfxTakeBarEdge(avail, total, CSize(32767, 26), kAfxAlignTop));
    EXPECT_EQ(CRect(0, 280, 400, 300), AfxTakeBarEdge(avail, total, CSize(32767, 20), kAfxAlignBottom));
    EXPECT_EQ(CRect(0, 26, 50, 280), AfxTakeBarEdge(avail, total, CSize(50, 32767), kAfxAlignLeft));
    EXPECT_EQ(CRect(350, 26, 400, 280), AfxTakeBarEdge(avail, total, CSize(50, 32767), kAfxAlignRight));
    EXPECT_EQ(CRect(50, 26, 350, 280), avail);
    EXPECT_EQ(CSize(500, 254), total);  // widths of the side bars add to the widest top bar
    // A bar larger than the space left takes only that space; an unaligned one nothing.
    CRect small(0, 0, 100, 10);
    CSize t2;
    EXPECT_EQ(CRect(0, 0, 100, 10), AfxTakeBarEdge(small, t2, CSize(32767, 30), kAfxAlignTop));
    EXPECT_EQ(0, small.Height());
    CRect none(0, 0, 100, 100);
    EXPECT_TRUE(AfxTakeBarEdge(none, t2, CSize(20, 20), 0).IsRectEmpty());
    EXPECT_EQ(CRect(0, 0, 100, 100), none);
}

TEST(BarLayout, StatusPanesStretchTheFirst) {
    const int widths[] = {100, 30, 30};
    const bool stretch[] = {true, false, false};
    int edges[3] = {};
    AfxStatusPaneEdges(widths, stretch, 3, 500, 8, edges);
    // The fixed panes keep width + gap at the right; the first takes the rest.
    EXPECT_EQ(500 - 2 * 38, edges[0]);
    EXPECT_EQ(500 - 38, edges[1]);
    EXPECT_EQ(500, edges[2]);
    // Too narrow: nobody shrinks below their own width.
    AfxStatusPaneEdges(widths, stretch, 3, 50, 8, edges);
    EXPECT_EQ(108, edges[0]);
    EXPECT_EQ(146, edges[1]);
    const bool none[] = {false, false, false};
    AfxStatusPaneEdges(widths, none, 3, 500, 8, edges);
    EXPECT_EQ(108, edges[0]);
    EXPECT_EQ(184, edges[2]);
}

TEST(BarLayout, ScrollBarsNeededTogether) {
    bool h = false, v = false;
    AfxNeededScrollBars(CSize(100, 100), CSize(200, 200), 16, 16, h, v);
    EXPECT_FALSE(h || v);
    AfxNeededScrollBars(CSize(300, 100), CSize(200, 200), 16, 16, h, v);
    EXPECT_TRUE(h);
    EXPECT_FALSE(v);
    // The horizontal bar takes 16 pixels: a document 190 high no longer fits.
    AfxNeededScrollBars(CSize(300, 190), CSize(200, 200), 16, 16, h, v);
    EXPECT_TRUE(h && v);
    AfxNeededScrollBars(CSize(190, 300), CSize(200, 200), 16, 16, h, v);
    EXPECT_TRUE(h && v);
}

TEST(RecentFiles, AddMovesToTheFrontAndDropsTheLast) {
    CString names[3];
    AfxRecentFilesAdd(names, 3, "C:\\a.txt");
    AfxRecentFilesAdd(names, 3, "C:\\b.txt");
    AfxRecentFilesAdd(names, 3, "C:\\c.txt");
    AfxRecentFilesAdd(names, 3, "c:\\A.TXT");  // the same file, another case: moves up
    EXPECT_STREQ("c:\\A.TXT", names[0]);
    EXPECT_STREQ("C:\\c.txt", names[1]);
    EXPECT_STREQ("C:\\b.txt", names[2]);
    AfxRecentFilesAdd(names, 3, "C:\\d.txt");
    EXPECT_STREQ("C:\\d.txt", names[0]);
    EXPECT_STREQ("C:\\c.txt", names[2]);
    AfxRecentFilesRemove(names, 3, 0);
    EXPECT_STREQ("c:\\A.TXT", names[0]);
    EXPECT_TRUE(names[2].IsEmpty());
    AfxRecentFilesRemove(names, 3, 7);  // out of range: nothing
    AfxRecentFilesAdd(names, 3, "");
    EXPECT_STREQ("c:\\A.TXT", names[0]);
}

TEST(RecentFiles, LongPathsLoseFoldersFromTheLeft) {
    EXPECT_STREQ("C:\\dir\\file.txt", AfxAbbreviatePath("C:\\dir\\file.txt", 30, true));
    EXPECT_STREQ("C:\\...\\three\\file.txt", AfxAbbreviatePath("C:\\one\\two\\three\\file.txt", 22, true));
    EXPECT_STREQ("C:\\...\\file.txt", AfxAbbreviatePath("C:\\one\\two\\three\\file.txt", 16, true));
    EXPECT_STREQ("file.txt", AfxAbbreviatePath("C:\\one\\two\\three\\file.txt", 10, true));
    EXPECT_STREQ("", AfxAbbreviatePath("C:\\one\\two\\three\\file.txt", 10, false));
    EXPECT_STREQ("\\\\srv\\share\\...\\f.txt", AfxAbbreviatePath("\\\\srv\\share\\a\\b\\c\\f.txt", 21, true));
}

TEST(CommandLine, FileFlagsAndPrinting) {
    CCommandLineInfo none;
    EXPECT_EQ(CCommandLineInfo::FileNew, none.m_nShellCommand);

    CCommandLineInfo open;
    open.ParseParam("notes.kxn", FALSE, TRUE);
    EXPECT_EQ(CCommandLineInfo::FileOpen, open.m_nShellCommand);
    EXPECT_STREQ("notes.kxn", open.m_strFileName);

    CCommandLineInfo print;
    print.ParseParam("pt", TRUE, FALSE);
    print.ParseParam("doc.txt", FALSE, FALSE);
    print.ParseParam("Printer", FALSE, FALSE);
    print.ParseParam("Driver", FALSE, FALSE);
    print.ParseParam("LPT1:", FALSE, TRUE);
    EXPECT_EQ(CCommandLineInfo::FilePrintTo, print.m_nShellCommand);
    EXPECT_STREQ("Printer", print.m_strPrinterName);
    EXPECT_STREQ("LPT1:", print.m_strPortName);

    CCommandLineInfo embedded;
    embedded.ParseParam("Embedding", TRUE, TRUE);
    EXPECT_TRUE(embedded.m_bRunEmbedded);
    EXPECT_FALSE(embedded.m_bShowSplash);
    CCommandLineInfo unreg;
    unreg.ParseParam("UNREGSERVER", TRUE, TRUE);
    EXPECT_EQ(CCommandLineInfo::AppUnregister, unreg.m_nShellCommand);
}

}  // namespace
