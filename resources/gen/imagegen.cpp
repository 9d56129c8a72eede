// Writes the image strips of KXRes.dll as BMP files.
//   kx_imagegen <dir> [--preview <file.png>]
// The BMPs in resources/images are this program's output and are committed;
// a test fails when they differ from what it produces.
#include "image_set.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2 && !(argc == 4 && std::strcmp(argv[2], "--preview") == 0)) {
        std::fprintf(stderr, "usage: %s <dir> [--preview <file.png>]\n", argv[0]);
        return 2;
    }
    std::string error;
    if (!kximg::WriteImages(argv[1], &error)) {
        std::fprintf(stderr, "kx_imagegen: %s\n", error.c_str());
        return 1;
    }
    if (argc == 4) {
        const auto png = kximg::EncodePreviewPng(8, &error);
        std::ofstream f(argv[3], std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
        if (png.empty() || !f) {
            std::fprintf(stderr, "kx_imagegen: cannot write the preview %s %s\n", argv[3], error.c_str());
            return 1;
        }
    }
    return 0;
}
