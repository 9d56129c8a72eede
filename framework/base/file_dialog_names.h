// What the file dialog hands over, read without the system: the filter
// string of the "Text (*.txt)|*.txt||" form turned into the NUL-separated
// pairs the system wants, the selected names of a multiple selection, and
// the parts of a path.
#pragma once

#include <cstddef>
#include <string>

namespace afx_filedlg {

// "A|*.a|B|*.b||" -> "A\0*.a\0B\0*.b\0\0" (the result ends in two NULs;
// a missing trailing "|" or "||" is supplied).  Empty in, empty out.
std::string ConvertFilter(const char* filter);

// The selection buffer of a file dialog: with explorer-style results a
// folder then each name, NUL-separated and ending in two NULs (one name
// alone: the full path); otherwise the folder and names separated by blanks.
// Offsets into the buffer stand for positions (0: none left).
class SelectionReader {
public:
    // buffer holds size characters (its end need not be terminated).
    SelectionReader(const char* buffer, size_t size, bool explorer, bool multiSelect)
        : m_buf(buffer), m_size(buffer ? size : 0), m_explorer(explorer), m_multi(multiSelect) {}
    // The first name's position; 0 when the buffer is empty.
    size_t Start() const { return m_size > 0 && m_buf[0] != '\0' ? 1 : 0; }
    // The full path at pos (from Start or a previous call); pos becomes the
    // next position, 0 after the last.
    std::string Next(size_t& pos) const;

private:
    size_t Span(size_t from, char delimiter) const;  // length up to the delimiter or the end
    const char* m_buf;
    size_t m_size;
    bool m_explorer;
    bool m_multi;
};

// Path parts as the file dialog reports them: the name after the last
// separator ('\\', '/' or a drive's ':'), its extension without the dot,
// its title (the name without the extension), and its folder.
std::string PathFileName(const std::string& path);
std::string PathFileExt(const std::string& path);
std::string PathFileTitle(const std::string& path);
std::string PathFolder(const std::string& path);

}  // namespace afx_filedlg
