// CArchive store + load of a large mixed record, against a plain memcpy of the
// same bytes (the floor for any serialisation of that record).
#include "base/carchive.h"
#include "base/cmemfile.h"
#include "bench_harness.h"

#include <cstring>
#include <vector>

namespace {

struct Record {
    std::vector<int> ints;
    std::vector<double> doubles;
    std::vector<CString> strings;
};

Record MakeRecord() {
    Record r;
    for (int i = 0; i < 20000; ++i) {
        r.ints.push_back(i * 7919);
        r.doubles.push_back(i / 3.0);
        CString s;
        s.Format("item %d with some text", i);
        if (i % 97 == 0) s += CString('x', 400);  // a few long strings
        r.strings.push_back(s);
    }
    return r;
}

void StoreLoad(const Record& r, CMemFile& file) {
    file.SetLength(0);
    {
        CArchive ar(&file, CArchive::store);
        ar.WriteCount(r.ints.size());
        for (size_t i = 0; i < r.ints.size(); ++i) ar << r.ints[i] << r.doubles[i] << r.strings[i];
    }
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    DWORD_PTR n = ar.ReadCount();
    int v;
    double d;
    CString s;
    for (DWORD_PTR i = 0; i < n; ++i) ar >> v >> d >> s;
    kxbench::Keep(v);
}

}  // namespace

int main() {
    Record r = MakeRecord();
    CMemFile file(1 << 20);
    StoreLoad(r, file);
    size_t bytes = static_cast<size_t>(file.GetLength());
    std::vector<BYTE> src(bytes, 1), mid(bytes), dst(bytes);
    std::printf("record: %zu bytes\n", bytes);

    double archive = kxbench::TimePerCall([&] { StoreLoad(r, file); });
    double copy = kxbench::TimePerCall([&] {
        std::memcpy(mid.data(), src.data(), bytes);  // store
        std::memcpy(dst.data(), mid.data(), bytes);  // load
        kxbench::Keep(dst[bytes / 2]);
    });
    kxbench::Report("CArchive store+load of a mixed record", archive, copy, "memcpy store+load");
    return 0;
}
