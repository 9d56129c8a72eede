// CReBarCtrl: the common rebar control (bands that each hold a child
// window).  CReBar: a control bar around it, laid out along the frame's
// edge like any bar, whose bands usually hold toolbars.
#pragma once

#include "afxres.h"
#include "win/ctlbar.h"

class CReBarCtrl : public CWnd {
    DECLARE_DYNAMIC(CReBarCtrl)
public:
    CReBarCtrl() = default;
    using CWnd::Create;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    UINT GetBandCount() const { return static_cast<UINT>(SendMessage(RB_GETBANDCOUNT)); }
    BOOL GetBandInfo(UINT uBand, REBARBANDINFOA* prbbi) const {
        return static_cast<BOOL>(SendMessage(RB_GETBANDINFOA, uBand, reinterpret_cast<LPARAM>(prbbi)));
    }
    BOOL SetBandInfo(UINT uBand, REBARBANDINFOA* prbbi) {
        return static_cast<BOOL>(SendMessage(RB_SETBANDINFOA, uBand, reinterpret_cast<LPARAM>(prbbi)));
    }
    BOOL InsertBand(UINT uIndex, REBARBANDINFOA* prbbi) {
        return static_cast<BOOL>(SendMessage(RB_INSERTBANDA, uIndex, reinterpret_cast<LPARAM>(prbbi)));
    }
    BOOL DeleteBand(UINT uBand) { return static_cast<BOOL>(SendMessage(RB_DELETEBAND, uBand)); }
    UINT GetBarHeight() const { return static_cast<UINT>(SendMessage(RB_GETBARHEIGHT)); }
    UINT GetRowCount() const { return static_cast<UINT>(SendMessage(RB_GETROWCOUNT)); }
    UINT GetRowHeight(UINT nRow) const { return static_cast<UINT>(SendMessage(RB_GETROWHEIGHT, nRow)); }
    void GetRect(UINT uBand, LPRECT prc) const { SendMessage(RB_GETRECT, uBand, reinterpret_cast<LPARAM>(prc)); }
    int IDToIndex(UINT uBandID) const { return static_cast<int>(SendMessage(RB_IDTOINDEX, uBandID)); }
    BOOL ShowBand(UINT uBand, BOOL fShow = TRUE) { return static_cast<BOOL>(SendMessage(RB_SHOWBAND, uBand, fShow)); }
    void MinimizeBand(UINT uBand) { SendMessage(RB_MINIMIZEBAND, uBand); }
    void MaximizeBand(UINT uBand) { SendMessage(RB_MAXIMIZEBAND, uBand, 0); }
    COLORREF GetBkColor() const { return static_cast<COLORREF>(SendMessage(RB_GETBKCOLOR)); }
    COLORREF SetBkColor(COLORREF clr) { return static_cast<COLORREF>(SendMessage(RB_SETBKCOLOR, 0, clr)); }
};

class CReBar : public CControlBar {
    DECLARE_DYNAMIC(CReBar)
public:
    CReBar();
    ~CReBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwCtrlStyle = RBS_BANDBORDERS,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_TOP,
                UINT nID = AFX_IDW_REBAR);
    CReBarCtrl& GetReBarCtrl() const { return *reinterpret_cast<CReBarCtrl*>(const_cast<CReBar*>(this)); }

    // A band holding pBar (made the rebar's child), with its text and
    // background; a control bar in a band has no borders or gripper of its own.
    BOOL AddBar(CWnd* pBar, LPCTSTR pszText = nullptr, CBitmap* pbmp = nullptr,
                DWORD dwStyle = RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP);
    BOOL AddBar(CWnd* pBar, COLORREF clrFore, COLORREF clrBack, LPCTSTR pszText = nullptr,
                DWORD dwStyle = RBBS_GRIPPERALWAYS);

    int GetCount() const override { return static_cast<int>(GetReBarCtrl().GetBandCount()); }
    // As high as the control's rows (as wide on a vertical edge).
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    // The bands' bars update themselves (they are control bars).
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}

protected:
    BOOL AddBand(CWnd* pBar, REBARBANDINFOA& rbbi);
    void OnPaint() { Default(); }  // the control paints itself
    BOOL OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
    LRESULT OnNcHitTest(CPoint) { return HTCLIENT; }
    // The control's height changed: the frame lays out again.
    void OnHeightChange(NMHDR*, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()
};
