// CCmdTarget: the base of every object that handles messages and commands
// through a message map; CCmdUI: the request to update a command's user
// interface (menu item, toolbar button) before it is shown.
#pragma once

#include "base/cobject.h"
#include "base/cstring.h"
#include "win/msgmap.h"

class CCmdUI;
class CMenu;
class CWnd;

struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget;
    const AFX_MSGMAP_ENTRY* pEntry;
};

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;

    // Routes a command, command-update request or notification through the
    // message map.  nCode is CN_COMMAND, CN_UPDATE_COMMAND_UI, a control's
    // notification code, or MAKELONG(code, WM_NOTIFY) for notifications.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    // Reference counting: an object starts with one reference; releasing
    // the last one calls OnFinalRelease, which deletes the object (a window
    // destroys itself instead).  Counts change atomically.
    DWORD InternalAddRef();
    DWORD InternalRelease();
    DWORD ExternalAddRef() { return InternalAddRef(); }
    DWORD ExternalRelease() { return InternalRelease(); }
    virtual void OnFinalRelease();
    long m_dwRef = 1;

    // Finds the window-message entry for (message, code, id) in a map or
    // its base classes' maps; null when none.
    static const AFX_MSGMAP_ENTRY* FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMsg, UINT nCode, UINT nID);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

class CCmdUI {
public:
    CCmdUI() = default;
    virtual ~CCmdUI() = default;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);  // 0 clear, 1 checked, 2 indeterminate
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCTSTR lpszText);
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Asks pTarget to update; when no handler answers and the command has no
    // handler either, the item is disabled if bDisableIfNoHndler.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    UINT m_nID = 0;
    UINT m_nIndex = 0;          // index of the item being updated
    CMenu* m_pMenu = nullptr;   // a menu item is being updated
    CMenu* m_pSubMenu = nullptr;  // the item opens this popup
    CWnd* m_pOther = nullptr;   // a window (toolbar, status bar) is being updated
    UINT m_nIndexMax = 0;
    CMenu* m_pParentMenu = nullptr;
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;
};

// Updates every item of a popup menu through pTarget's command routing, as
// the framework does before a popup opens.
void AfxUpdateMenuCmdUI(CCmdTarget* pTarget, CMenu* pPopupMenu, BOOL bDisableIfNoHndler);
