// FindData over a 64 MB memory file for a pattern near the end, against
// memmem over the same bytes.
#include "util/memfile.h"
#include "bench_harness.h"

#include <cstring>
#include <vector>

int main() {
    const size_t size = 64u << 20;
    std::vector<BYTE> bytes(size);
    // Text-like content with frequent partial matches of the pattern's
    // first bytes, so the scan has real candidates to reject.
    unsigned x = 12345;
    for (size_t i = 0; i < size; ++i) {
        x = x * 1103515245u + 12345u;
        bytes[i] = static_cast<BYTE>("KX flat controls library, memory file "[(x >> 16) % 38]);
    }
    static const char pattern[] = "KXFindMe:needle";
    const size_t len = sizeof pattern - 1;
    const size_t where = size - 4096;
    memcpy(bytes.data() + where, pattern, len);

    CKXMemFile file(1u << 20);
    file.Write(bytes.data(), static_cast<UINT>(size));
    if (file.FindData(pattern, static_cast<DWORD>(len), 0) != static_cast<LONG>(where)) {
        std::printf("FindData found the wrong place\n");
        return 1;
    }
    double find = kxbench::TimePerCall([&] {
        LONG at = file.FindData(pattern, static_cast<DWORD>(len), 0);
        kxbench::Keep(at);
    }, 0.5, 5);
    double base = kxbench::TimePerCall([&] {
        const void* at = memmem(bytes.data(), size, pattern, len);
        kxbench::Keep(at);
    }, 0.5, 5);
    kxbench::Report("CKXMemFile::FindData, 64 MB, match near end", find, base, "memmem");
    return 0;
}
