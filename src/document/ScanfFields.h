#pragma once

#include <cstddef>

namespace varn {

// Field conversions that consume and convert exactly what the scanf family would, for the
// readers that must match it bit for bit but read far too many numbers to go through sscanf.
// Each takes a position inside a zero-terminated text and its end (the position of the zero),
// skips leading white space as the conversion does, and returns the position after the field,
// or nullptr on a matching or input failure (nothing after it would be assigned).

// "%*d": an optionally signed decimal integer, skipped.
const char* skipScanInt(const char* p, const char* end);
// "%*s": a run of non-space characters, skipped.
const char* skipScanString(const char* p, const char* end);
// "%f".
const char* scanFloat(const char* p, const char* end, float& value);

} // namespace varn
