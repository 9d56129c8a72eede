#include <afx.h>

#include "support/assert_capture.h"

#include <gtest/gtest.h>

#include <string>

TEST(CString, ExtractionAndSearchClampAsTheFrameworkDoes) {
    CString s("Hello");
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(s.Left(99), "Hello");
    EXPECT_EQ(s.Right(2), "lo");
    EXPECT_EQ(s.Right(-5), "");
    EXPECT_EQ(s.Mid(-2), "Hello");
    EXPECT_EQ(s.Mid(1, 3), "ell");
    EXPECT_EQ(s.Mid(3, 99), "lo");
    EXPECT_EQ(s.Mid(6, 2), "");
    EXPECT_EQ(s.Mid(2, -1), "");
    EXPECT_EQ(s.GetAt(5), '\0');  // the terminator may be read
    EXPECT_ASSERTS(EXPECT_EQ(s[-1], '\0'));
    EXPECT_ASSERTS(s.SetAt(9, 'x'));  // ignored
    s.SetAt(0, 'J');
    EXPECT_EQ(s, "Jello");

    CString dots("a.b.c");
    EXPECT_EQ(dots.Find('.', 2), 3);
    EXPECT_EQ(dots.Find('.', 99), -1);
    EXPECT_EQ(dots.Find("b.c"), 2);
    EXPECT_EQ(dots.Find("", 5), 5);
    EXPECT_EQ(dots.ReverseFind('.'), 3);
    EXPECT_EQ(dots.FindOneOf("cb"), 2);
    EXPECT_EQ(dots.FindOneOf("xyz"), -1);
}

TEST(CString, EditingReturnsCountsAndLengths) {
    CString s("one two one");
    EXPECT_EQ(s.Replace("one", "three"), 2);
    EXPECT_EQ(s, "three two three");
    EXPECT_EQ(s.Replace("", "x"), 0);
    EXPECT_EQ(s.Remove('e'), 4);
    EXPECT_EQ(s, "thr two thr");
    EXPECT_EQ(s.Insert(-3, "<"), 12);
    EXPECT_EQ(s.Insert(99, '>'), 13);
    EXPECT_EQ(s, "<thr two thr>");
    EXPECT_EQ(s.Delete(3, 99), 3);
    EXPECT_EQ(s.Delete(10), 3);
    EXPECT_EQ(s, "<th");
    // Inserting a piece of itself must not read freed memory.
    s.Insert(1, s.GetString() + 1);
    EXPECT_EQ(s, "<thth");
    EXPECT_EQ(CString("  \tpadded\r\n ").Trim(), "padded");
    EXPECT_EQ(CString("-+a+-").TrimLeft("+-"), "a+-");
    EXPECT_EQ(CString("ABC").CompareNoCase("abc"), 0);
    EXPECT_GT(CString("b").CompareNoCase("A"), 0);
    EXPECT_EQ(CString("abcdef", 3), "abc");
    EXPECT_EQ(CString((LPCTSTR) nullptr), "");
}

TEST(CString, FormatBufferAndTokens) {
    CString s;
    s.Format("%d-%s-%.2f", 42, "x", 1.5);
    s.AppendFormat("|%04X", 0xBEEF);
    EXPECT_EQ(s, "42-x-1.50|BEEF");
    std::string big(5000, 'q');
    s.Format("%s!", big.c_str());
    EXPECT_EQ(s.GetLength(), 5001);

    s = "abc";
    char* p = s.GetBuffer(10);
    EXPECT_EQ(s.GetLength(), 3);  // the length is only taken on release
    strcpy(p, "longer text");
    s.ReleaseBuffer();
    EXPECT_EQ(s, "longer text");

    CString t("%First Second#Third");
    int pos = 0;
    std::string seen;
    for (CString tok = t.Tokenize("% #", pos); pos != -1; tok = t.Tokenize("% #", pos))
        seen += std::string(tok) + "|";
    EXPECT_EQ(seen, "First|Second|Third|");
    EXPECT_EQ(CString("ab12").SpanIncluding("ba"), "ab");
    EXPECT_EQ(CString("ab12").SpanExcluding("21"), "ab");
}

TEST(CString, IsOnePointerSoItFormatsThroughVariableArguments) {
    const CString name("world");
    static_assert(sizeof(CString) == sizeof(const char*) && sizeof(CStringW) == sizeof(const wchar_t*));
    EXPECT_EQ(*reinterpret_cast<const char* const*>(&name), name.GetString());

    // A CString where "%s" expects characters: no cast needed.
    CString s;
    s.Format("Hello, %s! %s %d", name, CString("again"), 3);
    EXPECT_EQ(s, "Hello, world! again 3");
    s.AppendFormat(" <%s>", name);
    EXPECT_EQ(s, "Hello, world! again 3 <world>");
    s.Format("%s%s", s, "+");  // the argument is the string being formatted
    EXPECT_EQ(s, "Hello, world! again 3 <world>+");
    char buf[32];
    EXPECT_EQ(snprintf(buf, sizeof buf, "[%s]", name), 7);
    EXPECT_STREQ(buf, "[world]");
    sprintf(buf, "%s/%s", name, CString("x"));
    EXPECT_STREQ(buf, "world/x");
}

TEST(CString, CopiesShareTheirCharactersUntilOneChanges) {
    CString a("shared text");
    CString b = a;
    EXPECT_EQ(a.GetString(), b.GetString());
    b.SetAt(0, 'S');
    EXPECT_EQ(a, "shared text");
    EXPECT_EQ(b, "Shared text");

    CString c = a;
    char* p = c.GetBuffer();  // a writable buffer is never shared
    p[0] = 'X';
    c.ReleaseBuffer();
    EXPECT_EQ(a, "shared text");
    EXPECT_EQ(c, "Xhared text");
    CString d = a;
    d.MakeUpper();
    d += "!";
    EXPECT_EQ(a, "shared text");
    EXPECT_EQ(d, "SHARED TEXT!");

    // A locked buffer is copied, not shared, until it is unlocked.
    CString locked("locked");
    locked.LockBuffer();
    CString copy = locked;
    EXPECT_NE(copy.GetString(), locked.GetString());
    locked.UnlockBuffer();
    CString shared = locked;
    EXPECT_EQ(shared.GetString(), locked.GetString());

    // Taking a piece of itself, and of a string that shares its characters.
    CString e = a;
    a = a.Mid(7);
    EXPECT_EQ(a, "text");
    EXPECT_EQ(e, "shared text");
    e = e.GetString() + 2;
    EXPECT_EQ(e, "ared text");
    EXPECT_EQ(CString().GetString(), CString("").GetString());  // every empty string: one buffer
}

TEST(CString, NarrowAndWideConvertThroughTheCodePage) {
    const CStringW wide(L"Gr\u00FC\u00DFe \u263A");
    const CStringA narrow(wide);
    // u-umlaut and sharp s are single bytes; the smiley has no narrow form.
    EXPECT_EQ(narrow, "Gr\xFC\xDF" "e ?");
    EXPECT_EQ(CStringW(CStringA("Gr\xFC\xDF" "e")), CStringW(L"Gr\u00FC\u00DFe"));
    CString assigned;
    assigned = L"wide";
    assigned += L'!';
    EXPECT_EQ(assigned, "wide!");
    CStringW w = "narrow";
    w += L" and wide";
    EXPECT_EQ(w.GetLength(), 15);
    EXPECT_EQ(w.Find(L"wide"), 11);
    EXPECT_EQ(w.Left(6), CStringW(L"narrow"));
    w.Format(L"%d-%d", 1, 22);
    EXPECT_EQ(w, CStringW(L"1-22"));
    EXPECT_EQ(CStringW(L"MiXeD").MakeLower(), CStringW(L"mixed"));
    EXPECT_EQ(CStringW(L" pad ").Trim(), CStringW(L"pad"));
}

TEST(CString, SubstringsOfListsAndNumberedInserts) {
    CString s;
    const char* list = "File\nOpen a file\nOpen";
    EXPECT_TRUE(AfxExtractSubString(s, list, 1));
    EXPECT_EQ(s, "Open a file");
    EXPECT_TRUE(AfxExtractSubString(s, list, 2));
    EXPECT_EQ(s, "Open");
    EXPECT_FALSE(AfxExtractSubString(s, list, 3));
    EXPECT_EQ(s, "");
    EXPECT_TRUE(AfxExtractSubString(s, "a;;c", 1, ';'));
    EXPECT_EQ(s, "");

    LPCTSTR inserts[] = {"one", "two"};
    AfxFormatStrings(s, "%2 before %1, %3 missing, 100%%1", inserts, 2);
    EXPECT_EQ(s, "two before one, ? missing, 100%one");
}
