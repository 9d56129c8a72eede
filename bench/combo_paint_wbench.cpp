// Painting a flat combo box through its off-screen context (background,
// the platform's combo box, the flat frame and button, one copy out)
// against one BitBlt of the same area, and against the platform's combo box
// painting straight into the target.
#include "offscreen_pair.h"

#include "core/aux_data.h"
#include "edit/flat_combo_box.h"

#include <cstdio>

namespace {

class CBenchCombo : public CKXFlatComboBox {
public:
    using CKXFlatComboBox::Paint;
};

}  // namespace

int main() {
    CWnd host;
    if (!host.CreateEx(0, AfxRegisterWndClass(0), "bench", WS_POPUP, 0, 0, 640, 300, nullptr, nullptr)) {
        std::fprintf(stderr, "cannot create the host window\n");
        return 1;
    }
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST;
    CBenchCombo combo;
    CComboBox plain;
    if (!combo.Create(dwStyle, CRect(10, 10, 310, 200), &host, 100) ||
        !plain.Create(dwStyle, CRect(10, 50, 310, 240), &host, 101)) {
        std::fprintf(stderr, "cannot create the combo boxes\n");
        return 1;
    }
    plain.SetFont(&CKXAuxData::Get().fontRegular);
    for (CComboBox* p : {static_cast<CComboBox*>(&combo), &plain}) {
        for (const char* psz : {"The quick brown fox", "jumps over", "the lazy dog"}) p->AddString(psz);
        p->SetCurSel(0);
    }
    CRect rcClient;
    combo.GetClientRect(&rcClient);
    kxbench::OffscreenPair pair(rcClient.Width(), rcClient.Height());
    if (!pair.IsValid()) {
        std::fprintf(stderr, "cannot create the contexts\n");
        return 1;
    }
    CDC& target = pair.target;
    const double blit = pair.TimeBlit();
    const double direct = kxbench::TimePerCall(
        [&] { plain.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target.GetSafeHdc()), PRF_CLIENT); });
    const double buffered = kxbench::TimePerCall([&] { combo.Paint(&target); });
    const double frame = kxbench::TimePerCall([&] { combo.DrawCombo(&target, CKXFlatComboBox::STATE_RAISED); });

    char name[80];
    std::snprintf(name, sizeof name, "flat combo paint %dx%d via CKXMemDC", rcClient.Width(), rcClient.Height());
    kxbench::Report(name, buffered, blit, "one BitBlt");
    kxbench::Report("flat combo paint via CKXMemDC", buffered, direct, "platform combo, direct");
    kxbench::Report("flat frame and button alone", frame, blit, "one BitBlt");

    host.DestroyWindow();
    return 0;
}
