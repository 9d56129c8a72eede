// Reads arbitrary bytes as a file dialog's selection buffer (both layouts,
// with and without multiple selection) and as a filter string: reading
// stays inside the buffer, ends, and every path holds no NUL.
#include "base/file_dialog_names.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {
void Check(bool condition) {
    if (!condition) abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* buf = reinterpret_cast<const char*>(data);
    for (int mode = 0; mode < 4; ++mode) {
        const afx_filedlg::SelectionReader reader(buf, size, (mode & 1) != 0, (mode & 2) != 0);
        size_t count = 0;
        for (size_t pos = reader.Start(); pos != 0; ++count) {
            Check(count <= size);
            const std::string path = reader.Next(pos);
            Check(path.find('\0') == std::string::npos);
            (void)afx_filedlg::PathFileTitle(path);
            Check(afx_filedlg::PathFileName(path).size() <= path.size());
            Check(afx_filedlg::PathFolder(path).size() <= path.size());
        }
    }
    const std::string text(buf, size);
    const std::string filter = afx_filedlg::ConvertFilter(text.c_str());
    Check(filter.empty() || (filter.size() >= 2 && filter[filter.size() - 1] == '\0' && filter[filter.size() - 2] == '\0'));
    Check(filter.find('|') == std::string::npos);
    return 0;
}
