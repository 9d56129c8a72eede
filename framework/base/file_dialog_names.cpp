#include "base/file_dialog_names.h"

namespace afx_filedlg {

std::string ConvertFilter(const char* filter) {
    std::string out;
    if (filter == nullptr || *filter == '\0') return out;
    for (const char* p = filter; *p; ++p) out += (*p == '|') ? '\0' : *p;
    // Pairs end with one NUL each and the list with one more.
    while (!out.empty() && out.back() == '\0') out.pop_back();
    out.append(2, '\0');
    return out;
}

size_t SelectionReader::Span(size_t from, char delimiter) const {
    size_t n = from;
    while (n < m_size && m_buf[n] != '\0' && m_buf[n] != delimiter) ++n;
    return n - from;
}

std::string SelectionReader::Next(size_t& pos) const {
    if (pos == 0 || pos > m_size) {
        pos = 0;
        return {};
    }
    const char delimiter = m_explorer ? '\0' : ' ';
    size_t at = pos - 1;  // positions are offsets plus one
    const size_t firstLen = Span(0, delimiter);
    if (at == 0) {
        // One name alone: the first entry is the whole path.
        const size_t after = firstLen + 1;
        if (!m_multi || after >= m_size || (m_buf[firstLen] == '\0' && (!m_explorer || m_buf[after] == '\0'))) {
            pos = 0;
            return std::string(m_buf, m_explorer || !m_multi ? Span(0, '\0') : firstLen);
        }
        at = after;
    }
    std::string folder(m_buf, firstLen);
    const size_t len = Span(at, delimiter);
    std::string name(m_buf + at, len);
    const size_t next = at + len + 1;
    if (next >= m_size || (m_buf[at + len] == '\0' && (!m_explorer || m_buf[next] == '\0')))
        pos = 0;
    else
        pos = next + 1;
    // A name may be a full path of its own (another folder or drive).
    if (name.size() > 1 && (name[1] == ':' || (name[0] == '\\' && name[1] == '\\'))) return name;
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
    return folder + name;
}

namespace {
size_t NameStart(const std::string& path) {
    const size_t sep = path.find_last_of("\\/:");
    return sep == std::string::npos ? 0 : sep + 1;
}
}  // namespace

std::string PathFileName(const std::string& path) { return path.substr(NameStart(path)); }

std::string PathFileExt(const std::string& path) {
    const std::string name = PathFileName(path);
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::string PathFileTitle(const std::string& path) {
    const std::string name = PathFileName(path);
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string PathFolder(const std::string& path) {
    const size_t start = NameStart(path);
    if (start == 0) return {};
    // "C:\" keeps its separator; "C:\dir\name" gives "C:\dir".
    if (start >= 2 && path[start - 1] != ':' && !(start == 3 && path[1] == ':')) return path.substr(0, start - 1);
    return path.substr(0, start);
}

}  // namespace afx_filedlg
