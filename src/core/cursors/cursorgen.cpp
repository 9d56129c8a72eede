// Writes the library's cursor files: cursorgen <folder> (normally
// src/core/cursors).  The drawings live in core/cursor_art.cpp.
#include "core/cursor_art.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    if (!KXWriteCursorFiles(argv[1])) {
        std::fprintf(stderr, "cursorgen: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
