// CKXAuxData: the library's shared data.  One instance per process holds what
// every control reads while it paints and handles input: copies of the system
// colours and of the XP palette, eight fonts derived from the menu font, the
// drag, hand and splitter cursors, a few metrics, the operating-system family
// and the persisted option words.
#pragma once

#include "core/aux_rules.h"
#include "win/afxwin.h"

typedef LOGFONTA KX_LOGFONT;

class CKXAuxData {
public:
    // The single instance, built on first use and destroyed at unload.
    static CKXAuxData& Get();

    virtual ~CKXAuxData();
    // Schema 1, then the thirteen option words.
    virtual void Serialize(CArchive& ar);

    // Fills everything from hInst (the running executable when null).
    void InitResources(HINSTANCE hInst);
    void UpdateSysColors();
    void UpdateSysMetrics();
    void LoadSysFonts();
    void FreeSysFonts();
    void LoadSysCursors();
    void FreeSysCursors();
    // (major << 16) | minor of COMCTL32, 0 when it cannot be told.
    DWORD GetComCtlVersion();

    // Re-creates the four horizontal fonts from pHorzFont and the four
    // vertical ones from pVertFont; a null or empty font keeps its four.
    void SetGlobalFont(CFont* pHorzFont, CFont* pVertFont = nullptr);
    // The same from the menu font with other face names (null keeps the face).
    void SetGlobalFont(LPCTSTR lpszHorzFont, LPCTSTR lpszVertFont = nullptr);
    void UseOfficeFont(BOOL bUseOfficeFont = TRUE);

    void SetINIFileName(LPCTSTR lpszINIFileName);
    CString GetINIFileName() const { return strINIFileName; }
    CString GetKXCtlVersion(bool bVerbose) const;

    // Colour copies, refreshed by UpdateSysColors (palette index in brackets).
    COLORREF clrBtnFace = 0;             // 15
    COLORREF clrBtnShadow = 0;           // 16
    COLORREF clrBtnDkShadow = 0;         // 21
    COLORREF clrBtnHilite = 0;           // 20
    COLORREF clrBtnLight = 0;            // button face + 15 per channel
    COLORREF clrBtnText = 0;             // 18
    COLORREF clrGrayText = 0;            // 17
    COLORREF clrHilite = 0;              // 13
    COLORREF clrHiliteText = 0;          // 14
    COLORREF clrMenu = 0;                // 4
    COLORREF clrMenuText = 0;            // 7
    COLORREF clrWindow = 0;              // 5
    COLORREF clrWindowFrame = 0;         // 6
    COLORREF clrWindowText = 0;          // 8
    COLORREF clrActiveCaption = 0;       // 2
    COLORREF clrInactiveCaption = 0;     // 3
    COLORREF clrGradientActiveCaption = 0;    // 27
    COLORREF clrGradientInactiveCaption = 0;  // 28
    COLORREF clrCaptionText = 0;         // 9
    COLORREF clrInactiveCaptionText = 0; // 19
    COLORREF clrXP[20] = {};             // palette 30 to 49

    COLORREF clrReserved = 0x00D0FFFF;   // kept for layout; nothing changes it
    int nReserved1 = 0;
    CString strDefaultFont = "MS Sans Serif, 9, , ,";

    HCURSOR hcurDragCopy = nullptr;
    HCURSOR hcurDragMove = nullptr;
    HCURSOR hcurDragNone = nullptr;
    HCURSOR hcurHand = nullptr;
    HCURSOR hcurHandNone = nullptr;
    HCURSOR hcurSplitH = nullptr;
    HCURSOR hcurSplitV = nullptr;
    HCURSOR hcurSizeAll = nullptr;       // the system's, not owned

    int cxSmIcon = 0;
    int cySmIcon = 0;
    int cxSmButton = 18;
    int cySmButton = 18;
    int cxHThumb = 0;
    int cyVThumb = 0;
    int cyMenu = 0;
    int nReserved2 = 0;

    CFont fontRegular;
    CFont fontBold;
    CFont fontUnderline;
    CFont fontBar;
    CFont fontVert;          // bottom to top
    CFont fontVertBold;
    CFont fontVert270;       // top to bottom
    CFont fontVert270Bold;

    DWORD dwComCtlVersion = 0xFFFFFFFF;  // not asked yet

    BOOL bWin95 = FALSE;
    BOOL bWin98 = FALSE;
    BOOL bWinNT4 = FALSE;
    BOOL bWin2K = FALSE;
    BOOL bWinXP = FALSE;

    // The persisted option words, in archive order.
    int nOption1 = 0;
    int bXPLook = 0;           // draw with the XP palette instead of the system colours
    int bPopupEffects = 1;     // layered popups when bXPLook is on
    int nOption4 = 1;
    int nOption5 = 1;
    int nOption6 = 1;
    int nOption7 = 1;
    int nOption8 = 1;
    int nOption9 = 1;
    int nOption10 = 0;
    int nOption11 = 0;
    int bNoLayeredEffect = 0;  // read by the popup effect when there are no layered windows
    int bUseOfficeFont = 0;    // prefer "Tahoma" for the shared fonts

    CString strINIFileName;
    HINSTANCE hResInstance = nullptr;

private:
    CKXAuxData();
    CKXAuxData(const CKXAuxData&) = delete;
    CKXAuxData& operator=(const CKXAuxData&) = delete;

    bool CreateSysFont(KX_LOGFONT& lf, CFont& font, long lWeight, char cUnderline, long lOrientation,
                       long lEscapement);
    bool FontExists(LPCTSTR lpszFaceName);
    void DeleteHorzFonts();
    void DeleteVertFonts();
};
