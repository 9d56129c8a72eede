// Message-map entries: each window message reaches its handler with the
// parameters unpacked as the framework's handlers take them and the result
// the message needs; command ranges, extended command and notification
// entries route as the framework's; control notifications by name; a
// list box's keyboard messages reflected to it.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace msgmap_test {

std::vector<std::string> g_log;

template <class... A>
void Log(const char* format, A... args) {
    char buf[160];
    snprintf(buf, sizeof buf, format, args...);
    g_log.push_back(buf);
}

class CMsgWnd : public CWnd {
public:
    HCURSOR m_hDragIcon = ::LoadCursorA(nullptr, IDC_CROSS);

protected:
    afx_msg void OnMouseLeave() { Log("MouseLeave"); }
    afx_msg void OnMouseHover(UINT nFlags, CPoint point) { Log("MouseHover %u %ld,%ld", nFlags, point.x, point.y); }
    afx_msg void OnXButtonDown(UINT nFlags, UINT nButton, CPoint point) {
        Log("XButtonDown %u %u %ld,%ld", nFlags, nButton, point.x, point.y);
    }
    afx_msg void OnSizing(UINT fwSide, LPRECT pRect) {
        Log("Sizing %u", fwSide);
        pRect->right = pRect->left + 50;  // the handler may change the rectangle
    }
    afx_msg void OnMoving(UINT fwSide, LPRECT pRect) { Log("Moving %u %ld", fwSide, pRect->top); }
    afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID) { Log("ActivateApp %d %lu", bActive, dwThreadID); }
    afx_msg HCURSOR OnQueryDragIcon() {
        Log("QueryDragIcon");
        return m_hDragIcon;
    }
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo) {
        Log("HelpInfo %d", pHelpInfo->iCtrlId);
        return TRUE;
    }
    afx_msg BOOL OnCopyData(CWnd* pWnd, COPYDATASTRUCT* pCopyDataStruct) {
        Log("CopyData %s %lu %s", pWnd == this ? "self" : "other", static_cast<unsigned long>(pCopyDataStruct->dwData),
            static_cast<const char*>(pCopyDataStruct->lpData));
        return TRUE;
    }
    afx_msg void OnNcRButtonUp(UINT nHitTest, CPoint point) { Log("NcRButtonUp %u %ld,%ld", nHitTest, point.x, point.y); }
    afx_msg void OnSysDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags) { Log("SysDeadChar %u %u %u", nChar, nRepCnt, nFlags); }
    afx_msg void OnEnterMenuLoop(BOOL bIsTrackPopupMenu) { Log("EnterMenuLoop %d", bIsTrackPopupMenu); }
    afx_msg void OnChangeUIState(UINT nAction, UINT nUIElement) { Log("ChangeUIState %u %u", nAction, nUIElement); }
    afx_msg UINT OnQueryUIState() {
        Log("QueryUIState");
        return UISF_HIDEFOCUS;
    }
    afx_msg void OnAppCommand(CWnd* pWnd, UINT nCmd, UINT nDevice, UINT nKey) {
        Log("AppCommand %s %u %u %u", pWnd == this ? "self" : "other", nCmd, nDevice, nKey);
    }
    afx_msg LRESULT OnThemeChanged() {
        Log("ThemeChanged");
        return 7;
    }
    afx_msg void OnParentNotify(UINT message, LPARAM lParam) {
        Log("ParentNotify %u %ld", message, static_cast<long>(lParam));
    }
    afx_msg void OnTimeChange() { Log("TimeChange"); }
    afx_msg void OnDropFiles(HDROP hDropInfo) { Log("DropFiles %p", static_cast<void*>(hDropInfo)); }

    // Commands and notifications
    afx_msg BOOL OnRangeEx(UINT nID) {
        Log("RangeEx %u", nID);
        return nID != 402;  // FALSE: not handled here after all
    }
    afx_msg void OnDoubleClicked() { Log("BN_DBLCLK"); }
    afx_msg void OnSelCancel() { Log("LBN_SELCANCEL"); }
    afx_msg void OnSelEndOk() { Log("CBN_SELENDOK"); }
    afx_msg void OnMaxText() { Log("EN_MAXTEXT"); }
    afx_msg void OnStaticDblClk() { Log("STN_DBLCLK"); }
    afx_msg void OnNotifyRange(UINT nID, NMHDR* pNMHDR, LRESULT* pResult) {
        Log("NotifyRange %u %d", nID, static_cast<int>(pNMHDR->code));
        *pResult = 33;
    }
    afx_msg BOOL OnNotifyEx(UINT nID, NMHDR*, LRESULT* pResult) {
        Log("NotifyEx %u", nID);
        *pResult = 44;
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMsgWnd, CWnd)
    ON_WM_MOUSELEAVE()
    ON_WM_MOUSEHOVER()
    ON_WM_XBUTTONDOWN()
    ON_WM_SIZING()
    ON_WM_MOVING()
    ON_WM_ACTIVATEAPP()
    ON_WM_QUERYDRAGICON()
    ON_WM_HELPINFO()
    ON_WM_COPYDATA()
    ON_WM_NCRBUTTONUP()
    ON_WM_SYSDEADCHAR()
    ON_WM_ENTERMENULOOP()
    ON_WM_CHANGEUISTATE()
    ON_WM_QUERYUISTATE()
    ON_WM_APPCOMMAND()
    ON_WM_THEMECHANGED()
    ON_WM_PARENTNOTIFY()
    ON_WM_TIMECHANGE()
    ON_WM_DROPFILES()
    ON_COMMAND_EX_RANGE(400, 409, OnRangeEx)
    ON_BN_DBLCLK(501, OnDoubleClicked)
    ON_LBN_SELCANCEL(502, OnSelCancel)
    ON_CBN_SELENDOK(503, OnSelEndOk)
    ON_EN_MAXTEXT(504, OnMaxText)
    ON_STN_DBLCLK(505, OnStaticDblClk)
    ON_NOTIFY_RANGE(NM_CLICK, 500, 510, OnNotifyRange)
    ON_NOTIFY_EX(NM_DBLCLK, 501, OnNotifyEx)
END_MESSAGE_MAP()

// A list box that answers its own keyboard messages (reflected by its parent).
class CKeyListBox : public CListBox {
public:
    int CharToItem(UINT nKey, UINT nIndex) { return static_cast<int>(nKey * 100 + nIndex); }
    int VKeyToItem(UINT nKey, UINT nIndex) { return -static_cast<int>(nKey + nIndex); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CKeyListBox, CListBox)
    ON_WM_CHARTOITEM_REFLECT()
    ON_WM_VKEYTOITEM_REFLECT()
END_MESSAGE_MAP()

struct Case {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    std::string log;
    LRESULT result;
};

}  // namespace msgmap_test

using namespace msgmap_test;

TEST(MessageMap, WindowMessagesUnpackAsTheFrameworksHandlersTakeThem) {
    CMsgWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "msgmap", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    RECT sizing = {10, 20, 300, 400};
    RECT moving = {0, 77, 10, 90};
    HELPINFO help = {sizeof help, HELPINFO_WINDOW, 123, nullptr, 0, {0, 0}};
    char text[] = "payload";
    COPYDATASTRUCT copy = {42, sizeof text, text};
    char dropped[32];
    snprintf(dropped, sizeof dropped, "%p", reinterpret_cast<void*>(0x1234));
    const Case cases[] = {
        {WM_MOUSELEAVE, 0, 0, "MouseLeave", 0},
        {WM_MOUSEHOVER, MK_SHIFT, MAKELPARAM(-3, 9), "MouseHover 4 -3,9", 0},
        {WM_XBUTTONDOWN, MAKEWPARAM(MK_CONTROL, XBUTTON2), MAKELPARAM(5, 6), "XButtonDown 8 2 5,6", TRUE},
        {WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&sizing), "Sizing 8", 0},
        {WM_MOVING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&moving), "Moving 1 77", 0},
        {WM_ACTIVATEAPP, TRUE, 4321, "ActivateApp 1 4321", 0},
        {WM_HELP, 0, reinterpret_cast<LPARAM>(&help), "HelpInfo 123", TRUE},
        {WM_COPYDATA, reinterpret_cast<WPARAM>(wnd.m_hWnd), reinterpret_cast<LPARAM>(&copy), "CopyData self 42 payload", TRUE},
        {WM_NCRBUTTONUP, HTCAPTION, MAKELPARAM(300, -20), "NcRButtonUp 2 300,-20", 0},
        {WM_SYSDEADCHAR, '^', MAKELPARAM(2, 0x29), "SysDeadChar 94 2 41", 0},
        {WM_ENTERMENULOOP, TRUE, 0, "EnterMenuLoop 1", 0},
        {WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEACCEL), 0, "ChangeUIState 1 2", 0},
        {WM_QUERYUISTATE, 0, 0, "QueryUIState", UISF_HIDEFOCUS},
        {WM_APPCOMMAND, reinterpret_cast<WPARAM>(wnd.m_hWnd),
         MAKELPARAM(MK_LBUTTON, APPCOMMAND_BROWSER_BACKWARD | FAPPCOMMAND_MOUSE), "AppCommand self 1 32768 1", TRUE},
        {WM_THEMECHANGED, 0, 0, "ThemeChanged", 7},
        {WM_PARENTNOTIFY, WM_LBUTTONDOWN, MAKELPARAM(3, 4), "ParentNotify 513 262147", 0},
        {WM_TIMECHANGE, 0, 0, "TimeChange", 0},
        {WM_DROPFILES, 0x1234, 0, std::string("DropFiles ") + dropped, 0},
    };
    for (const Case& c : cases) {
        g_log.clear();
        LRESULT result = wnd.SendMessage(c.message, c.wParam, c.lParam);
        ASSERT_EQ(g_log.size(), 1u) << std::hex << c.message;
        EXPECT_EQ(g_log[0], c.log);
        EXPECT_EQ(result, c.result) << c.log;
    }
    EXPECT_EQ(sizing.right, 60);
    EXPECT_EQ(reinterpret_cast<HCURSOR>(wnd.SendMessage(WM_QUERYDRAGICON)), wnd.m_hDragIcon);
    wnd.DestroyWindow();
}

TEST(MessageMap, CommandsAndNotificationsRouteByRangeAndCode) {
    CMsgWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "msgmap", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    CWnd child;
    ASSERT_TRUE(child.Create("STATIC", "", WS_CHILD, CRect(0, 0, 10, 10), &wnd, 501));
    auto command = [&](UINT nID, UINT nCode, HWND hWndCtrl) {
        g_log.clear();
        return wnd.SendMessage(WM_COMMAND, MAKEWPARAM(nID, nCode), reinterpret_cast<LPARAM>(hWndCtrl));
    };
    EXPECT_EQ(command(401, 0, nullptr), 1);
    EXPECT_EQ(g_log, std::vector<std::string>{"RangeEx 401"});
    EXPECT_EQ(command(402, 0, nullptr), 0);  // the extended handler declined
    EXPECT_EQ(g_log, std::vector<std::string>{"RangeEx 402"});
    const std::pair<UINT, UINT> controls[] = {{501, BN_DBLCLK}, {502, LBN_SELCANCEL}, {503, CBN_SELENDOK},
                                              {504, EN_MAXTEXT}, {505, STN_DBLCLK}};
    const char* const names[] = {"BN_DBLCLK", "LBN_SELCANCEL", "CBN_SELENDOK", "EN_MAXTEXT", "STN_DBLCLK"};
    for (size_t i = 0; i < 5; ++i) {
        command(controls[i].first, controls[i].second, child.m_hWnd);
        EXPECT_EQ(g_log, std::vector<std::string>{names[i]});
    }
    command(505, STN_CLICKED, child.m_hWnd);  // no entry for this code
    EXPECT_TRUE(g_log.empty());

    NMHDR nm = {child.m_hWnd, 501, static_cast<UINT>(NM_CLICK)};
    g_log.clear();
    EXPECT_EQ(wnd.SendMessage(WM_NOTIFY, 501, reinterpret_cast<LPARAM>(&nm)), 33);
    EXPECT_EQ(g_log, std::vector<std::string>{"NotifyRange 501 -2"});
    nm.code = static_cast<UINT>(NM_DBLCLK);
    g_log.clear();
    EXPECT_EQ(wnd.SendMessage(WM_NOTIFY, 501, reinterpret_cast<LPARAM>(&nm)), 44);
    EXPECT_EQ(g_log, std::vector<std::string>{"NotifyEx 501"});
    wnd.DestroyWindow();
}

TEST(MessageMap, AListBoxAnswersItsOwnKeyboardMessages) {
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    CKeyListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | LBS_WANTKEYBOARDINPUT, CRect(0, 0, 50, 50), &parent, 7));
    EXPECT_EQ(parent.SendMessage(WM_CHARTOITEM, MAKEWPARAM('a', 2), reinterpret_cast<LPARAM>(list.m_hWnd)), 97 * 100 + 2);
    EXPECT_EQ(parent.SendMessage(WM_VKEYTOITEM, MAKEWPARAM(VK_DOWN, 3), reinterpret_cast<LPARAM>(list.m_hWnd)),
              -(VK_DOWN + 3));
    parent.DestroyWindow();
}
