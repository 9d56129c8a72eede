#include "core/load_library.h"

namespace {
// The record DllGetVersion fills: size, major, minor, build, platform.
struct KX_DLLVERSIONINFO {
    DWORD cbSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformID;
};
static_assert(sizeof(KX_DLLVERSIONINFO) == 20);
typedef HRESULT(CALLBACK* PFN_DLLGETVERSION)(KX_DLLVERSIONINFO*);
}  // namespace

CKXLoadLibrary::CKXLoadLibrary(LPCTSTR lpszModule) { LoadLibrary(lpszModule); }

CKXLoadLibrary::~CKXLoadLibrary() {
    if (m_hModule) ::FreeLibrary(m_hModule);
}

void CKXLoadLibrary::LoadLibrary(LPCTSTR lpszModule) {
    if (m_hModule) ::FreeLibrary(m_hModule);
    m_hModule = lpszModule ? ::LoadLibraryA(lpszModule) : nullptr;
}

DWORD CKXLoadLibrary::GetModuleVersion() const {
    if (m_hModule == nullptr) return 0;
    const auto pfn = KXGetProcAddress<PFN_DLLGETVERSION>(m_hModule, "DllGetVersion");
    if (pfn == nullptr) return 0;
    KX_DLLVERSIONINFO dvi = {sizeof dvi, 0, 0, 0, 0};
    if (FAILED(pfn(&dvi))) return 0;
    return (dvi.dwMajorVersion << 16) | (dvi.dwMinorVersion & 0xFFFF);
}
