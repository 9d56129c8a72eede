// Captures written as PNG files for review, next to the test programs:
// <build>/artifacts/<suite>.<test>.<name>.png (the programs are in <build>/bin).
#pragma once

#include <string>

#include "support/capture.h"

namespace kxtest {

// Writes capture to path as an opaque 24-bit PNG with WIC's PNG encoder.
// Returns false for an empty capture or when any step fails.
bool WritePngFile(const Capture& capture, const std::string& path);

// The artefact folder: "artifacts" beside the folder of the test program.
std::string ArtifactDirectory();

// The path WritePng uses for name in the running test ("<suite>.<test>.<name>.png";
// characters that cannot be in a file name become '_').
std::string ArtifactPath(const std::string& name);

// Writes capture to ArtifactPath(name), creating the folder; returns success.
bool WritePng(const Capture& capture, const std::string& name);

}  // namespace kxtest
