#include "core/resource_scope.h"

namespace {

CString& CompanionName() {
    static CString s_strName("KXRes.dll");
    return s_strName;
}

HINSTANCE& CompanionHandle() {
    static HINSTANCE s_hCompanion = nullptr;
    return s_hCompanion;
}

// Loaded by the first scope and kept for the life of the process: resources
// taken inside a scope (dialog templates, locked resource data) may point
// into the module after the scope has ended.  Looked for again while missing.
HINSTANCE CompanionModule() {
    HINSTANCE& hCompanion = CompanionHandle();
    if (hCompanion == nullptr) {
        // No error box when the companion is absent: callers fall back quietly.
        const UINT uOldMode = ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
        hCompanion = ::LoadLibraryA(CompanionName());
        ::SetErrorMode(uOldMode);
    }
    return hCompanion;
}

}  // namespace

void CKXResourceScope::SetCompanionFileName(LPCTSTR lpszFileName) {
    CString strName = lpszFileName ? lpszFileName : "KXRes.dll";
    if (strName.CompareNoCase(CompanionName()) == 0) return;
    CompanionName() = strName;
    // The old module stays mapped (its resources may still be in use); the
    // next scope looks for the new one.
    CompanionHandle() = nullptr;
}

CString CKXResourceScope::GetCompanionFileName() { return CompanionName(); }

CKXResourceScope::CKXResourceScope() : m_hPrevious(AfxGetResourceHandle()), m_hCompanion(CompanionModule()) {
    if (m_hCompanion) AfxSetResourceHandle(m_hCompanion);
}

CKXResourceScope::~CKXResourceScope() {
    if (m_hCompanion) AfxSetResourceHandle(m_hPrevious);
}
