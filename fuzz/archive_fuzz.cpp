// Loads arbitrary bytes through CArchive: the bytes themselves choose what to
// read next (scalars, strings, counted runs, nested objects), so the fuzzer
// reaches every length prefix, count and tag path, and the collections'
// loading.
#include "base/carchive.h"
#include "base/collections.h"
#include "base/cmemfile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace fuzz_archive {

std::vector<CObject*> g_live;  // every node alive; nodes only refer to each other
int g_depth = 0;

class CFuzzNode : public CObject {
    DECLARE_SERIAL(CFuzzNode)
public:
    CFuzzNode() { g_live.push_back(this); }
    ~CFuzzNode() override { g_live.erase(std::find(g_live.begin(), g_live.end(), this)); }

    CString m_name;
    std::vector<CObject*> m_children;

    void Serialize(CArchive& ar) override {
        if (ar.IsStoring()) return;
        struct Depth {
            Depth() { ++g_depth; }
            ~Depth() { --g_depth; }
        } depth;
        if (g_depth > 64) AfxThrowArchiveException(CArchiveException::badIndex);
        ar >> m_name;
        DWORD_PTR n = ar.ReadCount();
        for (DWORD_PTR i = 0; i < n; ++i) m_children.push_back(ar.ReadObject(RUNTIME_CLASS(CFuzzNode)));
    }
};
IMPLEMENT_SERIAL(CFuzzNode, CObject, 1)

}  // namespace fuzz_archive

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace fuzz_archive;
    std::vector<BYTE> bytes(data, data + size);
    CMemFile file(bytes.empty() ? nullptr : bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load, 128);
    g_depth = 0;
    try {
        for (int step = 0; step < 256; ++step) {
            BYTE op;
            ar >> op;
            switch (op % 10) {
                case 0: { CString s; ar >> s; break; }
                case 1: { LONG l; ar >> l; break; }
                case 2: { double d; ar >> d; break; }
                case 3: {
                    DWORD_PTR n = ar.ReadCount();
                    for (DWORD_PTR i = 0; i < n; ++i) { CString s; ar >> s; }
                    break;
                }
                case 4: ar.ReadObject(nullptr); break;
                case 5: { CString s; ar.ReadString(s); break; }
                case 6: { char buf[64]; ar.Read(buf, op % 64); break; }
                case 7: { CStringArray a; a.Serialize(ar); break; }
                case 8: { CMapStringToString m; m.Serialize(ar); break; }
                default: { WORD w; bool b; ar >> w >> b; break; }
            }
        }
    } catch (CException* e) {
        e->Delete();
    }
    ar.Abort();
    while (!g_live.empty()) delete g_live.back();
    return 0;
}
