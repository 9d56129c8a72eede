// CKXAuxData: the eight shared fonts, derived from the system's menu font.
#include "core/aux_data.h"

#include <cstring>

namespace {

// The menu font from the non-client metrics, in the record size of the
// platform version the library targets.
bool GetMenuLogFont(LOGFONTA& lf) {
    NONCLIENTMETRICSA ncm;
    std::memset(&ncm, 0, sizeof ncm);
    ncm.cbSize = 340;
    static_assert(sizeof(NONCLIENTMETRICSA) >= 340, "the record must hold the 340-byte layout");
    if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &ncm, 0)) return false;
    lf = ncm.lfMenuFont;
    return true;
}

int CALLBACK FindFamilyProc(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM lParam) {
    *reinterpret_cast<bool*>(lParam) = true;
    return 0;  // one is enough
}

void CopyFaceName(LOGFONTA& lf, const char* pszFace) {
    std::strncpy(lf.lfFaceName, pszFace, LF_FACESIZE - 1);
    lf.lfFaceName[LF_FACESIZE - 1] = '\0';
}

}  // namespace

bool CKXAuxData::FontExists(LPCTSTR lpszFaceName) {
    if (lpszFaceName == nullptr || *lpszFaceName == '\0') return false;
    bool bFound = false;
    HDC hdc = ::GetDC(nullptr);
    if (hdc == nullptr) return false;
    LOGFONTA lf;
    std::memset(&lf, 0, sizeof lf);
    lf.lfCharSet = DEFAULT_CHARSET;
    CopyFaceName(lf, lpszFaceName);
    ::EnumFontFamiliesExA(hdc, &lf, FindFamilyProc, reinterpret_cast<LPARAM>(&bFound), 0);
    ::ReleaseDC(nullptr, hdc);
    return bFound;
}

bool CKXAuxData::CreateSysFont(KX_LOGFONT& lf, CFont& font, long lWeight, char cUnderline, long lOrientation,
                               long lEscapement) {
    lf.lfWeight = lWeight;
    lf.lfUnderline = static_cast<BYTE>(cUnderline);
    lf.lfOrientation = lOrientation;
    lf.lfEscapement = lEscapement;
    HFONT hFont = ::CreateFontIndirectA(&lf);
    if (hFont == nullptr) return false;
    return font.Attach(hFont) != FALSE;
}

void CKXAuxData::DeleteHorzFonts() {
    for (CFont* p : {&fontRegular, &fontBold, &fontUnderline, &fontBar}) p->DeleteObject();
}

void CKXAuxData::DeleteVertFonts() {
    for (CFont* p : {&fontVert, &fontVertBold, &fontVert270, &fontVert270Bold}) p->DeleteObject();
}

void CKXAuxData::FreeSysFonts() {
    DeleteHorzFonts();
    DeleteVertFonts();
}

void CKXAuxData::LoadSysFonts() {
    FreeSysFonts();

    KX_LOGFONT lf;
    std::memset(&lf, 0, sizeof lf);
    if (HDC hdc = ::GetDC(nullptr)) {
        lf.lfCharSet = static_cast<BYTE>(::GetTextCharsetInfo(hdc, nullptr, 0));
        ::ReleaseDC(nullptr, hdc);
    }

    LOGFONTA lfMenu;
    std::memset(&lfMenu, 0, sizeof lfMenu);
    const bool bMenu = GetMenuLogFont(lfMenu);
    if (bMenu) {
        lf.lfHeight = KXClampMenuFontHeight(lfMenu.lfHeight);
        lf.lfWeight = lfMenu.lfWeight;
        lf.lfItalic = lfMenu.lfItalic;
        CopyFaceName(lf, lfMenu.lfFaceName);
    }

    const bool bTahoma = FontExists("Tahoma");
    const bool bArial = FontExists("Arial");
    // The substitution follows the menu font's character set.
    const KX_FONT_FACES faces =
        KXChooseFontFaces(lf.lfFaceName, bMenu ? lfMenu.lfCharSet : lf.lfCharSet, bUseOfficeFont, bTahoma, bArial);

    CopyFaceName(lf, faces.szHorz);
    CreateSysFont(lf, fontBold, FW_BOLD, 0, 0, 0);
    CreateSysFont(lf, fontRegular, FW_NORMAL, 0, 0, 0);
    CreateSysFont(lf, fontUnderline, FW_NORMAL, 1, 0, 0);
    CreateSysFont(lf, fontBar, FW_NORMAL, 0, 0, 0);

    CopyFaceName(lf, faces.szVert);
    CreateSysFont(lf, fontVert, FW_NORMAL, 0, 900, 900);
    CreateSysFont(lf, fontVertBold, FW_BOLD, 0, 900, 900);
    CreateSysFont(lf, fontVert270, FW_NORMAL, 0, 2700, 2700);
    CreateSysFont(lf, fontVert270Bold, FW_BOLD, 0, 2700, 2700);
}

void CKXAuxData::SetGlobalFont(CFont* pHorzFont, CFont* pVertFont) {
    KX_LOGFONT lf;
    if (pHorzFont && pHorzFont->GetSafeHandle() && pHorzFont->GetLogFont(&lf)) {
        DeleteHorzFonts();
        CreateSysFont(lf, fontBold, FW_BOLD, 0, 0, 0);
        CreateSysFont(lf, fontRegular, FW_NORMAL, 0, 0, 0);
        CreateSysFont(lf, fontUnderline, FW_NORMAL, 1, 0, 0);
        CreateSysFont(lf, fontBar, FW_NORMAL, 0, 0, 0);
    }
    if (pVertFont && pVertFont->GetSafeHandle() && pVertFont->GetLogFont(&lf)) {
        DeleteVertFonts();
        CreateSysFont(lf, fontVert, FW_NORMAL, 0, 900, 900);
        CreateSysFont(lf, fontVertBold, FW_BOLD, 0, 900, 900);
        CreateSysFont(lf, fontVert270, FW_NORMAL, 0, 2700, 2700);
        CreateSysFont(lf, fontVert270Bold, FW_BOLD, 0, 2700, 2700);
    }
}

void CKXAuxData::SetGlobalFont(LPCTSTR lpszHorzFont, LPCTSTR lpszVertFont) {
    LOGFONTA lf;
    if (!GetMenuLogFont(lf)) return;
    if (lpszHorzFont) CopyFaceName(lf, lpszHorzFont);
    CFont fontHorz;
    fontHorz.CreateFontIndirect(&lf);
    if (lpszVertFont) CopyFaceName(lf, lpszVertFont);
    CFont fontVertical;
    fontVertical.CreateFontIndirect(&lf);
    SetGlobalFont(&fontHorz, &fontVertical);
}

void CKXAuxData::UseOfficeFont(BOOL bUse) {
    bUseOfficeFont = bUse ? 1 : 0;
    LoadSysFonts();
}
