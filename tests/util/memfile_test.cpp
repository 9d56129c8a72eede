// The memory file: splicing and search at the buffer's edges, line rules,
// and binding to a disk file.
#include "util/memfile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

// The whole content; the position is left where it was.
CString Content(CKXMemFile& f) {
    const ULONGLONG pos = f.GetPosition();
    const UINT n = static_cast<UINT>(f.GetLength());
    CString s;
    f.SeekToBegin();
    f.Read(s.GetBufferSetLength(static_cast<int>(n)), n);
    f.Seek(static_cast<LONGLONG>(pos), CFile::begin);
    return s;
}

void Fill(CFile& f, const char* text) {
    f.SetLength(0);
    f.SeekToBegin();
    f.Write(text, static_cast<UINT>(strlen(text)));
}

struct TempPath {
    std::string path;
    explicit TempPath(const char* name)
        : path((std::filesystem::temp_directory_path() / name).string()) {
        std::remove(path.c_str());
    }
    ~TempPath() { std::remove(path.c_str()); }
    const char* c_str() const { return path.c_str(); }
};

std::string ReadDisk(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteDisk(const char* path, const std::string& s) { std::ofstream(path, std::ios::binary) << s; }

}  // namespace

TEST(KXMemFileFind, FirstMatchAtOrAfterStartIncludingEdges) {
    CKXMemFile f;
    Fill(f, "AAABxxAAB");
    EXPECT_EQ(f.FindData("AAB", 3, 0), 1);  // starts inside a partial match
    EXPECT_EQ(f.GetPosition(), 1u);
    EXPECT_EQ(f.FindData("AAB", 3, 7), -1);  // only a partial match remains
    EXPECT_EQ(f.GetPosition(), f.GetLength());
    EXPECT_EQ(f.FindData("AAABxxAABx", 10, 0), -1);
    for (LONG start : {9, -1}) EXPECT_EQ(f.FindData("B", 1, start), -1);
    EXPECT_EQ(f.FindData("", 0, 0), -1);
    EXPECT_EQ(f.FindData(nullptr, 1, 0), -1);
    EXPECT_EQ(CKXMemFile().FindData("A", 1, 0), -1);
    Fill(f, "xAAAAAABAAAAB");
    EXPECT_EQ(f.FindData("AAAAB", 5, 0), 3);  // long patterns: partial matches too
    EXPECT_EQ(f.FindData("AAAAB", 5, 4), 8);
    f.SetLength(0);
    f.Write("a\0\0b", 4);
    EXPECT_EQ(f.FindData("\0\0", 2, 0), 1);
}

TEST(KXMemFileFind, EveryPlaceInBuffersOfEverySizeUpToThreeBlocks) {
    // The scan goes sixteen candidates at a time: a match must be found in
    // every position, the block edges and the very end included.
    for (int size = 3; size <= 48; ++size) {
        for (int at = 0; at + 3 <= size; ++at) {
            std::string text(static_cast<size_t>(size), 'a');
            text.replace(static_cast<size_t>(at), 3, "abz");
            CKXMemFile f;
            f.Write(text.data(), static_cast<UINT>(size));
            ASSERT_EQ(f.FindData("abz", 3, 0), at) << size << " " << at;
            ASSERT_EQ(f.FindData("abz", 3, at + 1), -1) << size << " " << at;
            ASSERT_EQ(f.FindData("az", 2, 0), -1) << size << " " << at;
        }
    }
}

TEST(KXMemFileSplice, InsertExtractAndWholeFileCopiesClampToWhatExists) {
    CKXMemFile f, src;
    Fill(f, "0123456789");
    Fill(src, "abcdef");
    EXPECT_EQ(f.Insert(&src, 0, 1, 2), 12u);  // at the front
    EXPECT_EQ(Content(f), "bc0123456789");
    EXPECT_EQ(f.GetPosition(), 2u);
    EXPECT_EQ(f.Insert(&src, 12, 4, 100), 14u);  // at the end; count cut at src's end
    EXPECT_EQ(f.Insert(&src, 99, 0, 1), 15u);  // past the end: appended
    EXPECT_EQ(f.Insert(&src, 3, 6, 5), 15u);  // nothing at src's end
    EXPECT_EQ(f.Insert(&src, 3, 0, 0xFFFFFFFF), 21u);
    EXPECT_EQ(Content(f), "bc0abcdef123456789efa");

    // Bigger than one block, so the block loop is exercised.
    CKXMemFile big;
    std::string blob;
    for (int i = 0; i < 3000; ++i) blob += static_cast<char>('a' + i % 26);
    Fill(big, blob.c_str());
    Fill(f, "<>");
    EXPECT_EQ(f.Insert(&big, 1, 10, 2500), 2502u);
    EXPECT_EQ(std::string(Content(f).GetString()), "<" + blob.substr(10, 2500) + ">");

    CKXMemFile out;
    f.Seek(5, CFile::begin);
    EXPECT_EQ(f.Extract(&out, 2490, 100), 12u);  // clamped at the end
    EXPECT_EQ(f.GetPosition(), 5u);  // restored
    EXPECT_EQ(std::string(Content(out).GetString()), blob.substr(2499, 11) + ">");
    EXPECT_EQ(f.Extract(&out, 2502, 1), 0u);

    // Whole files: appended, imported (the position back at 0), never into themselves.
    Fill(f, "xyz");
    f += &src;
    EXPECT_EQ(Content(f), "xyzabcdef");
    f = &src;
    EXPECT_EQ(Content(f), "abcdef");
    EXPECT_EQ(f.GetPosition(), 0u);
    EXPECT_FALSE(f.Import(&f));
    EXPECT_EQ(f[2], 'c');  // and the position moves to the byte read
    EXPECT_EQ(f.GetPosition(), 2u);
}

// Every line to the end, "|" after each; a FALSE from ReadString as "!".
static std::string Lines(CKXMemFile& f) {
    std::string out;
    CString line;
    for (f.SeekToBegin(); f.GetPosition() < f.GetLength();) out += (f.ReadString(line) ? line : CString("!")) + "|";
    EXPECT_FALSE(f.ReadString(line));
    return out;
}

TEST(KXMemFileLines, ReadEndsAtCrCrLfAndNulWriteDropsCrAndEndsWithCrLf) {
    CKXMemFile f;
    const char bytes[] = "A\r\n\r\nB\rC\nD\0E\r";
    f.Write(bytes, sizeof bytes - 1);
    // An empty line reads as FALSE; a lone LF is text.
    EXPECT_EQ(Lines(f), "A|!|B|C\nD|E|");
    Fill(f, "x\ry");  // a last line without an end
    EXPECT_EQ(Lines(f), "x|y|");

    f.SetLength(0);
    f.WriteString("a\r\nb\r");
    f.WriteString("");
    EXPECT_EQ(Content(f), "a\nb\r\n\r\n");
    EXPECT_EQ(Lines(f), "a\nb|!|");
}

TEST(KXMemFileDisk, WritableFileSavedOnCloseReadOnlyLeftAloneAndByNameForms) {
    TempPath path("kx_memfile_test.bin");
    WriteDisk(path.c_str(), "hello world");
    {
        CKXMemFile f;
        ASSERT_TRUE(f.Open(path.c_str(), CFile::modeReadWrite | CFile::shareDenyNone));
        EXPECT_FALSE(f.Open(path.c_str(), CFile::modeRead));  // already bound
        EXPECT_EQ(Content(f), "hello world");
        f.SetLength(5);
        f.SeekToEnd();
        f.WriteString("!");
        EXPECT_EQ(ReadDisk(path.c_str()), "hello world");  // not yet
        f.Close();
        EXPECT_FALSE(f.IsBound());
    }
    EXPECT_EQ(ReadDisk(path.c_str()), "hello!\r\n");

    {
        CKXMemFile f(path.c_str(), CFile::modeRead | CFile::shareDenyNone);
        EXPECT_TRUE(f.IsBound());  // bound by the constructor
        Fill(f, "changed");
        f.Flush();
    }  // the destructor closes without saving: read-only
    EXPECT_EQ(ReadDisk(path.c_str()), "hello!\r\n");

    {
        CKXMemFile f(path.c_str(), CFile::modeReadWrite | CFile::shareDenyNone);
        Fill(f, "scratch");
        EXPECT_TRUE(f.Discard());  // back to what the disk holds
        EXPECT_EQ(Content(f), "hello!\r\n");
        f.SeekToEnd();
        f.Write("+", 1);
    }  // and the destructor saves
    EXPECT_EQ(ReadDisk(path.c_str()), "hello!\r\n+");

    // Write-only, created: starts empty, saved on close.
    {
        CKXMemFile f(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        EXPECT_EQ(f.GetLength(), 0u);
        f.Write("new", 3);
    }
    EXPECT_EQ(ReadDisk(path.c_str()), "new");

    CKXMemFile f;
    EXPECT_FALSE(f.Open((path.path + ".none").c_str(), CFile::modeRead));
    EXPECT_FALSE(f.IsBound());

    // The by-name forms open the named file; a missing one gives 0.
    Fill(f, "[]");
    EXPECT_EQ(f.Insert(path.c_str(), 1, 0, 2), 4u);
    EXPECT_EQ(Content(f), "[ne]");
    EXPECT_EQ(f.Insert((path.path + ".none").c_str(), 0, 0, 1), 0u);
}
