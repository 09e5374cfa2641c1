#pragma once

#include "DocumentLimits.h"

#include <cstring>
#include <string_view>

namespace varn {

// The text of a row of poolSampleName. A name loaded from a pool file may fill its bytes without
// a terminator, so the text never runs past the row.
inline std::string_view sampleName(const char* row) { return {row, strnlen(row, kNameSize)}; }

} // namespace varn
