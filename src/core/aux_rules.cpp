#include "core/aux_rules.h"

#include "base/carchive.h"

#include <cstring>

namespace {

void CopyFace(char (&dst)[32], const char* src) {
    size_t n = src ? std::strlen(src) : 0;
    if (n >= sizeof dst) n = sizeof dst - 1;
    if (n) std::memcpy(dst, src, n);
    dst[n] = '\0';
}

bool SameFace(const char* a, const char* b) {
    // Face names are plain ASCII; compare as the platform's lstrcmpi would for them.
    for (;; ++a, ++b) {
        char ca = *a, cb = *b;
        if (ca >= 'A' && ca <= 'Z') ca = static_cast<char>(ca - 'A' + 'a');
        if (cb >= 'A' && cb <= 'Z') cb = static_cast<char>(cb - 'A' + 'a');
        if (ca != cb) return false;
        if (ca == '\0') return true;
    }
}

}  // namespace

int KXClampMenuFontHeight(int nHeight) { return (nHeight < 0 && nHeight > -11) ? -11 : nHeight; }

KX_FONT_FACES KXChooseFontFaces(const char* pszMenuFace, BYTE nCharSet, int& bUseOfficeFont,
                                bool bTahomaInstalled, bool bArialInstalled) {
    KX_FONT_FACES faces;
    CopyFace(faces.szHorz, pszMenuFace);
    const bool bMenuTahoma = SameFace(faces.szHorz, "Tahoma");
    if (bMenuTahoma) bUseOfficeFont = 1;
    const bool bWestern = nCharSet <= 2;
    if (bWestern && !bMenuTahoma && bUseOfficeFont && bTahomaInstalled) CopyFace(faces.szHorz, "Tahoma");
    // The vertical fonts start from the same record as the horizontal ones.
    CopyFace(faces.szVert, faces.szHorz);
    if (bWestern && !bMenuTahoma && !bUseOfficeFont && bArialInstalled) CopyFace(faces.szVert, "Arial");
    return faces;
}

const char* CKXVersionNumbers::GetOSName() const {
    if (dwPlatformId == 0) return "Win32s";
    if (IsWin95()) return "Win95";
    if (IsWin98()) return "Win98";
    if (IsWinME()) return "WinME";
    if (IsWinNT4()) return "WinNT4";
    if (IsWin2K()) return "Win2000";
    if (IsWinXP()) return "WinXP";
    if (IsWin95OrGreater()) return "Win95OrGreater";
    if (IsWinNT4OrGreater()) return "WinNT4 Or Greater";
    return "Not Recognized";
}

void KXSerializeOptionWords(CArchive& ar, int* const (&apWords)[KX_OPTION_WORDS]) {
    if (ar.IsStoring()) {
        ar << static_cast<int>(KX_OPTION_SCHEMA);
        for (int* p : apWords) ar << *p;
        return;
    }
    int nSchema = 0;
    int words[KX_OPTION_WORDS];
    ar >> nSchema;
    for (int& w : words) ar >> w;
    for (int i = 0; i < KX_OPTION_WORDS; ++i) *apWords[i] = words[i];
}
