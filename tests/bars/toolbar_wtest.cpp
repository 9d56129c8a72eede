// The library's toolbar in a frame: its flat and classic looks docked and
// floating, a rebar host, drop-down buttons whose menu commands reach the
// frame, controls in the button row, the right-click customise menu and the
// control's customise dialog, and the layout kept in the registry across a
// restart (in child processes, since toolbars are numbered per process).
#include "win/afxwin.h"

#include <afxext.h>

#include "bars/toolbar.h"
#include "bars/toolbar_ctrl.h"
#include "kxres_ids.h"
#include "win/afxstate.h"
#include "support/capture.h"
#include "support/companion_fixture.h"
#include "support/dialog_answer.h"
#include "support/gdi_leak.h"
#include "support/host_window.h"
#include "support/input.h"
#include "support/menu_loop.h"
#include "support/msg_recorder.h"
#include "support/named_lock.h"
#include "support/png_artifact.h"
#include "support/pump.h"
#include "support/run_tool.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace toolbar_test {

const char kCompany[] = "KXTest";
const char kAppName[] = "KXToolBarTest";

class CToolApp : public CWinApp {
public:
    CToolApp() : CWinApp(kAppName) { SetRegistryKey(kCompany); }
};

// The edit toolbar's buttons, all of which the user may place.
TOOLBARINFO g_customize[] = {
    {{0, ID_EDIT_UNDO, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0}, "Undo"},
    {{1, ID_EDIT_CUT, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0}, "Cut"},
    {{2, ID_EDIT_COPY, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0}, "Copy"},
    {{3, ID_EDIT_PASTE, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0}, "Paste"},
    {{4, ID_EDIT_CLEAR, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0}, "Delete"},
    {{5, ID_EDIT_SELECT_ALL, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0}, "Select All"},
};

// A frame with a view and one library toolbar docked at the top.
class CToolFrame : public CFrameWnd {
public:
    BOOL Make(DWORD dwCtrlStyle = TBSTYLE_FLAT, TOOLBARINFO* pCustomize = nullptr) {
        if (!Create(nullptr, "Toolbar Test", WS_OVERLAPPEDWINDOW, CRect(40, 40, 520, 360))) return FALSE;
        if (!m_wndView.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, AFX_IDW_PANE_FIRST))
            return FALSE;
        const DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_SIZE_DYNAMIC;
        const BOOL bMade = dwCtrlStyle != 0
                               ? m_wndBar.CreateEx(this, dwCtrlStyle, dwStyle, CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR)
                               : m_wndBar.Create(this, dwStyle, AFX_IDW_TOOLBAR);
        if (!bMade || !m_wndBar.LoadToolBar(IDR_KX_EDIT_TOOLBAR, pCustomize)) return FALSE;
        m_wndBar.SetWindowText("Edit");
        m_wndBar.EnableDocking(CBRS_ALIGN_ANY);
        EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&m_wndBar);
        ShowWindow(SW_SHOWNA);
        RecalcLayout();
        return TRUE;
    }
    void OnCommandRange(UINT nID) { m_arCommands.Add(nID); }
    void OnUpdateAll(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }

    CWnd m_wndView;
    CKXToolBar m_wndBar;
    CUIntArray m_arCommands;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CToolFrame, CFrameWnd)
    ON_COMMAND_RANGE(ID_KX_OUTBAR_SMALLICON, ID_KX_OUTBAR_LARGEICON, OnCommandRange)
    ON_COMMAND_RANGE(ID_EDIT_CLEAR, ID_EDIT_REDO, OnCommandRange)
    ON_UPDATE_COMMAND_UI_RANGE(ID_EDIT_CLEAR, ID_EDIT_REDO, OnUpdateAll)
END_MESSAGE_MAP()

// The library's companion module provides the toolbar and menu resources.
class ToolBarTest : public kxtest::CompanionResourceTest {
protected:
    CToolFrame* MakeFrame(DWORD dwCtrlStyle = TBSTYLE_FLAT, TOOLBARINFO* pCustomize = nullptr) {
        CToolFrame* pFrame = new CToolFrame;
        if (!pFrame->Make(dwCtrlStyle, pCustomize)) {
            pFrame->DestroyWindow();
            return nullptr;
        }
        return pFrame;
    }

    CToolApp m_app;
};

// The whole bar as DoPaint draws it, window coordinates.
kxtest::Capture PaintBar(CKXToolBar& bar) {
    CRect rect;
    bar.GetWindowRect(&rect);
    return kxtest::Render(rect.Width(), rect.Height(), [&](HDC hdc) {
        CDC dc;
        dc.Attach(hdc);
        bar.DoPaint(&dc);
        dc.Detach();
    });
}

COLORREF Hilite() { return ::GetSysColor(COLOR_BTNHIGHLIGHT); }
COLORREF Shadow() { return ::GetSysColor(COLOR_BTNSHADOW); }
COLORREF Face() { return ::GetSysColor(COLOR_BTNFACE); }

TEST_F(ToolBarTest, CreatesFromTheResourceWithItsSizesStylesAndNames) {
    kxtest::CursorLock lock;  // shows a frame
    CToolFrame* pFrame = MakeFrame();
    ASSERT_NE(nullptr, pFrame);
    CKXToolBar& bar = pFrame->m_wndBar;
    EXPECT_EQ(1, bar.bFlatStyle);
    EXPECT_EQ(0, bar.bInReBar);
    // The standard toolbar identifier hides the bar when a server works in place.
    EXPECT_EQ(static_cast<DWORD>(CBRS_HIDE_INPLACE), bar.GetBarStyle() & CBRS_HIDE_INPLACE);
    // The window style: the bar style without its CBRS_ bits, the control
    // style and the bits that leave the bar's placement to the bar.
    const DWORD dwPlacement = CCS_NODIVIDER | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NOMOVEY;
    EXPECT_EQ(static_cast<DWORD>(WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | dwPlacement),
              static_cast<DWORD>(::GetWindowLongA(bar.m_hWnd, GWL_STYLE)) & ~(WS_CLIPSIBLINGS | CCS_ADJUSTABLE));

    // CBRS_TOOLTIPS: the thread's tip shows the command of the button under the mouse.
    CRect rcUndo;
    bar.GetItemRect(0, &rcUndo);
    MSG msg = {bar.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(rcUndo.left + 5, rcUndo.top + 5), ::GetTickCount(),
               {rcUndo.left + 5, rcUndo.top + 5}};
    bar.ClientToScreen(&msg.pt);
    CWnd::FilterToolTipMessage(&msg, &bar);
    CToolTipCtrl* pTip = AfxGetThreadState()->m_pToolTip;
    ASSERT_NE(nullptr, pTip);
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ASSERT_TRUE(pTip->SendMessage(TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&ti)));
    EXPECT_EQ(bar.m_hWnd, ti.hwnd);
    EXPECT_EQ(static_cast<UINT_PTR>(ID_EDIT_UNDO), ti.uId);
    ASSERT_EQ(6, bar.GetCount());
    EXPECT_EQ(static_cast<UINT>(ID_EDIT_PASTE), bar.GetItemID(3));
    CRect rc;
    bar.GetItemRect(0, &rc);
    EXPECT_EQ(CSize(23, 22), rc.Size());  // 16 x 15 images
    EXPECT_FALSE(bar.LoadToolBar(12345));
    EXPECT_EQ(6, bar.GetCount());

    // Registry names: numbered in the order of construction, under the
    // application's company and name.
    EXPECT_EQ(CString("Software\\KXTest\\KXToolBarTest\\Settings"), bar.GetStateSubKey());
    CKXToolBar a, b, c;
    const int n = atoi(static_cast<LPCTSTR>(a.GetStateValueName()) + 10);
    EXPECT_EQ(CString("KXToolBar ") + std::to_string(n + 2).c_str(), c.GetStateValueName());

    // Docked along the top: one row, the gripper and the space of a flat
    // bar before the first button.
    const CSize size = bar.CalcFixedLayout(FALSE, TRUE);
    CRect inside(0, 0, 0, 0);
    bar.CalcInsideRect(inside, TRUE);
    EXPECT_EQ(10, inside.left);
    EXPECT_EQ(6 * 23 + 10, size.cx);
    EXPECT_EQ(22 + 2, size.cy);  // the bottom border line
    // Docked at the left: a column, the gripper on top.
    const CSize sizeVert = bar.CalcDynamicLayout(-1, LM_VERTDOCK | LM_COMMIT);
    EXPECT_EQ(6 * 22 + 10 + 2, sizeVert.cy);  // the bottom line still counts
    EXPECT_EQ(23, sizeVert.cx);
    CRect rc5;
    bar.GetItemRect(5, &rc5);
    EXPECT_EQ(rc.left, rc5.left);
    pFrame->DestroyWindow();
}

TEST_F(ToolBarTest, FlatAndClassicLooksDockedAndFloating) {
    kxtest::CursorLock lock;
    CToolFrame* pFrame = MakeFrame();
    ASSERT_NE(nullptr, pFrame);
    CKXToolBar& bar = pFrame->m_wndBar;
    kxtest::Capture shot = PaintBar(bar);
    const int w = shot.width(), h = shot.height(), y = h / 2;
    // Flat frame: light at the left, dark at the bottom (top and right lie
    // under the buttons: the bar has no border there).
    EXPECT_EQ(Hilite(), shot.At(0, y));
    EXPECT_EQ(Shadow(), shot.At(w / 2, h - 1));
    EXPECT_EQ(Face(), shot.At(w / 2, h - 2));
    // Two raised bars at 4 and 7 (one pixel of frame, then 3), from 3 to h - 3.
    EXPECT_EQ(Hilite(), shot.At(4, y));
    EXPECT_EQ(Face(), shot.At(5, y));
    EXPECT_EQ(Shadow(), shot.At(6, y));
    EXPECT_EQ(Hilite(), shot.At(7, y));
    EXPECT_EQ(Shadow(), shot.At(9, y));
    EXPECT_EQ(Face(), shot.At(4, 2));
    EXPECT_EQ(Hilite(), shot.At(4, 3));
    EXPECT_EQ(Hilite(), shot.At(4, h - 4));  // the light edge runs to the far end
    EXPECT_EQ(Shadow(), shot.At(5, h - 4));
    EXPECT_EQ(Face(), shot.At(4, h - 3));
    kxtest::WritePng(shot, "toolbar_flat_docked");

    // Docked at the left the bars lie across the top.
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
    shot = PaintBar(bar);
    EXPECT_EQ(Hilite(), shot.At(shot.width() / 2, 4));
    EXPECT_EQ(Shadow(), shot.At(shot.width() / 2, 6));
    EXPECT_EQ(Hilite(), shot.At(shot.width() - 4, 4));  // far end
    EXPECT_EQ(Hilite(), shot.At(shot.width() / 2, 7));

    // Floating: no gripper, no frame lines; the small frame draws the edge.
    pFrame->FloatControlBar(&bar, CPoint(200, 200));
    kxtest::PumpUntilIdle();
    ASSERT_TRUE(bar.IsFloating());
    shot = PaintBar(bar);
    CRect rectClient;
    bar.GetClientRect(&rectClient);
    EXPECT_EQ(CSize(shot.width(), shot.height()), rectClient.Size());
    kxtest::WritePng(shot, "toolbar_flat_floating");
    pFrame->DestroyWindow();

    // Classic: the double bar at 1 and 5 past the frame line, inset by the borders.
    pFrame = MakeFrame(0);
    ASSERT_NE(nullptr, pFrame);
    shot = PaintBar(pFrame->m_wndBar);
    const int yc = shot.height() / 2;
    EXPECT_EQ(Hilite(), shot.At(2, yc));
    EXPECT_EQ(Shadow(), shot.At(4, yc));
    EXPECT_EQ(Hilite(), shot.At(6, yc));
    EXPECT_EQ(Face(), shot.At(7, yc));  // the buttons start at 8: border 6 and gripper 2
    EXPECT_EQ(Face(), shot.At(2, 3));  // above: the top border (3) and the frame line
    EXPECT_EQ(Hilite(), shot.At(2, 4));
    kxtest::WritePng(shot, "toolbar_classic_docked");
    pFrame->DestroyWindow();
}

TEST_F(ToolBarTest, FloatingItBreaksIntoTheRowsItsFrameIsSizedTo) {
    kxtest::CursorLock lock;
    CToolFrame* pFrame = MakeFrame();
    ASSERT_NE(nullptr, pFrame);
    CKXToolBar& bar = pFrame->m_wndBar;
    pFrame->FloatControlBar(&bar, CPoint(200, 200));
    CFrameWnd* pMini = bar.GetParentFrame();
    ASSERT_TRUE(bar.IsFloating());
    CRect rcOne;
    pMini->GetWindowRect(&rcOne);
    // Dragged to half its width by the right edge: two buttons a row, three
    // rows; the frame keeps that shape through the layout that follows.
    CRect rect = rcOne;
    rect.right = rect.left + rcOne.Width() / 2;
    pMini->SendMessage(WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&rect));
    pMini->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    kxtest::PumpUntilIdle();
    EXPECT_EQ(2 * 23, bar.m_nMRUWidth);
    CRect rc1, rc2;
    bar.GetItemRect(1, &rc1);
    bar.GetItemRect(2, &rc2);
    EXPECT_EQ(0, rc2.left);
    EXPECT_EQ(rc1.bottom, rc2.top);
    CRect rcNow;
    pMini->GetWindowRect(&rcNow);
    EXPECT_EQ(rect, rcNow);
    EXPECT_EQ(rcOne.Height() + 2 * 22, rcNow.Height());
    pFrame->DestroyWindow();
}

TEST_F(ToolBarTest, InARebarTheBarWorksForTheFrameAndIsNotFlat) {
    kxtest::CursorLock lock;
    CToolFrame* pFrame = MakeFrame();
    ASSERT_NE(nullptr, pFrame);
    CReBar rebar;
    ASSERT_TRUE(rebar.Create(pFrame));
    CKXToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&rebar, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER,
                             CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR + 5));
    EXPECT_EQ(1, bar.bInReBar);
    EXPECT_EQ(0, bar.bFlatStyle);
    EXPECT_EQ(pFrame, bar.GetOwner());
    ASSERT_TRUE(bar.LoadToolBar(IDR_KX_EDIT_TOOLBAR));
    CRect inside(0, 0, 0, 0);
    bar.CalcInsideRect(inside, TRUE);
    EXPECT_EQ(7, inside.left);
    // The band takes the bar in; the rebar draws its gripper from then on.
    ASSERT_TRUE(rebar.AddBar(&bar));
    pFrame->DestroyWindow();
}

TEST_F(ToolBarTest, DropDownButtonShowsItsMenuAndTheCommandReachesTheFrame) {
    kxtest::CursorLock lock;
    CToolFrame* pFrame = MakeFrame();
    ASSERT_NE(nullptr, pFrame);
    CKXToolBar& bar = pFrame->m_wndBar;
    // A second call for the same command keeps one record with the new menu.
    EXPECT_TRUE(bar.AddDropDownButton(ID_EDIT_PASTE, 1, TRUE));
    EXPECT_TRUE(bar.AddDropDownButton(ID_EDIT_PASTE, IDR_KX_CONTEXT_MENUS, TRUE));
    ASSERT_NE(nullptr, bar.FindDropDownButton(ID_EDIT_PASTE));
    EXPECT_EQ(nullptr, bar.FindDropDownButton(ID_EDIT_PASTE)->next);
    EXPECT_EQ(static_cast<UINT>(IDR_KX_CONTEXT_MENUS), bar.FindDropDownButton(ID_EDIT_PASTE)->idMenu);
    EXPECT_EQ(nullptr, bar.FindDropDownButton(ID_EDIT_CUT));
    const int nPaste = bar.CommandToIndex(ID_EDIT_PASTE);
    EXPECT_TRUE(bar.GetButtonStyle(nPaste) & TBSTYLE_DROPDOWN);
    EXPECT_TRUE(bar.GetToolBarCtrl().GetExtendedStyle() & TBSTYLE_EX_DRAWDDARROWS);
    pFrame->RecalcLayout();

    // A press on the arrow drops the "Outlook Bar" menu; its first item goes
    // to the frame as a command (posted by the menu).
    CRect rc;
    bar.GetItemRect(nPaste, &rc);
    kxtest::MessageRecorder rec;
    rec.Watch(pFrame->m_hWnd, "frame", {WM_COMMAND});
    HWND hwndPopup = nullptr;
    CRect rcPopup;
    const bool bShown = kxtest::WithMenu(
        bar.m_hWnd,
        [&] {
            bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rc.right - 3, rc.top + rc.Height() / 2));
        },
        [&](HWND popup) {
            hwndPopup = popup;
            ::GetWindowRect(popup, &rcPopup);
            kxtest::PostKeyPress(popup, VK_DOWN);
            kxtest::PostKeyPress(popup, VK_RETURN);
        });
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rc.right - 3, rc.top + rc.Height() / 2));
    ASSERT_TRUE(bShown);
    kxtest::PumpUntilIdle();
    // The menu stood below the button, its left edge at the button's.
    CRect rcScreen;
    bar.GetToolBarCtrl().GetRect(ID_EDIT_PASTE, &rcScreen);
    bar.ClientToScreen(&rcScreen);
    EXPECT_EQ(rcScreen.left, rcPopup.left);
    EXPECT_EQ(rcScreen.bottom, rcPopup.top);
    ASSERT_EQ(1, pFrame->m_arCommands.GetSize());
    EXPECT_EQ(static_cast<UINT>(ID_KX_OUTBAR_SMALLICON), pFrame->m_arCommands[0]);
    EXPECT_TRUE(kxtest::SequenceIs(rec.Take(), {
        kxtest::ExpectedMessage("frame", WM_COMMAND, kxtest::kPosted).WithWParam(ID_KX_OUTBAR_SMALLICON),
    }));

    // A drop-down button without a menu shows nothing.
    bar.AddDropDownButton(ID_EDIT_CUT, 0, FALSE);
    bar.GetItemRect(bar.CommandToIndex(ID_EDIT_CUT), &rc);
    EXPECT_FALSE(kxtest::WithMenu(
        bar.m_hWnd, [&] { bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rc.left + 3, rc.top + 3)); },
        [](HWND) {}, 300));
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rc.left + 3, rc.top + 3));
    pFrame->DestroyWindow();
}

TEST_F(ToolBarTest, ControlsStandOnTheirButtonsAndTalkToTheFrame) {
    kxtest::CursorLock lock;
    CToolFrame* pFrame = MakeFrame();
    ASSERT_NE(nullptr, pFrame);
    CKXToolBar& bar = pFrame->m_wndBar;
    CRect rectCombo(0, 0, 120, 200);
    CWnd* pCombo = bar.InsertControl(RUNTIME_CLASS(CComboBox), nullptr, rectCombo, ID_EDIT_CLEAR,
                                     CBS_DROPDOWNLIST | WS_VSCROLL);
    ASSERT_NE(nullptr, pCombo);
    EXPECT_TRUE(pCombo->IsKindOf(RUNTIME_CLASS(CComboBox)));
    const int nIndex = bar.CommandToIndex(ID_EDIT_CLEAR);
    EXPECT_EQ(pCombo, bar.GetButtonCtrl(nIndex));
    EXPECT_EQ(nullptr, bar.GetButtonCtrl(0));
    EXPECT_EQ(nullptr, bar.GetButtonCtrl(99));
    EXPECT_EQ(static_cast<UINT>(TBBS_SEPARATOR), bar.GetButtonStyle(nIndex) & 0xFF);
    CRect rcButton, rcCombo;
    bar.GetItemRect(nIndex, &rcButton);
    EXPECT_EQ(120, rcButton.Width());
    pCombo->GetWindowRect(&rcCombo);
    bar.ScreenToClient(&rcCombo);
    EXPECT_EQ(rcButton.left, rcCombo.left);
    EXPECT_EQ(120, rcCombo.Width());

    // The row changes: the control follows its button.
    bar.HideButton(ID_EDIT_UNDO);
    bar.RepositionButtonCtrl();
    CRect rcMoved;
    pCombo->GetWindowRect(&rcMoved);
    bar.ScreenToClient(&rcMoved);
    EXPECT_EQ(rcButton.left - 23, rcMoved.left);

    // Its notifications reach the frame's command routing.
    pFrame->m_arCommands.RemoveAll();
    static_cast<CComboBox*>(pCombo)->AddString("One");
    bar.SendMessage(WM_COMMAND, MAKEWPARAM(ID_EDIT_CLEAR, CBN_SELCHANGE), reinterpret_cast<LPARAM>(pCombo->m_hWnd));
    // (CBN_SELCHANGE is not CN_COMMAND: the frame's command handler stays quiet.)
    EXPECT_EQ(0, pFrame->m_arCommands.GetSize());
    bar.SendMessage(WM_COMMAND, MAKEWPARAM(ID_EDIT_CLEAR, 0), 0);
    EXPECT_EQ(1, pFrame->m_arCommands.GetSize());

    // An existing window placed over a button; the bar destroys it with itself.
    CEdit* pEdit = new CEdit;
    ASSERT_TRUE(pEdit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 60, 20), &bar, 999));
    CRect rectEdit(0, 0, 60, 20);
    EXPECT_EQ(pEdit, bar.InsertControl(pEdit, rectEdit, ID_EDIT_SELECT_ALL));
    EXPECT_EQ(nullptr, bar.InsertControl(pEdit, rectEdit, 4242));  // no such button
    const HWND hwndEdit = pEdit->m_hWnd;
    pFrame->DestroyWindow();
    EXPECT_FALSE(::IsWindow(hwndEdit));
    delete pEdit;
}

TEST_F(ToolBarTest, RightClickWithoutATableShowsNoMenu) {
    kxtest::CursorLock lock;
    CToolFrame* pFrame = MakeFrame();
    ASSERT_NE(nullptr, pFrame);
    CKXToolBar& bar = pFrame->m_wndBar;
    EXPECT_FALSE(kxtest::WithMenu(
        bar.m_hWnd, [&] { bar.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(30, 8)); }, [](HWND) {}, 300));
    pFrame->DestroyWindow();
}

// --- the saved layout across processes -----------------------------------------------

const char kChildVariable[] = "KX_TOOLBAR_CHILD";

bool IsChild() { return std::getenv(kChildVariable) != nullptr; }

// Runs this program with one test (the phase) and returns its exit code.
DWORD RunPhase(const char* pszTest) {
    return kxtest::RunThisProgram(std::string("ToolBarRestart.") + pszTest, kChildVariable);
}

std::string RunReg(const std::string& args) { return kxtest::RunTool("reg.exe " + args); }

const char kKey[] = "HKCU\\Software\\KXTest\\KXToolBarTest\\Settings";

TEST(ToolBarState, TheLayoutSurvivesARestartAndACorruptOneIsIgnored) {
    if (IsChild()) GTEST_SKIP() << "a phase runs in a child";
    RunReg(std::string("delete ") + kKey + " /f");

    // First run: the bar without "Cut" goes through the customise dialog
    // opened from its right-click menu; the layout is saved as its first value.
    ASSERT_EQ(0u, RunPhase("Customise"));
    const std::string query = RunReg(std::string("query ") + kKey + " /v \"KXToolBar 1\"");
    EXPECT_NE(std::string::npos, query.find("KXToolBar 1")) << query;
    EXPECT_NE(std::string::npos, query.find("REG_BINARY")) << query;

    // Second run: the bar comes back without "Cut".
    EXPECT_EQ(0u, RunPhase("Restored"));

    // Garbage under the name: the bar shows its default buttons.
    RunReg(std::string("add ") + kKey + " /v \"KXToolBar 1\" /t REG_BINARY /d 0102030405 /f");
    EXPECT_EQ(0u, RunPhase("Default"));
    RunReg(std::string("add ") + kKey + " /v \"KXToolBar 1\" /t REG_BINARY /d FFFFFF7FEEEEEE7F /f");
    EXPECT_EQ(0u, RunPhase("Default"));
    RunReg(std::string("delete ") + kKey + " /f");
}

class ToolBarRestart : public ToolBarTest {
protected:
    void SetUp() override {
        if (!IsChild()) GTEST_SKIP() << "runs as a phase of ToolBarState";
        ToolBarTest::SetUp();
    }

};

TEST_F(ToolBarRestart, Customise) {
    kxtest::CursorLock lock;  // a menu and a dialog
    CToolFrame* pFrame = MakeFrame(TBSTYLE_FLAT, g_customize);
    ASSERT_NE(nullptr, pFrame);
    CKXToolBar& bar = pFrame->m_wndBar;
    ASSERT_EQ(CString("KXToolBar 1"), bar.GetStateValueName());
    EXPECT_EQ(6, bar.nCustomizeButtons);
    EXPECT_TRUE(bar.GetStyle() & CCS_ADJUSTABLE);
    ASSERT_EQ(6, bar.GetCount());

    // "Cut" is off the bar before the dialog opens: the dialog offers it
    // (from the table), beside the separator it always offers.
    bar.DeleteButton(bar.CommandToIndex(ID_EDIT_CUT));
    int nAvailable = -1;
    kxtest::DialogAnswer answer("Customize Toolbar", {
        [&](HWND dialog) {
            HWND hwndList = ::FindWindowExA(dialog, nullptr, "ListBox", nullptr);
            nAvailable = static_cast<int>(::SendMessageA(hwndList, LB_GETCOUNT, 0, 0));
        },
        [](HWND dialog) { kxtest::ClickButton(dialog, IDCANCEL); },
    });
    int nItems = 0;
    UINT nItemID = 0;
    const bool bMenu = kxtest::WithMenu(
        bar.m_hWnd, [&] { bar.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(30, 8)); },
        [&](HWND popup) {
            // One item: "&Customize...", command 255.
            const HMENU hMenu = reinterpret_cast<HMENU>(::SendMessageA(popup, MN_GETHMENU, 0, 0));
            nItems = ::GetMenuItemCount(hMenu);
            nItemID = ::GetMenuItemID(hMenu, 0);
            kxtest::PostKeyPress(popup, VK_DOWN);
            kxtest::PostKeyPress(popup, VK_RETURN);
        });
    EXPECT_TRUE(bMenu);
    EXPECT_EQ(1, nItems);
    EXPECT_EQ(255u, nItemID);
    EXPECT_TRUE(answer.Done());
    EXPECT_EQ(2, nAvailable);
    EXPECT_EQ(5, bar.GetCount());
    pFrame->DestroyWindow();
}

TEST_F(ToolBarRestart, Restored) {
    kxtest::CursorLock lock;  // shows a frame
    CToolFrame* pFrame = MakeFrame(TBSTYLE_FLAT, g_customize);
    ASSERT_NE(nullptr, pFrame);
    CKXToolBar& bar = pFrame->m_wndBar;
    EXPECT_EQ(5, bar.GetCount());
    EXPECT_EQ(-1, bar.CommandToIndex(ID_EDIT_CUT));
    EXPECT_EQ(1, bar.CommandToIndex(ID_EDIT_COPY));
    // The images came back with the buttons.
    EXPECT_EQ(2, bar.GetBitmap(ID_EDIT_COPY));
    pFrame->DestroyWindow();
}

TEST_F(ToolBarRestart, Default) {
    kxtest::CursorLock lock;  // shows a frame
    CToolFrame* pFrame = MakeFrame(TBSTYLE_FLAT, g_customize);
    ASSERT_NE(nullptr, pFrame);
    CKXToolBar& bar = pFrame->m_wndBar;
    EXPECT_EQ(6, bar.GetCount());
    for (int i = 0; i < 6; ++i) EXPECT_EQ(g_customize[i].tbButton.idCommand, static_cast<int>(bar.GetItemID(i)));
    pFrame->DestroyWindow();
}

// --- resources -------------------------------------------------------------------------

TEST_F(ToolBarTest, ThousandsOfBarsLeaveNothingBehind) {
    auto cycle = [] {
        CKXToolBar bar;
        CWnd host;
        host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_POPUP, CRect(0, 0, 400, 60), nullptr, 0);
        bar.CreateEx(&host, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER, CRect(0, 0, 0, 0), 0xE810);
        bar.LoadToolBar(IDR_KX_EDIT_TOOLBAR);
        bar.AddDropDownButton(ID_EDIT_PASTE, IDR_KX_CONTEXT_MENUS, TRUE);
        CRect rect(0, 0, 80, 120);
        bar.InsertControl(RUNTIME_CLASS(CComboBox), nullptr, rect, ID_EDIT_CLEAR, CBS_DROPDOWNLIST);
        bar.CalcFixedLayout(FALSE, TRUE);
        kxtest::Render(200, 40, [&](HDC hdc) {
            CDC dc;
            dc.Attach(hdc);
            bar.DoPaint(&dc);
            dc.Detach();
        });
        bar.DestroyWindow();
        host.DestroyWindow();
    };
    cycle();  // the system's lazily made objects
    const kxtest::GdiCount before = kxtest::CountGdiObjects();
    const long nUserBefore = kxtest::UserObjectCount();
    for (int i = 0; i < 2000; ++i) cycle();
    EXPECT_TRUE(kxtest::SameGdiCount(before, kxtest::CountGdiObjects()));
    EXPECT_EQ(nUserBefore, kxtest::UserObjectCount());
}

TEST(KXToolBarCtrl, IsTheControlAsAPlainChild) {
    kxtest::HostWindow window(300, 100);
    CWnd* pHost = CWnd::FromHandle(window.hwnd());
    CKXToolBarCtrl ctrl;
    ASSERT_TRUE(ctrl.Create(WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT, CRect(0, 0, 300, 30), pHost, 77));
    char szClass[32] = {};
    ::GetClassNameA(ctrl.m_hWnd, szClass, sizeof szClass);
    EXPECT_STREQ("ToolbarWindow32", szClass);
    EXPECT_TRUE(ctrl.GetStyle() & TBSTYLE_FLAT);  // the control's style, not the window's
    ctrl.DestroyWindow();
}

}  // namespace toolbar_test
