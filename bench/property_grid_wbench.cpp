// The property grid at scale.  A full repaint of the view with 10,000 items
// against one with 10, both views as high as 11 rows (only the rows on the
// screen are drawn, so the two should match), the repaint against one BitBlt of the same area, and expanding
// 200 categories of 50 items each against a plain list box filled with the
// same 10,000 strings; sorting and collapsing them are reported too.
#include "offscreen_pair.h"

#include "propgrid/property_grid.h"

#include <cstdio>
#include <vector>

namespace {

// A grid of nCategories categories of nItems items each.
class CBenchGrid {
public:
    CBenchGrid(CWnd* pParent, int nCategories, int nItems) {
        m_bOK = m_grid.Create(CRect(0, 0, 400, 600), pParent, 100) != FALSE;
        CString strName;
        for (int c = 0; c < nCategories && m_bOK; ++c) {
            strName.Format("Category %03d", c);
            CKXPropertyGridItem* pCategory = m_grid.AddCategory(strName);
            m_categories.push_back(pCategory);
            for (int i = 0; i < nItems; ++i) {
                strName.Format("Item %05d", (i * 7919 + c) % 10000);
                pCategory->AddChildItem(new CKXPropertyGridItem(strName, "value"));
            }
        }
    }
    bool IsOK() const { return m_bOK; }
    void ExpandAll() {
        for (CKXPropertyGridItem* p : m_categories) p->Expand();
    }
    void CollapseAll() {
        for (CKXPropertyGridItem* p : m_categories) p->Collapse();
    }
    CKXPropertyGrid& Grid() { return m_grid; }
    // A view exactly nRows rows high (the help pane below it).
    void ShowRows(int nRows) {
        const int cyView = m_grid.GetGridView().GetItemHeight(0) * nRows + 2;  // and the edge
        m_grid.MoveWindow(0, 0, 400, cyView + m_grid.m_nHelpHeight + 3);
    }

private:
    CKXPropertyGrid m_grid;
    std::vector<CKXPropertyGridItem*> m_categories;
    bool m_bOK = false;
};

void PrintInto(CWnd& wnd, CDC& target) {
    wnd.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target.GetSafeHdc()), PRF_CLIENT);
}

}  // namespace

int main() {
    CWnd host;
    if (!host.CreateEx(0, AfxRegisterWndClass(0), "bench", WS_POPUP, 0, 0, 800, 700, nullptr, nullptr)) {
        std::fprintf(stderr, "cannot create the host window\n");
        return 1;
    }
    CBenchGrid big(&host, 200, 50), small(&host, 1, 10);
    if (!big.IsOK() || !small.IsOK()) {
        std::fprintf(stderr, "cannot create the grids\n");
        return 1;
    }
    big.ExpandAll();
    small.ExpandAll();
    big.ShowRows(11);  // the small grid's rows, all of them
    small.ShowRows(11);
    CKXPropertyGridView& bigView = big.Grid().GetGridView();
    CKXPropertyGridView& smallView = small.Grid().GetGridView();
    bigView.SetTopIndex(5000);
    bigView.GetItem(5005)->Select();
    smallView.GetItem(5)->Select();

    CRect rc;
    bigView.GetClientRect(&rc);
    kxbench::OffscreenPair pair(rc.Width(), rc.Height());
    if (!pair.IsValid()) {
        std::fprintf(stderr, "cannot create the contexts\n");
        return 1;
    }
    const double blit = pair.TimeBlit();
    const double paintBig = kxbench::TimePerCall([&] { PrintInto(bigView, pair.target); });
    const double paintSmall = kxbench::TimePerCall([&] { PrintInto(smallView, pair.target); });

    // Expanding all 200 categories against filling a list box with the
    // same strings (each round starts collapsed, or empty).
    std::vector<CString> strings;
    for (int i = 0; i < bigView.GetCount(); ++i) strings.push_back(bigView.GetItem(i)->GetCaption());
    CListBox plain;
    if (!plain.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, CRect(420, 0, 800, 600), &host, 200)) {
        std::fprintf(stderr, "cannot create the list box\n");
        return 1;
    }
    const double fill = kxbench::TimePerCall(
        [&] {
            plain.ResetContent();
            for (const CString& s : strings) plain.AddString(s);
        },
        1.0, 3);
    big.CollapseAll();
    const double expand = kxbench::TimePerCall(
        [&] {
            big.CollapseAll();
            big.ExpandAll();
        },
        1.0, 3);
    const double collapse = kxbench::TimePerCall(
        [&] {
            big.ExpandAll();
            big.CollapseAll();
        },
        1.0, 3);
    big.ExpandAll();
    const double sort = kxbench::TimePerCall(
        [&] {
            bigView.SetPropertySort(KX_SORT_ALPHABETICAL, TRUE);
            bigView.SetPropertySort(KX_SORT_CATEGORIZED, TRUE);
        },
        1.0, 3);

    char name[96];
    std::snprintf(name, sizeof name, "grid view repaint %dx%d, 10,200 rows", rc.Width(), rc.Height());
    kxbench::Report(name, paintBig, blit, "one BitBlt");
    const double ratio = kxbench::Report("grid view repaint, 10,200 rows", paintBig, paintSmall, "11 rows");
    kxbench::Report("collapse all + expand all, 10,200 rows", expand, fill, "list box of 10,200 strings");
    kxbench::Report("expand all + collapse all, 10,200 rows", collapse, fill, "list box of 10,200 strings");
    kxbench::Report("sort alphabetical + categorized", sort, fill, "list box of 10,200 strings");
    host.DestroyWindow();
    // Rows off the screen cost nothing: the same within noise.
    return ratio <= 1.5 ? 0 : 1;
}
