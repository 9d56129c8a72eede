// CKXOSVersionInfo: the running system's version record with the family
// tests the library branches on.
#pragma once

#include "core/aux_rules.h"
#include "win/afxwin.h"

class CKXOSVersionInfo : public OSVERSIONINFOA {
public:
    // The running system's record, read once.
    static const CKXOSVersionInfo& Get();

    // A record made from given numbers, for callers that test a version other
    // than the running one.
    explicit CKXOSVersionInfo(const OSVERSIONINFOA& info);
    CKXOSVersionInfo& operator=(const CKXOSVersionInfo& other);
    CKXOSVersionInfo(const CKXOSVersionInfo& other) : OSVERSIONINFOA(other) {}

    bool IsWin31() const { return Numbers().IsWin31(); }
    bool IsWin95() const { return Numbers().IsWin95(); }
    bool IsWin98() const { return Numbers().IsWin98(); }
    bool IsWinME() const { return Numbers().IsWinME(); }
    bool IsWinNT4() const { return Numbers().IsWinNT4(); }
    bool IsWin2K() const { return Numbers().IsWin2K(); }
    bool IsWinXP() const { return Numbers().IsWinXP(); }
    bool IsWin95OrGreater() const { return Numbers().IsWin95OrGreater(); }
    bool IsWin98OrGreater() const { return Numbers().IsWin98OrGreater(); }
    bool IsWinMEOrGreater() const { return Numbers().IsWinMEOrGreater(); }
    bool IsWinNT4OrGreater() const { return Numbers().IsWinNT4OrGreater(); }
    bool IsWin2KOrGreater() const { return Numbers().IsWin2KOrGreater(); }
    bool IsWinXPOrGreater() const { return Numbers().IsWinXPOrGreater(); }
    CString GetOSName() const { return Numbers().GetOSName(); }

private:
    CKXOSVersionInfo();
    CKXVersionNumbers Numbers() const {
        CKXVersionNumbers n;
        n.dwPlatformId = dwPlatformId;
        n.dwMajorVersion = dwMajorVersion;
        n.dwMinorVersion = dwMinorVersion;
        return n;
    }
};
