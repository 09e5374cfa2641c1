#pragma once

#include "TextLines.h"

#include <cstddef>

namespace varn {

// Field conversions that consume and convert exactly what the scanf family would, for the
// readers that must match it bit for bit but read far too many numbers to go through sscanf.
// Each takes a position inside a zero-terminated text and its end (the position of the zero; the
// text holds no other zero byte),
// skips leading white space as the conversion does, and returns the position after the field,
// or nullptr on a matching or input failure (nothing after it would be assigned).

// White space as a blank of the format skips it.
inline const char* skipSpace(const char* p, const char* end) {
    while (p < end && isScanSpace(*p)) ++p;
    return p;
}
// "%*d": an optionally signed decimal integer, skipped.
const char* skipScanInt(const char* p, const char* end);
// "%*s": a run of non-space characters, skipped.
const char* skipScanString(const char* p, const char* end);
// "%f".
const char* scanFloat(const char* p, const char* end, float& value);
} // namespace varn
