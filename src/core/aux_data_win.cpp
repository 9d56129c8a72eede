// CKXAuxData: construction, colours, metrics, cursors, the common-controls
// version, the INI file name and the option words.  Fonts: aux_fonts_win.cpp.
#include "core/aux_data.h"

#include "core/color_manager.h"
#include "core/color_ref.h"
#include "core/kx_core_res.h"
#include "core/load_library.h"
#include "core/os_version.h"

#include <memory>

CKXAuxData& CKXAuxData::Get() {
    // Built on the loader's thread before any window exists; no lock needed.
    static std::unique_ptr<CKXAuxData> s_pInstance(new CKXAuxData);
    return *s_pInstance;
}

CKXAuxData::CKXAuxData() {
    const CKXOSVersionInfo& os = CKXOSVersionInfo::Get();
    bWin95 = os.IsWin95();
    bWin98 = os.IsWin98();
    bWinNT4 = os.IsWinNT4();
    bWin2K = os.IsWin2K();
    bWinXP = os.IsWinXP();
}

CKXAuxData::~CKXAuxData() {
    FreeSysCursors();
    FreeSysFonts();
}

void CKXAuxData::InitResources(HINSTANCE hInst) {
    hResInstance = hInst ? hInst : ::GetModuleHandleA(nullptr);
    UpdateSysColors();
    UpdateSysMetrics();
    LoadSysFonts();
    LoadSysCursors();
    GetComCtlVersion();
}

void CKXAuxData::UpdateSysColors() {
    CKXColorManager& cm = CKXColorManager::s_managerInstance;
    cm.RefreshColors(TRUE);
    clrBtnFace = cm.GetColor(COLOR_BTNFACE);
    clrBtnShadow = cm.GetColor(COLOR_BTNSHADOW);
    clrBtnDkShadow = cm.GetColor(COLOR_3DDKSHADOW);
    clrBtnHilite = cm.GetColor(COLOR_BTNHIGHLIGHT);
    clrBtnLight = CKXColorRef(clrBtnFace) + 15;
    clrBtnText = cm.GetColor(COLOR_BTNTEXT);
    clrGrayText = cm.GetColor(COLOR_GRAYTEXT);
    clrHilite = cm.GetColor(COLOR_HIGHLIGHT);
    clrHiliteText = cm.GetColor(COLOR_HIGHLIGHTTEXT);
    clrMenu = cm.GetColor(COLOR_MENU);
    clrMenuText = cm.GetColor(COLOR_MENUTEXT);
    clrWindow = cm.GetColor(COLOR_WINDOW);
    clrWindowFrame = cm.GetColor(COLOR_WINDOWFRAME);
    clrWindowText = cm.GetColor(COLOR_WINDOWTEXT);
    clrActiveCaption = cm.GetColor(COLOR_ACTIVECAPTION);
    clrInactiveCaption = cm.GetColor(COLOR_INACTIVECAPTION);
    clrGradientActiveCaption = cm.GetColor(COLOR_GRADIENTACTIVECAPTION);
    clrGradientInactiveCaption = cm.GetColor(COLOR_GRADIENTINACTIVECAPTION);
    clrCaptionText = cm.GetColor(COLOR_CAPTIONTEXT);
    clrInactiveCaptionText = cm.GetColor(COLOR_INACTIVECAPTIONTEXT);
    for (int i = 0; i < 20; ++i) clrXP[i] = cm.GetColor(XPCOLOR_TOOLBAR_FACE + i);
}

void CKXAuxData::UpdateSysMetrics() {
    cxSmIcon = ::GetSystemMetrics(SM_CXSMICON);
    cySmIcon = ::GetSystemMetrics(SM_CYSMICON);
    cxSmButton = 18;
    cySmButton = 18;
    cxHThumb = ::GetSystemMetrics(SM_CXHTHUMB);
    cyVThumb = ::GetSystemMetrics(SM_CYVTHUMB);
    cyMenu = ::GetSystemMetrics(SM_CYMENU);
}

void CKXAuxData::LoadSysCursors() {
    FreeSysCursors();
    auto load = [this](int nID) { return ::LoadCursorA(hResInstance, MAKEINTRESOURCEA(nID)); };
    hcurDragCopy = load(IDC_KX_DRAGCOPY);
    hcurDragMove = load(IDC_KX_DRAGMOVE);
    hcurDragNone = load(IDC_KX_DRAGNONE);
    hcurHand = load(IDC_KX_HAND);
    hcurHandNone = load(IDC_KX_HANDNONE);
    hcurSplitH = load(IDC_KX_SPLITH);
    hcurSplitV = load(IDC_KX_SPLITV);
    hcurSizeAll = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32646) /* IDC_SIZEALL */);
}

void CKXAuxData::FreeSysCursors() {
    for (HCURSOR* p : {&hcurDragCopy, &hcurDragMove, &hcurDragNone, &hcurHand, &hcurHandNone, &hcurSplitH,
                       &hcurSplitV}) {
        if (*p) ::DestroyCursor(*p);
        *p = nullptr;
    }
}

DWORD CKXAuxData::GetComCtlVersion() {
    if (dwComCtlVersion != 0xFFFFFFFF) return dwComCtlVersion;
    CKXLoadLibrary comctl("COMCTL32.DLL");
    const DWORD dwVersion = comctl.GetModuleVersion();
    if (dwVersion != 0) dwComCtlVersion = dwVersion;
    return dwComCtlVersion == 0xFFFFFFFF ? 0 : dwComCtlVersion;
}

void CKXAuxData::SetINIFileName(LPCTSTR lpszINIFileName) {
    strINIFileName = lpszINIFileName ? lpszINIFileName : "";
}

CString CKXAuxData::GetKXCtlVersion(bool) const { return CString(); }

void CKXAuxData::Serialize(CArchive& ar) {
    int* const apWords[KX_OPTION_WORDS] = {&nOption1, &bXPLook,  &bPopupEffects, &nOption4,  &nOption5,
                                           &nOption6, &nOption7, &nOption8,      &nOption9,  &nOption10,
                                           &nOption11, &bNoLayeredEffect, &bUseOfficeFont};
    KXSerializeOptionWords(ar, apWords);
}
