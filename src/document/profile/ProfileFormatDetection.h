#pragma once

#include "document/profile/ProfileReading.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace varn {

// What a file is, told from its first bytes and header line (inflated first when it is gzipped),
// the one place where the formats are told apart.
struct DetectedFormat {
    bool opened = true;
    bool gzipped = false;
    // The reader that takes it; Auto when none does.
    ProfileFormat format = ProfileFormat::Auto;
    // What it looks like, for the refusal of a file no reader takes: "a VCF", "a 50K signal
    // file", "a binary file", "gzipped a SEG file" reads "a gzipped SEG file".
    std::string looksLike;
};

DetectedFormat detectProfileFormat(const std::filesystem::path& path);
// The same on a file's first bytes, already inflated.
DetectedFormat detectProfileText(std::string_view head, bool gzipped);

} // namespace varn
