// Decodes arbitrary INI text as binary profile values into buffers of
// several sizes: a success must re-encode to the same text, a failure must
// leave the buffer untouched, and nothing may be written past the buffer.
#include "util/profile_encoding.h"

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
    for (UINT cap : {0u, 4u, 8u, 16u, static_cast<UINT>(size / 2), static_cast<UINT>(size)}) {
        // An exact-size heap block, so the sanitizer sees any overrun.
        std::vector<BYTE> buf(cap);
        std::vector<BYTE> before(cap, 0xA5);
        if (cap) memset(buf.data(), 0xA5, cap);
        UINT n = 12345;
        BOOL ok = GfxDecodeProfileBytes(size ? text : nullptr, size, cap ? buf.data() : nullptr, cap, &n);
        if (ok) {
            Check(size % 2 == 0 && n == size / 2 && n <= cap);
            CString again = GfxEncodeProfileBytes(buf.data(), n);
            Check(static_cast<size_t>(again.GetLength()) == size);
            Check(size == 0 || memcmp(again.GetString(), text, size) == 0);
        } else {
            Check(n == 0);
            Check(buf == before);
        }
    }
    return 0;
}
