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

struct ModuleFixture : ::testing::Test {
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
HMODULE ModuleFixture::s_data = nullptr;
HMODULE ModuleFixture::s_full = nullptr;

// A 4-bit bitmap resource read as a grid of RGB values.
struct Dib {
    int width = 0, height = 0;
    std::vector<COLORREF> px;  // row-major, top row first
    COLORREF At(int x, int y) const { return px[static_cast<size_t>(y * width + x)]; }
};

Dib ReadDib(const std::vector<BYTE>& raw) {
    Dib d;
    if (raw.size() < sizeof(BITMAPINFOHEADER)) return d;
    BITMAPINFOHEADER bih;
    memcpy(&bih, raw.data(), sizeof bih);
    if (bih.biBitCount != 4 || bih.biCompression != BI_RGB || bih.biHeight <= 0) return d;
    const UINT colours = bih.biClrUsed ? bih.biClrUsed : 16;
    const BYTE* pal = raw.data() + bih.biSize;
    const size_t stride = ((static_cast<size_t>(bih.biWidth) + 1) / 2 + 3) / 4 * 4;
    const size_t bits = bih.biSize + colours * 4;
    if (raw.size() < bits + stride * static_cast<size_t>(bih.biHeight)) return d;
    d.width = bih.biWidth;
    d.height = bih.biHeight;
    for (int y = 0; y < d.height; ++y) {
        const BYTE* row = raw.data() + bits + stride * static_cast<size_t>(d.height - 1 - y);
        for (int x = 0; x < d.width; ++x) {
            const int i = x % 2 ? row[x / 2] & 0x0F : row[x / 2] >> 4;
            d.px.push_back(RGB(pal[i * 4 + 2], pal[i * 4 + 1], pal[i * 4]));
        }
    }
    return d;
}

// Every cell of a strip has the background in its corners and some ink.
void ExpectCells(const Dib& d, int cell, int count, COLORREF back, const char* what) {
    ASSERT_EQ(d.width, cell * count) << what;
    for (int c = 0; c < count; ++c) {
        const int x0 = c * cell;
        EXPECT_EQ(d.At(x0, 0), back) << what << " cell " << c;
        EXPECT_EQ(d.At(x0 + cell - 1, d.height - 1), back) << what << " cell " << c;
        int ink = 0;
        for (int y = 0; y < d.height; ++y)
            for (int x = x0; x < x0 + cell; ++x) ink += d.At(x, y) != back;
        EXPECT_GT(ink, 8) << what << " cell " << c << " is blank";
    }
}

using ModuleLoad = ModuleFixture;

TEST_F(ModuleLoad, ContextMenuHasThreePopupsWithTheirCommands) {
    HMENU menu = LoadMenuA(s_data, MAKEINTRESOURCEA(IDR_KX_CONTEXT_MENUS));
    ASSERT_NE(menu, nullptr);
    const std::vector<std::set<UINT>> expected = {
        {ID_KX_OUTBAR_SMALLICON, ID_KX_OUTBAR_LARGEICON},
        {ID_KX_EDIT_CLEAR, ID_KX_EDIT_COPY, ID_KX_EDIT_CUT, ID_KX_EDIT_PASTE, ID_KX_EDIT_SELECT_ALL,
         ID_KX_EDIT_UNDO},
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

TEST_F(ModuleLoad, ToolbarsMatchTheirBitmaps) {
    struct Bar {
        UINT id;
        std::vector<WORD> commands;
    };
    const std::vector<Bar> bars = {
        {IDR_KX_HEADER_TOOLBAR,
         {ID_KX_HEADER_SORT_ASC, ID_KX_HEADER_SORT_DESC, ID_KX_HEADER_ALIGN_LEFT,
          ID_KX_HEADER_ALIGN_CENTER, ID_KX_HEADER_ALIGN_RIGHT}},
        {IDR_KX_EDIT_TOOLBAR,
         {ID_KX_EDIT_UNDO, ID_KX_EDIT_CUT, ID_KX_EDIT_COPY, ID_KX_EDIT_PASTE, ID_KX_EDIT_CLEAR,
          ID_KX_EDIT_SELECT_ALL}},
        {IDR_KX_OUTLOOK_TOOLBAR, {ID_KX_OUTBAR_SMALLICON, ID_KX_OUTBAR_LARGEICON}},
        {IDR_KX_PROPGRID_TOOLBAR, {ID_KX_PROPGRID_CATEGORIZED, ID_KX_PROPGRID_ALPHABETIC}},
    };
    for (const Bar& bar : bars) {
        const auto raw = Raw(s_data, bar.id, MAKEINTRESOURCEA(KX_RT_TOOLBAR));
        ASSERT_EQ(raw.size(), 8 + 2 * bar.commands.size()) << bar.id;
        std::vector<WORD> words(raw.size() / 2);
        memcpy(words.data(), raw.data(), raw.size());
        EXPECT_EQ(words[0], 1) << bar.id;
        EXPECT_EQ(words[1], 16) << bar.id;
        EXPECT_EQ(words[2], 15) << bar.id;
        EXPECT_EQ(words[3], bar.commands.size()) << bar.id;
        EXPECT_EQ(std::vector<WORD>(words.begin() + 4, words.end()), bar.commands) << bar.id;

        // The bitmap of the same identifier: one 16x15 image per button, on
        // the grey that the toolbar maps to the button face.
        const Dib dib = ReadDib(Raw(s_data, bar.id, RT_BITMAP));
        EXPECT_EQ(dib.height, 15) << bar.id;
        ExpectCells(dib, 16, static_cast<int>(bar.commands.size()), RGB(192, 192, 192),
                    std::to_string(bar.id).c_str());
        HBITMAP hbm = LoadBitmapA(s_full, MAKEINTRESOURCEA(bar.id));
        ASSERT_NE(hbm, nullptr) << bar.id;
        BITMAP bm = {};
        GetObjectA(hbm, sizeof bm, &bm);
        EXPECT_EQ(bm.bmWidth, 16 * static_cast<LONG>(bar.commands.size())) << bar.id;
        DeleteObject(hbm);
    }
}

TEST_F(ModuleLoad, ImageStripsLoadIntoImageListsOnMagenta) {
    const COLORREF magenta = RGB(255, 0, 255);
    const Dib caption = ReadDib(Raw(s_data, IDB_KX_CAPTION_STRIP, RT_BITMAP));
    EXPECT_EQ(caption.height, 15);
    ExpectCells(caption, 16, 3, magenta, "caption strip");
    const Dib browse = ReadDib(Raw(s_data, IDB_KX_BROWSE_STRIP, RT_BITMAP));
    EXPECT_EQ(browse.height, 11);
    ExpectCells(browse, 11, 5, magenta, "browse strip");

    // Loaded the way the caption and the browse button load them.
    struct { UINT id; int cx, count; } strips[] = {{IDB_KX_CAPTION_STRIP, 16, 3}, {IDB_KX_BROWSE_STRIP, 11, 5}};
    for (const auto& s : strips) {
        HIMAGELIST list = ImageList_LoadImageA(s_full, MAKEINTRESOURCEA(s.id), s.cx, 1, magenta,
                                               IMAGE_BITMAP, LR_CREATEDIBSECTION);
        ASSERT_NE(list, nullptr) << s.id;
        EXPECT_EQ(ImageList_GetImageCount(list), s.count) << s.id;
        HICON icon = ImageList_GetIcon(list, s.count - 1, ILD_NORMAL);
        EXPECT_NE(icon, nullptr) << s.id;
        if (icon) DestroyIcon(icon);
        ImageList_Destroy(list);
    }
}

TEST_F(ModuleLoad, EveryStringExists) {
    std::vector<UINT> ids = {18043, 18044, 18045, 18046, 19007, 19009, 19011, 19012, 19013, 19014,
                             19015, 19088, ID_KX_PROPGRID_CATEGORIZED, ID_KX_PROPGRID_ALPHABETIC};
    for (UINT id = 19030; id <= 19083; ++id) ids.push_back(id);
    for (UINT id : ids) EXPECT_FALSE(String(s_data, id).empty()) << "string " << id;
}

TEST_F(ModuleLoad, StringsHaveTheShapesTheirUsersExpect) {
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
        const auto nl = s.find('\n');
        ASSERT_NE(nl, std::string::npos) << id;
        EXPECT_LT(nl + 1, s.size()) << id;
    }
}

TEST_F(ModuleLoad, ColourPagesAreChildTemplatesWithTheirControls) {
    for (UINT id : {IDD_KX_COLOR_STANDARD, IDD_KX_COLOR_CUSTOM}) {
        const auto raw = Raw(s_data, id, RT_DIALOG);
        ASSERT_GE(raw.size(), sizeof(DLGTEMPLATE)) << id;
        DLGTEMPLATE t;
        memcpy(&t, raw.data(), sizeof t);
        EXPECT_TRUE(t.style & WS_CHILD) << id;
        EXPECT_FALSE(t.style & WS_POPUP) << id;
        EXPECT_TRUE(t.style & DS_CONTROL) << id;
    }

    kxtest::HostWindow host(600, 500);
    ASSERT_NE(host.hwnd(), nullptr);
    auto proc = [](HWND, UINT msg, WPARAM, LPARAM) -> INT_PTR { return msg == WM_INITDIALOG; };

    HWND standard = CreateDialogParamA(s_full, MAKEINTRESOURCEA(IDD_KX_COLOR_STANDARD), host.hwnd(), proc, 0);
    ASSERT_NE(standard, nullptr);
    char caption[64] = {};
    GetWindowTextA(standard, caption, sizeof caption);
    EXPECT_GT(strlen(caption), 0u) << "the page needs a tab caption";
    // Room for the honeycomb, which the page paints in pixels up to about (200, 200).
    RECT rc;
    GetClientRect(standard, &rc);
    EXPECT_GE(rc.right, 200);
    EXPECT_GE(rc.bottom, 205);
    DestroyWindow(standard);

    HWND custom = CreateDialogParamA(s_full, MAKEINTRESOURCEA(IDD_KX_COLOR_CUSTOM), host.hwnd(), proc, 0);
    ASSERT_NE(custom, nullptr);
    GetWindowTextA(custom, caption, sizeof caption);
    EXPECT_GT(strlen(caption), 0u);
    for (int cid = IDC_KX_COLOR_SPECTRUM; cid <= IDC_KX_COLOR_BLUE_SPIN; ++cid)
        EXPECT_NE(GetDlgItem(custom, cid), nullptr) << "control " << cid;
    // Each spin box is bound to the edit before it.
    for (int i = 0; i < 6; ++i) {
        HWND spin = GetDlgItem(custom, IDC_KX_COLOR_HUE_SPIN + i);
        EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(spin, UDM_GETBUDDY, 0, 0)),
                  GetDlgItem(custom, IDC_KX_COLOR_HUE + i)) << "spin " << i;
    }
    ShowWindow(custom, SW_SHOW);
    kxtest::WritePng(kxtest::GrabClient(host.hwnd()), "custom_page");
    DestroyWindow(custom);
}

// Drawn through masked image lists, as the menus, the caption and the browse
// button draw them, the background of every image disappears.
TEST_F(ModuleLoad, ImagesDrawTransparentlyThroughImageLists) {
    struct Source { UINT id; int cx, cy, count; bool toolbar; };
    const Source sources[] = {
        {IDR_KX_HEADER_TOOLBAR, 16, 15, 5, true}, {IDR_KX_EDIT_TOOLBAR, 16, 15, 6, true},
        {IDR_KX_OUTLOOK_TOOLBAR, 16, 15, 2, true}, {IDR_KX_PROPGRID_TOOLBAR, 16, 15, 2, true},
        {IDB_KX_CAPTION_STRIP, 16, 15, 3, false}, {IDB_KX_BROWSE_STRIP, 11, 11, 5, false},
    };
    const int kStep = 20;
    const COLORREF paper = RGB(255, 255, 224);
    std::vector<HIMAGELIST> lists;
    for (const Source& s : sources) {
        // Toolbar bitmaps get their greys mapped to the system colours first.
        HBITMAP hbm = static_cast<HBITMAP>(LoadImageA(s_full, MAKEINTRESOURCEA(s.id), IMAGE_BITMAP, 0, 0,
                                                      s.toolbar ? LR_LOADMAP3DCOLORS : 0));
        ASSERT_NE(hbm, nullptr) << s.id;
        HIMAGELIST list = ImageList_Create(s.cx, s.cy, ILC_COLOR24 | ILC_MASK, s.count, 1);
        const COLORREF mask = s.toolbar ? GetSysColor(COLOR_3DFACE) : RGB(255, 0, 255);
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
