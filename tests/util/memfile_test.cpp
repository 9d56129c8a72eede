// The memory file: splicing and search at the buffer's edges, line rules,
// and binding to a disk file.
#include "util/memfile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

CString Content(CKXMemFile& f) {
    CString s;
    const ULONGLONG pos = f.GetPosition();
    f.SeekToBegin();
    const UINT n = static_cast<UINT>(f.GetLength());
    char* p = s.GetBuffer(static_cast<int>(n));
    f.Read(p, n);
    s.ReleaseBuffer(static_cast<int>(n));
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
    std::string s;
    if (FILE* f = std::fopen(path, "rb")) {
        char buf[256];
        for (size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) s.append(buf, n);
        std::fclose(f);
    }
    return s;
}

void WriteDisk(const char* path, const std::string& s) {
    FILE* f = std::fopen(path, "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(s.data(), 1, s.size(), f);
    std::fclose(f);
}

}  // namespace

TEST(KXMemFileFind, FirstMatchAtOrAfterStartIncludingEdges) {
    CKXMemFile f;
    Fill(f, "AAABxxAAB");
    EXPECT_EQ(f.FindData("AAB", 3, 0), 1);  // starts inside a partial match
    EXPECT_EQ(f.GetPosition(), 1u);
    EXPECT_EQ(f.FindData("AAB", 3, 2), 6);  // the match that ends the buffer
    EXPECT_EQ(f.FindData("AAAB", 4, 0), 0);  // the match that starts it
    EXPECT_EQ(f.FindData("AAB", 3, 7), -1);  // only a partial match remains
    EXPECT_EQ(f.GetPosition(), f.GetLength());
    EXPECT_EQ(f.FindData("AAABxxAAB", 9, 0), 0);
    EXPECT_EQ(f.FindData("AAABxxAABx", 10, 0), -1);
    EXPECT_EQ(f.FindData("B", 1, 8), 8);
    Fill(f, "xAAAAAABAAAAB");
    EXPECT_EQ(f.FindData("AAAAB", 5, 0), 3);  // long patterns: partial matches too
    EXPECT_EQ(f.FindData("AAAAB", 5, 4), 8);
    EXPECT_EQ(f.FindData("AAAAB", 5, 9), -1);
    Fill(f, "AAABxxAAB");
    EXPECT_EQ(f.FindData("B", 1, 9), -1);
    EXPECT_EQ(f.FindData("B", 1, -1), -1);
    EXPECT_EQ(f.FindData("", 0, 0), -1);
    EXPECT_EQ(f.FindData(nullptr, 1, 0), -1);
    const BYTE zeros[2] = {0, 0};
    f.SetLength(0);
    f.SeekToBegin();
    f.Write("a\0\0b", 4);
    EXPECT_EQ(f.FindData(zeros, 2, 0), 1);

    CKXMemFile empty;
    EXPECT_EQ(empty.FindData("A", 1, 0), -1);
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

TEST(KXMemFileSplice, InsertAndExtractClampToWhatExists) {
    CKXMemFile f, src;
    Fill(f, "0123456789");
    Fill(src, "abcdef");
    EXPECT_EQ(f.Insert(&src, 0, 1, 2), 12u);  // at the front
    EXPECT_EQ(Content(f), "bc0123456789");
    EXPECT_EQ(f.GetPosition(), 2u);
    EXPECT_EQ(f.Insert(&src, 12, 4, 100), 14u);  // at the end; count cut at src's end
    EXPECT_EQ(Content(f), "bc0123456789ef");
    EXPECT_EQ(f.Insert(&src, 99, 0, 1), 15u);  // past the end: appended
    EXPECT_EQ(Content(f), "bc0123456789efa");
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
}

TEST(KXMemFileIndex, BytesPositionsAndWholeFileCopies) {
    CKXMemFile f, other;
    Fill(f, "xyz");
    EXPECT_EQ(f[2], 'z');
    EXPECT_EQ(f.GetPosition(), 2u);
    EXPECT_EQ(f[3], 0);
    f = static_cast<DWORD>(1);
    EXPECT_EQ(f.GetPosition(), 1u);

    Fill(other, "12");
    f += &other;
    EXPECT_EQ(Content(f), "xyz12");
    f = &other;
    EXPECT_EQ(Content(f), "12");
    EXPECT_EQ(f.GetPosition(), 0u);
    CKXMemFile copy;
    EXPECT_TRUE(f.Duplicate(&copy));
    EXPECT_EQ(Content(copy), "12");
    EXPECT_FALSE(f.Import(&f));
}

TEST(KXMemFileLines, ReadStringEndsAtCrCrLfAndNul) {
    CKXMemFile f;
    const char bytes[] = "A\r\n\r\nB\rC\nD\0E\r";
    f.Write(bytes, sizeof bytes - 1);
    f.SeekToBegin();
    CString line;
    EXPECT_TRUE(f.ReadString(line));
    EXPECT_EQ(line, "A");
    EXPECT_FALSE(f.ReadString(line));  // an empty line reads as FALSE
    EXPECT_EQ(line, "");
    EXPECT_TRUE(f.ReadString(line));
    EXPECT_EQ(line, "B");
    EXPECT_TRUE(f.ReadString(line));  // a lone LF is text
    EXPECT_EQ(line, "C\nD");
    EXPECT_TRUE(f.ReadString(line));
    EXPECT_EQ(line, "E");
    EXPECT_EQ(f.GetPosition(), f.GetLength());
    EXPECT_FALSE(f.ReadString(line));

    // A last line without an end; a CR at the very end of the file.
    Fill(f, "x\ry");
    f.SeekToBegin();
    EXPECT_TRUE(f.ReadString(line));
    EXPECT_TRUE(f.ReadString(line));
    EXPECT_EQ(line, "y");
    EXPECT_FALSE(f.ReadString(line));
}

TEST(KXMemFileLines, WriteStringDropsCrAndEndsWithCrLf) {
    CKXMemFile f;
    f.WriteString("a\r\nb\r");
    f.WriteString("");
    EXPECT_EQ(Content(f), "a\nb\r\n\r\n");
    f.SeekToBegin();
    CString line;
    EXPECT_TRUE(f.ReadString(line));
    EXPECT_EQ(line, "a\nb");
    EXPECT_FALSE(f.ReadString(line));
}

TEST(KXMemFileDisk, WritableFileSavedOnCloseReadOnlyLeftAlone) {
    TempPath path("kx_memfile_test.bin");
    WriteDisk(path.c_str(), "hello world");
    {
        CKXMemFile f;
        ASSERT_TRUE(f.Open(path.c_str(), CFile::modeReadWrite | CFile::shareDenyNone));
        EXPECT_TRUE(f.IsBound());
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
        EXPECT_TRUE(f.IsBound());
        Fill(f, "changed");
        f.Flush();
    }  // the destructor closes without saving: read-only
    EXPECT_EQ(ReadDisk(path.c_str()), "hello!\r\n");

    {
        CKXMemFile f(path.c_str(), CFile::modeReadWrite | CFile::shareDenyNone);
        Fill(f, "scratch");
        EXPECT_TRUE(f.Discard());
        EXPECT_EQ(Content(f), "hello!\r\n");
        f.Flush();  // a flush writes the (restored) content back now
        EXPECT_EQ(ReadDisk(path.c_str()), "hello!\r\n");
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

    CKXMemFile missing;
    EXPECT_FALSE(missing.Open((path.path + ".none").c_str(), CFile::modeRead));
    EXPECT_FALSE(missing.IsBound());
}

TEST(KXMemFileDisk, ByNameForms) {
    TempPath a("kx_memfile_a.bin"), b("kx_memfile_b.bin");
    WriteDisk(a.c_str(), "<file>");
    CKXMemFile f;
    Fill(f, "[]");
    EXPECT_EQ(f.Insert(a.c_str(), 1, 1, 4), 6u);
    EXPECT_EQ(Content(f), "[file]");
    EXPECT_EQ(f.Extract(b.c_str(), 1, 4), 4u);
    EXPECT_EQ(ReadDisk(b.c_str()), "file");
    EXPECT_TRUE(f.Duplicate(b.c_str()));
    EXPECT_EQ(ReadDisk(b.c_str()), "[file]");
    f += a.c_str();
    EXPECT_EQ(Content(f), "[file]<file>");
    f = a.c_str();
    EXPECT_EQ(Content(f), "<file>");
    EXPECT_EQ(f.Insert((a.path + ".none").c_str(), 0, 0, 1), 0u);
    EXPECT_EQ(Content(f), "<file>");
}
