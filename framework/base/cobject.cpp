#include "base/cobject.h"

#include "base/carchive.h"
#include "base/dumpcontext.h"

#include <cstring>

CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), 0xFFFF, nullptr, nullptr, nullptr};

namespace {
// The registered classes.  Registration happens during static initialisation
// of each module, on one thread, so no lock is needed.
CRuntimeClass*& ClassList() {
    static CRuntimeClass* head = nullptr;
    return head;
}

CRuntimeClass* (*g_pfnFindInModules)(LPCSTR) = nullptr;
}  // namespace

void AfxSetClassSearchHook(CRuntimeClass* (*pfnFind)(LPCSTR)) { g_pfnFindInModules = pfnFind; }

CRuntimeClass* AfxTakeClasses(bool (*belongs)(const CRuntimeClass*, const void*), const void* context) {
    CRuntimeClass* taken = nullptr;
    CRuntimeClass** tail = &taken;
    for (CRuntimeClass** link = &ClassList(); *link;) {
        CRuntimeClass* p = *link;
        if (belongs(p, context)) {
            *link = p->m_pNextClass;  // unlink, keeping the order
            p->m_pNextClass = nullptr;
            *tail = p;
            tail = &p->m_pNextClass;
        } else {
            link = &p->m_pNextClass;
        }
    }
    return taken;
}

void AfxClassInit(CRuntimeClass* pNewClass) {
    for (CRuntimeClass* p = ClassList(); p; p = p->m_pNextClass)
        if (p == pNewClass) return;
    pNewClass->m_pNextClass = ClassList();
    ClassList() = pNewClass;
}

CObject* CRuntimeClass::CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
    for (const CRuntimeClass* p = this; p; p = p->GetBaseClass())
        if (p == pBaseClass) return TRUE;
    return FALSE;
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName) {
    if (lpszClassName == nullptr) return nullptr;
    for (CRuntimeClass* p = ClassList(); p; p = p->m_pNextClass)
        if (strcmp(p->m_lpszClassName, lpszClassName) == 0) return p;
    return g_pfnFindInModules ? g_pfnFindInModules(lpszClassName) : nullptr;
}

CObject* CRuntimeClass::CreateObject(LPCSTR lpszClassName) {
    CRuntimeClass* p = FromName(lpszClassName);
    return p ? p->CreateObject() : nullptr;
}

void CRuntimeClass::Store(CArchive& ar) const {
    WORD nLen = static_cast<WORD>(strlen(m_lpszClassName));
    ar << static_cast<WORD>(m_wSchema) << nLen;
    ar.Write(m_lpszClassName, nLen);
}

CRuntimeClass* CRuntimeClass::Load(CArchive& ar, UINT* pwSchemaNum) {
    WORD wSchema = 0, nLen = 0;
    ar >> wSchema >> nLen;
    char name[64];
    if (nLen >= sizeof name || ar.Read(name, nLen) != nLen) return nullptr;
    name[nLen] = '\0';
    if (pwSchemaNum) *pwSchemaNum = wSchema;
    return FromName(name);
}

CRuntimeClass* CObject::GetRuntimeClass() const { return &classCObject; }

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const { return GetRuntimeClass()->IsDerivedFrom(pClass); }

BOOL CObject::IsSerializable() const { return GetRuntimeClass()->m_wSchema != 0xFFFF; }

void CObject::Serialize(CArchive&) {}

void CObject::AssertValid() const {
    const CObject* self = this;
    asm("" : "+r"(self));  // the compiler may not assume `this` is never null
    ASSERT(self != nullptr);
}

void CObject::Dump(CDumpContext& dc) const {
    dc << "a " << GetRuntimeClass()->m_lpszClassName << " at " << static_cast<const void*>(this) << "\n";
}

void AfxAssertValidObject(const CObject* pOb, LPCSTR lpszFileName, int nLine) {
    if (pOb == nullptr) {
        if (AfxAssertFailedLine(lpszFileName, nLine)) AfxDebugBreak();
        return;
    }
    pOb->AssertValid();
}
