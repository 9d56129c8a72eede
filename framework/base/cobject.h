// CObject and CRuntimeClass: run-time class information, dynamic creation and
// the class records that archives write.
#pragma once

#include "base/diagnostics.h"
#include "base/wintypes.h"

class CObject;
class CArchive;
class CDumpContext;

struct CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;                       // 0xFFFF for classes that are not serialisable
    CObject* (*m_pfnCreateObject)();      // null for classes without dynamic creation
    CRuntimeClass* (*m_pfnGetBaseClass)();  // a function, so base classes may live in another module
    CRuntimeClass* m_pNextClass;          // link in the list of registered classes

    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
    CRuntimeClass* GetBaseClass() const { return m_pfnGetBaseClass ? m_pfnGetBaseClass() : nullptr; }

    // Registered (serialisable) classes by name; null when unknown.
    static CRuntimeClass* FromName(LPCSTR lpszClassName);
    static CObject* CreateObject(LPCSTR lpszClassName);

    // Archive form: schema (WORD), name length (WORD), name characters.
    void Store(CArchive& ar) const;
    static CRuntimeClass* Load(CArchive& ar, UINT* pwSchemaNum);
};

// Adds a class to the application's list that FromName searches (done by
// IMPLEMENT_SERIAL).
void AfxClassInit(CRuntimeClass* pNewClass);

// Moves every class for which belongs(class) holds out of the application's
// list into a list of its own (an extension module's record); returns its
// head, linked through m_pNextClass.
CRuntimeClass* AfxTakeClasses(bool (*belongs)(const CRuntimeClass*, const void*), const void* context);

// A further place FromName searches after the application's list: the
// Windows layer installs the search of its extension modules' records.
void AfxSetClassSearchHook(CRuntimeClass* (*pfnFind)(LPCSTR lpszClassName));

struct AFX_CLASSINIT {
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass) { AfxClassInit(pNewClass); }
};

#define VERSIONABLE_SCHEMA (0x80000000)

#define RUNTIME_CLASS(class_name) (class_name::_GetThisClass())

#define DECLARE_DYNAMIC(class_name)                       \
public:                                                   \
    static CRuntimeClass class##class_name;               \
    static CRuntimeClass* _GetThisClass();                \
    static CRuntimeClass* _GetBaseClass();                \
    virtual CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name)       \
    static CObject* CreateObject();

#define DECLARE_SERIAL(class_name) \
    DECLARE_DYNCREATE(class_name)  \
    friend CArchive& operator>>(CArchive& ar, class_name*& pOb);

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                        \
    CRuntimeClass class_name::class##class_name = {#class_name, sizeof(class class_name), wSchema, \
                                                   pfnNew, &class_name::_GetBaseClass, nullptr};   \
    CRuntimeClass* class_name::_GetThisClass() { return &class_name::class##class_name; }         \
    CRuntimeClass* class_name::_GetBaseClass() { return RUNTIME_CLASS(base_class_name); }         \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)              \
    CObject* class_name::CreateObject() { return new class_name; }    \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, &class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                                   \
    CObject* class_name::CreateObject() { return new class_name; }                               \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, &class_name::CreateObject)      \
    static const AFX_CLASSINIT _init_##class_name(RUNTIME_CLASS(class_name));                    \
    CArchive& operator>>(CArchive& ar, class_name*& pOb) {                                       \
        pOb = static_cast<class_name*>(ar.ReadObject(RUNTIME_CLASS(class_name)));               \
        return ar;                                                                               \
    }

class CObject {
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;

    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    BOOL IsSerializable() const;
    virtual void Serialize(CArchive& ar);
    // Diagnostics: AssertValid asserts the object's invariants; Dump writes
    // "a <class> at $<address>" and derived classes add their state.
    virtual void AssertValid() const;
    virtual void Dump(CDumpContext& dc) const;

    static CRuntimeClass classCObject;
    static CRuntimeClass* _GetThisClass() { return &classCObject; }

protected:
    CObject() = default;

public:
    CObject(const CObject&) = delete;  // objects are not copyable unless a class says so
    CObject& operator=(const CObject&) = delete;
};

// Calls pOb->AssertValid(), asserting first that pOb is not null.
void AfxAssertValidObject(const CObject* pOb, LPCSTR lpszFileName, int nLine);

#ifdef _DEBUG
#define ASSERT_VALID(pOb) (::AfxAssertValidObject((pOb), THIS_FILE, __LINE__))
#else
#define ASSERT_VALID(pOb) ((void)sizeof(pOb))
#endif
#define ASSERT_KINDOF(class_name, object) ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))

// Casts that check the run-time class; null when the object is of another class.
template <class T>
T* DynamicDowncastHelper(CObject* p) {
    return (p && p->IsKindOf(RUNTIME_CLASS(T))) ? static_cast<T*>(p) : nullptr;
}
#define DYNAMIC_DOWNCAST(class_name, object) DynamicDowncastHelper<class_name>(object)
#define STATIC_DOWNCAST(class_name, object) (static_cast<class_name*>(object))
