// KXRes.dll holds every resource that the library loads from it, in the
// shapes the loading code relies on.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "kxres_ids.h"
#include "support/capture.h"
#include "support/host_window.h"
#include "support/png_artifact.h"

namespace {

struct ModuleLoad : ::testing::Test {
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&icc);
        s_data = LoadLibraryExA("KXRes.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
        s_full = LoadLibraryA("KXRes.dll");
    }
    static void TearDownTestSuite() {
        if (s_data) FreeLibrary(s_data);
        if (s_full) FreeLibrary(s_full);
        s_data = s_full = nullptr;
    }
    void SetUp() override {
        ASSERT_NE(s_data, nullptr) << "KXRes.dll does not load as a data file";
        ASSERT_NE(s_full, nullptr) << "KXRes.dll does not load as a module";
    }
    // The raw bytes of a resource, empty when it is missing.
    static std::vector<BYTE> Raw(HMODULE h, UINT id, LPCSTR type) {
        HRSRC r = FindResourceA(h, MAKEINTRESOURCEA(id), type);
        if (!r) return {};
        HGLOBAL g = LoadResource(h, r);
        const BYTE* p = g ? static_cast<const BYTE*>(LockResource(g)) : nullptr;
        return p ? std::vector<BYTE>(p, p + SizeofResource(h, r)) : std::vector<BYTE>();
    }
    static std::string String(HMODULE h, UINT id) {
        char buf[512] = {};
        const int n = LoadStringA(h, id, buf, sizeof buf);
        return std::string(buf, n > 0 ? static_cast<size_t>(n) : 0);
    }
    static HMODULE s_data, s_full;
};
HMODULE ModuleLoad::s_data = nullptr;
HMODULE ModuleLoad::s_full = nullptr;

TEST_F(ModuleLoad, ContextMenuHasThreePopupsWithTheirCommands) {
    HMENU menu = LoadMenuA(s_data, MAKEINTRESOURCEA(IDR_KX_CONTEXT_MENUS));
    ASSERT_NE(menu, nullptr);
    const std::vector<std::set<UINT>> expected = {
        {ID_KX_OUTBAR_SMALLICON, ID_KX_OUTBAR_LARGEICON},
        {ID_KX_EDIT_CLEAR, ID_KX_EDIT_COPY, ID_KX_EDIT_CUT, ID_KX_EDIT_PASTE, ID_KX_EDIT_SELECT_ALL, ID_KX_EDIT_UNDO},
        {ID_KX_HEADER_SORT_ASC, ID_KX_HEADER_SORT_DESC, ID_KX_HEADER_ALIGN_LEFT,
         ID_KX_HEADER_ALIGN_CENTER, ID_KX_HEADER_ALIGN_RIGHT},
    };
    ASSERT_EQ(GetMenuItemCount(menu), 3);
    for (int p = 0; p < 3; ++p) {
        HMENU popup = GetSubMenu(menu, p);
        ASSERT_NE(popup, nullptr) << "popup " << p;
        std::set<UINT> found;
        for (int i = 0; i < GetMenuItemCount(popup); ++i) {
            const UINT id = GetMenuItemID(popup, i);
            if (GetMenuState(popup, i, MF_BYPOSITION) & MF_SEPARATOR) continue;
            char text[128] = {};
            EXPECT_GT(GetMenuStringA(popup, i, text, sizeof text, MF_BYPOSITION), 0) << id;
            EXPECT_TRUE(found.insert(id).second) << "command " << id << " twice";
        }
        EXPECT_EQ(found, expected[static_cast<size_t>(p)]) << "popup " << p;
    }
    DestroyMenu(menu);
}

TEST_F(ModuleLoad, EveryStringExistsInTheShapeItsUserExpects) {
    std::vector<UINT> ids = {18043, 18044, 18045, 18046, 19007, 19009, 19011, 19012, 19013, 19014,
                             19015, 19088, ID_KX_PROPGRID_CATEGORIZED, ID_KX_PROPGRID_ALPHABETIC};
    for (UINT id = 19030; id <= 19083; ++id) ids.push_back(id);
    for (UINT id : ids) EXPECT_FALSE(String(s_data, id).empty()) << "string " << id;

    // Colour names are tooltips that tell the cells apart.
    std::set<std::string> names;
    for (UINT id = 19030; id <= 19076; ++id) names.insert(String(s_data, id));
    EXPECT_EQ(names.size(), 47u);

    // The file filter is in the framework's form: pairs separated by '|',
    // closed by "||".
    const std::string filter = String(s_data, IDS_KX_BROWSE_FILTER);
    ASSERT_GE(filter.size(), 2u);
    EXPECT_EQ(filter.substr(filter.size() - 2), "||");
    std::vector<std::string> parts(1);
    for (char c : filter.substr(0, filter.size() - 2)) {
        if (c == '|') parts.emplace_back();
        else parts.back() += c;
    }
    EXPECT_EQ(parts.size() % 2, 0u) << filter;  // description, pattern, ...
    for (const std::string& part : parts) EXPECT_FALSE(part.empty()) << filter;
    // The default extension goes without a dot and belongs to the filter.
    const std::string ext = String(s_data, IDS_KX_BROWSE_DEFEXT);
    EXPECT_EQ(ext.find('.'), std::string::npos);
    EXPECT_NE(filter.find("*." + ext), std::string::npos);

    // Toolbar commands carry a tooltip after the status prompt.
    for (UINT id : {ID_KX_PROPGRID_CATEGORIZED, ID_KX_PROPGRID_ALPHABETIC}) {
        const std::string s = String(s_data, id);
        EXPECT_LT(s.find('\n'), s.size() - 1) << id;
    }
}

namespace {
INT_PTR CALLBACK PageProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }
}  // namespace

TEST_F(ModuleLoad, ColourPagesAreChildTemplatesWithTheirControls) {
    kxtest::HostWindow host(600, 500);
    for (UINT id : {IDD_KX_COLOR_STANDARD, IDD_KX_COLOR_CUSTOM}) {
        const auto raw = Raw(s_data, id, RT_DIALOG);
        ASSERT_GE(raw.size(), sizeof(DLGTEMPLATE)) << id;
        DLGTEMPLATE t;
        memcpy(&t, raw.data(), sizeof t);
        EXPECT_EQ(t.style & (WS_CHILD | WS_POPUP | DS_CONTROL), DWORD(WS_CHILD | DS_CONTROL)) << id;
        HWND page = CreateDialogParamA(s_full, MAKEINTRESOURCEA(id), host.hwnd(), PageProc, 0);
        ASSERT_NE(page, nullptr) << id;
        char caption[64] = {};
        EXPECT_GT(GetWindowTextA(page, caption, sizeof caption), 0) << id << " needs a tab caption";
        if (id == IDD_KX_COLOR_STANDARD) {
            // Room for the honeycomb, which the page paints in pixels up to about (200, 200).
            RECT rc;
            GetClientRect(page, &rc);
            EXPECT_TRUE(rc.right >= 200 && rc.bottom >= 205) << rc.right << " x " << rc.bottom;
        } else {
            for (int cid = IDC_KX_COLOR_SPECTRUM; cid <= IDC_KX_COLOR_BLUE_SPIN; ++cid)
                EXPECT_NE(GetDlgItem(page, cid), nullptr) << "control " << cid;
            // Each spin box is bound to the edit before it.
            for (int i = 0; i < 6; ++i) {
                const LRESULT buddy = SendDlgItemMessageA(page, IDC_KX_COLOR_HUE_SPIN + i, UDM_GETBUDDY, 0, 0);
                EXPECT_EQ(reinterpret_cast<HWND>(buddy), GetDlgItem(page, IDC_KX_COLOR_HUE + i)) << "spin " << i;
            }
        }
        DestroyWindow(page);
    }
}

// Toolbars hold the commands the library expects; drawn through masked
// image lists, as the toolbars, menus, the caption and the browse button draw
// them, every image shows ink and its background disappears.
TEST_F(ModuleLoad, ToolbarsAndStripsDrawTransparentlyThroughImageLists) {
    struct Source { UINT id; int cx, cy, count; std::vector<WORD> commands; };
    const Source sources[] = {
        {IDR_KX_HEADER_TOOLBAR, 16, 15, 5, {ID_KX_HEADER_SORT_ASC, ID_KX_HEADER_SORT_DESC, ID_KX_HEADER_ALIGN_LEFT,
                                             ID_KX_HEADER_ALIGN_CENTER, ID_KX_HEADER_ALIGN_RIGHT}},
        {IDR_KX_EDIT_TOOLBAR, 16, 15, 6, {ID_KX_EDIT_UNDO, ID_KX_EDIT_CUT, ID_KX_EDIT_COPY, ID_KX_EDIT_PASTE,
                                           ID_KX_EDIT_CLEAR, ID_KX_EDIT_SELECT_ALL}},
        {IDR_KX_OUTLOOK_TOOLBAR, 16, 15, 2, {ID_KX_OUTBAR_SMALLICON, ID_KX_OUTBAR_LARGEICON}},
        {IDR_KX_PROPGRID_TOOLBAR, 16, 15, 2, {ID_KX_PROPGRID_CATEGORIZED, ID_KX_PROPGRID_ALPHABETIC}},
        {IDB_KX_CAPTION_STRIP, 16, 15, 3, {}}, {IDB_KX_BROWSE_STRIP, 11, 11, 5, {}},
    };
    const int kStep = 20;
    const COLORREF paper = RGB(255, 255, 224);
    std::vector<HIMAGELIST> lists;
    for (const Source& s : sources) {
        const bool toolbar = !s.commands.empty();
        if (toolbar) {
            // Version 1, 16 x 15 buttons, the count, then the commands.
            std::vector<WORD> expected = {1, 16, 15, WORD(s.count)};
            expected.insert(expected.end(), s.commands.begin(), s.commands.end());
            const auto raw = Raw(s_data, s.id, MAKEINTRESOURCEA(KX_RT_TOOLBAR));
            std::vector<WORD> words(raw.size() / 2);
            memcpy(words.data(), raw.data(), words.size() * 2);
            EXPECT_EQ(words, expected) << s.id;
        }
        // Toolbar bitmaps get their greys mapped to the system colours first.
        HBITMAP hbm = static_cast<HBITMAP>(LoadImageA(s_full, MAKEINTRESOURCEA(s.id), IMAGE_BITMAP, 0, 0,
                                                      toolbar ? LR_LOADMAP3DCOLORS : 0));
        ASSERT_NE(hbm, nullptr) << s.id;
        HIMAGELIST list = ImageList_Create(s.cx, s.cy, ILC_COLOR24 | ILC_MASK, s.count, 1);
        const COLORREF mask = toolbar ? GetSysColor(COLOR_3DFACE) : RGB(255, 0, 255);
        EXPECT_EQ(ImageList_AddMasked(list, hbm, mask), 0) << s.id;
        EXPECT_EQ(ImageList_GetImageCount(list), s.count) << s.id;
        DeleteObject(hbm);
        lists.push_back(list);
    }
    const kxtest::Capture shot = kxtest::Render(6 * kStep + 4, 6 * kStep + 4, [&](HDC dc) {
        for (size_t row = 0; row < lists.size(); ++row)
            for (int i = 0; i < sources[row].count; ++i)
                ImageList_Draw(lists[row], i, dc, 2 + i * kStep, 2 + static_cast<int>(row) * kStep, ILD_TRANSPARENT);
    }, paper);
    kxtest::WritePng(shot, "images");
    for (size_t row = 0; row < lists.size(); ++row) {
        const Source& s = sources[row];
        for (int i = 0; i < s.count; ++i) {
            const int x0 = 2 + i * kStep, y0 = 2 + static_cast<int>(row) * kStep;
            EXPECT_EQ(shot.At(x0, y0), paper) << s.id << " image " << i;
            EXPECT_EQ(shot.At(x0 + s.cx - 1, y0 + s.cy - 1), paper) << s.id << " image " << i;
            int ink = 0;
            for (int y = y0; y < y0 + s.cy; ++y)
                for (int x = x0; x < x0 + s.cx; ++x) ink += shot.At(x, y) != paper;
            EXPECT_GT(ink, 8) << s.id << " image " << i;
        }
        ImageList_Destroy(lists[row]);
    }
}

}  // namespace
