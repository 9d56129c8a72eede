// CDialogBar: a control bar made from a dialog template: its controls sit
// on the bar, their commands go to the bar's owner (the frame) and they are
// enabled through command routing when the application is idle.  It docks
// and floats like any bar; its size is the template's.
#pragma once

#include "afxres.h"
#include "win/ctlbar.h"

class CDialogBar : public CControlBar {
    DECLARE_DYNAMIC(CDialogBar)
public:
    CDialogBar();
    ~CDialogBar() override;

    // The bar from template lpszTemplateName (a child dialog); nStyle holds
    // the window and CBRS_ styles.  FALSE when the template is missing.
    virtual BOOL Create(CWnd* pParentWnd, LPCTSTR lpszTemplateName, UINT nStyle, UINT nID);
    BOOL Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID) {
        return Create(pParentWnd, MAKEINTRESOURCEA(nIDTemplate), nStyle, nID);
    }

    // The template's size; stretched along the edge when asked.
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void OnUpdateCmdUIOutsideFrame(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) override;

    CSize m_sizeDefault;  // the template's size in pixels
};
