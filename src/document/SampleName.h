#pragma once

#include "DocumentLimits.h"

#include <cstring>
#include <string>
#include <string_view>

namespace varn {

// The text of a row of poolSampleName. A name loaded from a pool file may fill its bytes without
// a terminator, so the text never runs past the row.
inline std::string_view sampleName(const char* row) { return {row, strnlen(row, kNameSize)}; }

// A sample name as the file-name part of an output file. Names come from file names on the
// array software's machine, where no separator can occur; one that holds a separator (from an
// edited temporary file or sample list) must not lead a writer out of its folder, so separators
// become underscores.
inline std::string fileNamePart(std::string name) {
    for (char& c : name)
        if (c == '/' || c == '\\') c = '_';
    return name;
}
inline std::string sampleFileName(const char* row) { return fileNamePart(std::string(sampleName(row))); }

} // namespace varn
