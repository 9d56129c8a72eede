#include "bars/menu_template.h"

namespace {

class CTemplateReader {
public:
    CTemplateReader(const unsigned char* p, size_t cb) : m_p(p), m_cb(cb) {}

    bool Word(UINT& w) {
        if (m_cb - m_pos < 2) return false;
        w = static_cast<UINT>(m_p[m_pos] | (m_p[m_pos + 1] << 8));
        m_pos += 2;
        return true;
    }
    bool Text(std::wstring& str) {
        str.clear();
        for (UINT ch;;) {
            if (!Word(ch)) return false;
            if (ch == 0) return true;
            str.push_back(static_cast<wchar_t>(ch));
        }
    }
    bool Skip(size_t cb) {
        if (m_cb - m_pos < cb) return false;
        m_pos += cb;
        return true;
    }

private:
    const unsigned char* m_p;
    size_t m_cb;
    size_t m_pos = 0;
};

}  // namespace

bool KXParseMenuTemplate(const void* pData, size_t cbData, std::vector<KX_MENU_TEMPLATE_ITEM>& items) {
    items.clear();
    if (pData == nullptr) return false;
    CTemplateReader rd(static_cast<const unsigned char*>(pData), cbData);
    UINT nVersion = 0, cbHeader = 0;
    if (!rd.Word(nVersion) || !rd.Word(cbHeader) || nVersion != 0 || !rd.Skip(cbHeader)) return false;

    // For each open level, whether the popup that opened it was the last
    // item of its own level (so that level ends with this one).
    std::vector<bool> popupWasLast;
    std::vector<KX_MENU_TEMPLATE_ITEM> out;
    for (;;) {
        KX_MENU_TEMPLATE_ITEM item;
        UINT nFlags = 0;
        if (!rd.Word(nFlags)) return false;
        const bool bPopup = (nFlags & KX_MENU_TEMPLATE_POPUP) != 0;
        const bool bLast = (nFlags & KX_MENU_TEMPLATE_END) != 0;
        if (!bPopup && !rd.Word(item.nID)) return false;
        if (!rd.Text(item.strText)) return false;
        item.nFlags = nFlags & ~KX_MENU_TEMPLATE_END;
        item.nDepth = static_cast<int>(popupWasLast.size());
        if (bPopup) {
            if (item.nDepth + 1 >= KX_MENU_TEMPLATE_MAX_DEPTH) return false;
            popupWasLast.push_back(bLast);
        } else if (bLast) {
            // This level ends, and with it every enclosing level whose
            // popup was the last item there.
            item.nLevelsClosed = 1;
            while (!popupWasLast.empty()) {
                const bool bParentEnds = popupWasLast.back();
                popupWasLast.pop_back();
                if (!bParentEnds) break;
                ++item.nLevelsClosed;
            }
            if (item.nLevelsClosed > item.nDepth) {
                out.push_back(std::move(item));
                items.swap(out);
                return true;
            }
        }
        out.push_back(std::move(item));
    }
}
