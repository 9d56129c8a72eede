// The file dialog's filter conversion, the reading of its selections and
// the parts of a path.
#include "base/file_dialog_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace afx_filedlg;

namespace {
std::vector<std::string> ReadAll(const std::string& buffer, bool explorer, bool multi) {
    SelectionReader reader(buffer.data(), buffer.size(), explorer, multi);
    std::vector<std::string> out;
    for (size_t pos = reader.Start(); pos != 0 && out.size() < 10;) out.push_back(reader.Next(pos));
    return out;
}
}  // namespace

TEST(FileDialogNames, FilterBarsBecomeNuls) {
    using namespace std::string_literals;
    EXPECT_EQ(ConvertFilter("Text (*.txt)|*.txt|All (*.*)|*.*||"), "Text (*.txt)\0*.txt\0All (*.*)\0*.*\0\0"s);
    // Without the closing bars, and with one: the same list.
    EXPECT_EQ(ConvertFilter("A|*.a"), "A\0*.a\0\0"s);
    EXPECT_EQ(ConvertFilter("A|*.a|"), "A\0*.a\0\0"s);
    EXPECT_EQ(ConvertFilter(""), "");
    EXPECT_EQ(ConvertFilter(nullptr), "");
}

TEST(FileDialogNames, ExplorerSelections) {
    using namespace std::string_literals;
    // Several names: the folder first.
    EXPECT_EQ(ReadAll("C:\\dir\0a.txt\0b.txt\0\0"s, true, true),
              (std::vector<std::string>{"C:\\dir\\a.txt", "C:\\dir\\b.txt"}));
    // One name of a multiple selection is a full path.
    EXPECT_EQ(ReadAll("C:\\dir\\a.txt\0\0"s, true, true), (std::vector<std::string>{"C:\\dir\\a.txt"}));
    // The root folder has its separator already; a name may be a path itself.
    EXPECT_EQ(ReadAll("C:\\\0a.txt\0D:\\x\\b.txt\0\0"s, true, true),
              (std::vector<std::string>{"C:\\a.txt", "D:\\x\\b.txt"}));
    // Without multiple selection the buffer is one path, whatever follows.
    EXPECT_EQ(ReadAll("C:\\dir\\a.txt\0junk\0\0"s, true, false), (std::vector<std::string>{"C:\\dir\\a.txt"}));
    EXPECT_TRUE(ReadAll(""s, true, true).empty());
    // A buffer cut short (no terminating NULs) ends at its size.
    EXPECT_EQ(ReadAll("C:\\dir\0a.txt\0b.t"s, true, true),
              (std::vector<std::string>{"C:\\dir\\a.txt", "C:\\dir\\b.t"}));
}

TEST(FileDialogNames, OldStyleSelectionsAreSeparatedByBlanks) {
    using namespace std::string_literals;
    EXPECT_EQ(ReadAll("C:\\DIR A.TXT B.TXT\0"s, false, true),
              (std::vector<std::string>{"C:\\DIR\\A.TXT", "C:\\DIR\\B.TXT"}));
    EXPECT_EQ(ReadAll("C:\\DIR\\A.TXT\0"s, false, true), (std::vector<std::string>{"C:\\DIR\\A.TXT"}));
}

TEST(FileDialogNames, PathParts) {
    EXPECT_EQ(PathFileName("C:\\dir\\report.v2.txt"), "report.v2.txt");
    EXPECT_EQ(PathFileExt("C:\\dir\\report.v2.txt"), "txt");
    EXPECT_EQ(PathFileTitle("C:\\dir\\report.v2.txt"), "report.v2");
    EXPECT_EQ(PathFolder("C:\\dir\\report.v2.txt"), "C:\\dir");
    EXPECT_EQ(PathFolder("C:\\report"), "C:\\");
    EXPECT_EQ(PathFileExt("C:\\dir.d\\noext"), "");
    EXPECT_EQ(PathFileTitle("C:\\dir.d\\noext"), "noext");
    EXPECT_EQ(PathFileName("C:name"), "name");
    EXPECT_EQ(PathFolder("name"), "");
    EXPECT_EQ(PathFileName("C:\\dir\\"), "");
}
