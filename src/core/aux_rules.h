// The rules behind the shared data that need no window system: the shared
// fonts' height and faces, the operating-system version tests and names, and
// the archive layout of the option words.
#pragma once

#include "base/wintypes.h"

class CArchive;

// A character height (negative) smaller than 11 pixels is raised to 11; a cell
// height (positive) and zero are kept.
int KXClampMenuFontHeight(int nHeight);

// The faces of the shared fonts, chosen from the menu font.
struct KX_FONT_FACES {
    char szHorz[32];
    char szVert[32];
};

// bUseOfficeFont is in/out: a "Tahoma" menu font turns it on.  Substitution
// happens only for the Western, default and symbol character sets (0, 1, 2):
// horizontal fonts become "Tahoma" when the office font is wanted and
// installed; otherwise vertical fonts become "Arial" when it is installed.
KX_FONT_FACES KXChooseFontFaces(const char* pszMenuFace, BYTE nCharSet, int& bUseOfficeFont,
                                bool bTahomaInstalled, bool bArialInstalled);

// Platform ids: 0 Win32s, 1 the 95 family, 2 the NT family.
struct CKXVersionNumbers {
    DWORD dwPlatformId = 0;
    DWORD dwMajorVersion = 0;
    DWORD dwMinorVersion = 0;

    bool IsWin31() const { return dwPlatformId == 0; }
    bool IsWin95() const { return dwPlatformId == 1 && dwMajorVersion == 4 && dwMinorVersion < 10; }
    bool IsWin98() const { return dwPlatformId == 1 && eq_ver(4, 10); }
    bool IsWinME() const { return dwPlatformId == 1 && eq_ver(4, 90); }
    bool IsWinNT4() const { return dwPlatformId == 2 && eq_ver(4, 0); }
    bool IsWin2K() const { return dwPlatformId == 2 && eq_ver(5, 0); }
    bool IsWinXP() const { return dwPlatformId == 2 && eq_ver(5, 1); }
    bool IsWin95OrGreater() const { return dwPlatformId == 1 && dwMajorVersion >= 4; }
    bool IsWin98OrGreater() const { return dwPlatformId == 1 && gte_ver(4, 10); }
    bool IsWinMEOrGreater() const { return dwPlatformId == 1 && gte_ver(4, 90); }
    bool IsWinNT4OrGreater() const { return dwPlatformId >= 2 && dwMajorVersion >= 4; }
    bool IsWin2KOrGreater() const { return dwPlatformId >= 2 && dwMajorVersion >= 5; }
    bool IsWinXPOrGreater() const { return dwPlatformId >= 2 && gte_ver(5, 1); }

    // "Win32s", "Win95" ... "WinXP", "Win95OrGreater", "WinNT4 Or Greater" or
    // "Not Recognized": the first rule that holds, exact versions first.
    const char* GetOSName() const;

private:
    bool gte_ver(DWORD major, DWORD minor) const {
        return dwMajorVersion > major || (dwMajorVersion == major && dwMinorVersion >= minor);
    }
    bool eq_ver(DWORD major, DWORD minor) const { return dwMajorVersion == major && dwMinorVersion == minor; }
};

// The shared data's persisted option words.
constexpr int KX_OPTION_WORDS = 13;
constexpr int KX_OPTION_SCHEMA = 1;

// Stores the schema number and the words, or loads them (the schema is read
// and ignored).  Loading reads all fourteen integers before it assigns any,
// so a short archive throws the archive's end-of-file exception and leaves
// every word unchanged.
void KXSerializeOptionWords(CArchive& ar, int* const (&apWords)[KX_OPTION_WORDS]);
