// Diagnostics: assertions that a test can observe, VERIFY's expression in
// every build, object validity and kind checks, and what Dump writes.
#include <afx.h>

#include "support/assert_capture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class CCounted : public CObject {
    DECLARE_DYNAMIC(CCounted)
public:
    int m_nValue = 3;
    mutable int m_nChecks = 0;
    void AssertValid() const override {
        CObject::AssertValid();
        ++m_nChecks;
        ASSERT(m_nValue >= 0);
    }
    void Dump(CDumpContext& dc) const override {
        CObject::Dump(dc);
        dc << "m_nValue = " << m_nValue << "\n";
    }
};
IMPLEMENT_DYNAMIC(CCounted, CObject)

std::string Text(CMemFile& file) {
    std::string s(static_cast<size_t>(file.GetLength()), '\0');
    file.SeekToBegin();
    file.Read(s.data(), static_cast<UINT>(s.size()));
    return s;
}

}  // namespace

TEST(Diagnostics, AssertionsReachTheHandlerAndVerifyAlwaysEvaluates) {
    int nEvaluated = 0;
    EXPECT_ASSERTS(ASSERT(nEvaluated++ < 0));
    {
        kxtest::AssertCapture capture;
        ASSERT(true);
        EXPECT_EQ(capture.count(), 0);
    }
    EXPECT_ASSERTS(VERIFY(++nEvaluated == 0));
#ifdef _DEBUG
    EXPECT_EQ(nEvaluated, 2);  // ASSERT evaluates in Debug builds only
#else
    EXPECT_EQ(nEvaluated, 1);
#endif
    kxtest::AssertCapture capture;
    ASSERT(false);
#ifdef _DEBUG
    EXPECT_NE(capture.last().find("diagnostics_test.cpp("), std::string::npos) << capture.last();
#endif
}

TEST(Diagnostics, ValidityAndKindChecks) {
    CCounted ob;
    ASSERT_VALID(&ob);
#ifdef _DEBUG
    EXPECT_EQ(ob.m_nChecks, 1);
#endif
    ob.m_nValue = -1;
    EXPECT_ASSERTS(ASSERT_VALID(&ob));
    EXPECT_ASSERTS(ASSERT_VALID(static_cast<CObject*>(nullptr)));
    CObject* p = &ob;
    ASSERT_KINDOF(CCounted, p);
    CMemFile notCounted;
    EXPECT_ASSERTS(ASSERT_KINDOF(CCounted, &notCounted));
}

TEST(Diagnostics, DumpWritesTheClassAddressAndState) {
    CMemFile file;
    CDumpContext dc(&file);
    CCounted ob;
    dc << &ob << "n=" << 42 << " " << 2.5 << "/" << static_cast<const CObject*>(nullptr) << "\n";
    std::string text = Text(file);
    EXPECT_EQ(text.rfind("a CCounted at $", 0), 0u) << text;
    EXPECT_NE(text.find("\nm_nValue = 3\nn=42 2.5/NULL\n"), std::string::npos) << text;

    CMemFile hex;
    CDumpContext dcHex(&hex);
    const BYTE bytes[] = {0x00, 0x7F, 0xA5, 0xFF, 0x10};
    dcHex.HexDump(">", bytes, 5, 2);
    EXPECT_EQ(Text(hex), "> 00 7F\n> A5 FF\n> 10\n");
}

TEST(Diagnostics, TraceAndDebugNewCompileInEveryBuild) {
    TRACE("%s %d\n", CString("traced"), 1);
    TRACE0("plain\n");
    TRACE2("%s=%d\n", "x", 2);
    int* p = DEBUG_NEW int(5);
    EXPECT_EQ(*p, 5);
    delete p;
}
