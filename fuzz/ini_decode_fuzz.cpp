// Decodes arbitrary INI text as binary profile values into buffers of
// several sizes: a success must hold exactly the pairs' arithmetic and
// re-encode to the text when that text is canonical; a failure must leave
// the buffer untouched, and nothing may be written past the buffer.
#include "base/profile_binary.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

void Check(bool condition) {
    if (!condition) abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    bool canonical = true;
    for (size_t i = 0; i < size - size % 2; ++i)
        canonical = canonical && text[i] >= 'A' && text[i] <= 'P';
    for (UINT cap : {0u, 4u, 8u, 16u, static_cast<UINT>(size / 2), static_cast<UINT>(size)}) {
        // An exact-size heap block, so the sanitizer sees any overrun.
        std::vector<BYTE> buf(cap);
        std::vector<BYTE> before(cap, 0xA5);
        if (cap) memset(buf.data(), 0xA5, cap);
        UINT n = 12345;
        BOOL ok = AfxDecodeProfileBinary(size ? text : nullptr, size, cap ? buf.data() : nullptr, cap, &n);
        Check(ok == (size / 2 <= cap));
        if (ok) {
            Check(n == size / 2);
            for (UINT i = 0; i < n; ++i)
                Check(buf[i] == static_cast<BYTE>((data[2 * i] - 'A') + 16 * (data[2 * i + 1] - 'A')));
            if (canonical) {
                CString again = AfxEncodeProfileBinary(buf.data(), n);
                Check(static_cast<size_t>(again.GetLength()) == 2 * n);
                Check(n == 0 || memcmp(again.GetString(), text, 2 * n) == 0);
            }
        } else {
            Check(n == 0);
            Check(buf == before);
        }
    }
    return 0;
}
