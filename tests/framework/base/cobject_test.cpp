#include "base/carchive.h"
#include "base/cmemfile.h"
#include "base/cobject.h"

#include <gtest/gtest.h>

#include <vector>

namespace cobject_test {

class CShape : public CObject {
    DECLARE_SERIAL(CShape)
public:
    int m_nSides = 0;
    CShape* m_pNext = nullptr;
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring()) {
            ar << m_nSides;
            ar << m_pNext;
        } else {
            ar >> m_nSides;
            ar >> m_pNext;
        }
    }
};
IMPLEMENT_SERIAL(CShape, CObject, 1)

class CSquare : public CShape {
    DECLARE_SERIAL(CSquare)
};
IMPLEMENT_SERIAL(CSquare, CShape, 2)

// Schema 1 stored one number; schema 2 adds a second.
class CVersioned : public CObject {
    DECLARE_SERIAL(CVersioned)
public:
    int m_nFirst = 0, m_nSecond = -1;
    UINT m_nLoadedSchema = 0;
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring()) {
            ar << m_nFirst << m_nSecond;
            return;
        }
        m_nLoadedSchema = ar.GetObjectSchema();
        ar >> m_nFirst;
        if (m_nLoadedSchema >= 2) ar >> m_nSecond;
    }
};
IMPLEMENT_SERIAL(CVersioned, CObject, VERSIONABLE_SCHEMA | 2)

class CPlain : public CObject {
    DECLARE_DYNAMIC(CPlain)
};
IMPLEMENT_DYNAMIC(CPlain, CObject)

class CMade : public CObject {
    DECLARE_DYNCREATE(CMade)
};
IMPLEMENT_DYNCREATE(CMade, CObject)

}  // namespace cobject_test
using namespace cobject_test;

namespace {

std::vector<BYTE> Bytes(CMemFile& f) {
    std::vector<BYTE> out(static_cast<size_t>(f.GetLength()));
    f.SeekToBegin();
    f.Read(out.data(), static_cast<UINT>(out.size()));
    return out;
}

}  // namespace

TEST(CRuntimeClass, KindsNamesAndCreation) {
    CSquare sq;
    CPlain plain;
    EXPECT_TRUE(sq.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(plain.IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_TRUE(sq.IsSerializable());
    EXPECT_FALSE(plain.IsSerializable());
    EXPECT_EQ(RUNTIME_CLASS(CPlain)->CreateObject(), nullptr);
    CObject* made = RUNTIME_CLASS(CMade)->CreateObject();
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CMade)));
    delete made;
    EXPECT_EQ(CRuntimeClass::FromName("CSquare"), RUNTIME_CLASS(CSquare));
    EXPECT_EQ(CRuntimeClass::FromName("CNoSuchClass"), nullptr);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CShape, static_cast<CObject*>(&plain)), nullptr);
}

TEST(CArchiveObjects, ClassAndObjectTagsAsTheFrameworkWritesThem) {
    CShape a, b;
    a.m_nSides = 3;
    a.m_pNext = &b;
    b.m_nSides = 4;
    b.m_pNext = &a;  // a cycle: written once, then referenced by index
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << static_cast<CObject*>(&a);
    }
    std::vector<BYTE> expect = {0xFF, 0xFF, 1, 0, 6, 0, 'C', 'S', 'h', 'a', 'p', 'e',  // new class, index 1
                                3, 0, 0, 0,                                            // a (index 2)
                                0x01, 0x80,                                            // known class 1
                                4, 0, 0, 0,                                            // b (index 3)
                                2, 0};                                                 // reference to a
    EXPECT_EQ(Bytes(file), expect);

    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    CShape* pa = nullptr;
    ar >> pa;
    ASSERT_NE(pa, nullptr);
    ASSERT_NE(pa->m_pNext, nullptr);
    EXPECT_EQ(pa->m_nSides, 3);
    EXPECT_EQ(pa->m_pNext->m_nSides, 4);
    EXPECT_EQ(pa->m_pNext->m_pNext, pa);
    delete pa->m_pNext;
    delete pa;
}

TEST(CArchiveObjects, VersionableClassesReportTheStoredSchemaForEveryObject) {
    // Each object reads as the schema its archive was written with, also when
    // the class is named by its index rather than in full.
    auto loadAll = [](std::vector<BYTE> bytes) {
        CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
        CArchive ar(&file, CArchive::load);
        std::vector<std::pair<UINT, int>> seen;
        CObject* p = nullptr;
        while ((p = ar.ReadObject(RUNTIME_CLASS(CVersioned))) != nullptr) {
            auto* v = static_cast<CVersioned*>(p);
            seen.emplace_back(v->m_nLoadedSchema, v->m_nFirst);
            delete v;
        }
        return seen;
    };
    const std::vector<std::pair<UINT, int>> v1 = {{1, 7}, {1, 8}};
    EXPECT_EQ(loadAll({0xFF, 0xFF, 1, 0, 10, 0, 'C', 'V', 'e', 'r', 's', 'i', 'o', 'n', 'e', 'd',  // schema 1
                       7, 0, 0, 0,    // first object
                       0x01, 0x80,    // the class again, by index
                       8, 0, 0, 0,    // second object
                       0, 0}),        // null: the end
              v1);

    CVersioned a, b;
    a.m_nFirst = 5;
    b.m_nFirst = 6;
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << static_cast<CObject*>(&a) << static_cast<CObject*>(&b) << static_cast<CObject*>(nullptr);
    }
    const std::vector<std::pair<UINT, int>> v2 = {{2, 5}, {2, 6}};
    EXPECT_EQ(loadAll(Bytes(file)), v2);
}

TEST(CArchiveObjects, BadTagsAndClassesFailSafely) {
    auto load = [](std::vector<BYTE> bytes) {
        CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
        CArchive ar(&file, CArchive::load);
        CShape* p = nullptr;
        try {
            ar >> p;
        } catch (CArchiveException* e) {
            int cause = e->m_cause;
            e->Delete();
            return cause;
        } catch (CException* e) {
            e->Delete();
            return 100;
        }
        delete p;
        return -1;
    };
    EXPECT_EQ(load({0x05, 0x00}), CArchiveException::badIndex);               // unknown object index
    EXPECT_EQ(load({0x02, 0x80}), CArchiveException::badIndex);               // unknown class index
    EXPECT_EQ(load({0xFF, 0xFF, 1, 0, 3, 0, 'C', 'Z', 'Z'}), CArchiveException::badClass);
    EXPECT_EQ(load({0xFF, 0xFF, 9, 0, 6, 0, 'C', 'S', 'h', 'a', 'p', 'e'}), CArchiveException::badSchema);
    EXPECT_EQ(load({0xFF, 0xFF, 1, 0, 6, 0, 'C', 'S', 'h', 'a', 'p', 'e', 3, 0}), CArchiveException::endOfFile);
    EXPECT_EQ(load({0x00, 0x00}), -1);  // null object
}
