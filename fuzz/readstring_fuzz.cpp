// Splits arbitrary bytes into lines with the memory file's ReadString and
// checks the split against the rules (a line ends at CR, CR LF or NUL; lines
// hold no CR or NUL; every byte is accounted for), then checks FindData
// against a plain search for a pattern taken from the input.
#include "util/memfile.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void Check(bool condition) {
    if (!condition) abort();
}

LONG NaiveFind(const uint8_t* data, size_t size, const uint8_t* pat, size_t len, size_t start) {
    for (size_t i = start; i + len <= size; ++i)
        if (memcmp(data + i, pat, len) == 0) return static_cast<LONG>(i);
    return -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 1 << 16) return 0;
    CKXMemFile file;
    file.Write(data, static_cast<UINT>(size));
    file.SeekToBegin();

    size_t at = 0;
    CString line;
    while (at < size) {
        BOOL notEmpty = file.ReadString(line);
        const size_t len = static_cast<size_t>(line.GetLength());
        Check(notEmpty == (len > 0));
        Check(memcmp(line.GetString(), data + at, len) == 0);
        size_t next = at + len;
        for (size_t i = at; i < next; ++i) Check(data[i] != '\r' && data[i] != '\0');
        if (next < size) {
            Check(data[next] == '\r' || data[next] == '\0');
            if (data[next] == '\r' && next + 1 < size && data[next + 1] == '\n') ++next;
            ++next;
        }
        Check(file.GetPosition() == next);
        Check(next > at);
        at = next;
    }
    Check(!file.ReadString(line) && line.IsEmpty());

    if (size >= 2) {
        const size_t start = data[0] % size;
        const size_t len = 1 + data[1] % 8;
        const size_t from = (data[0] * 7u + data[1]) % size;
        const size_t plen = from + len <= size ? len : size - from;
        Check(file.FindData(data + from, static_cast<DWORD>(plen), static_cast<LONG>(start)) ==
              NaiveFind(data, size, data + from, plen, start));
    }
    return 0;
}
