#pragma once

#include <string>

namespace varn {

// Appends numbers to an output buffer exactly as printf prints them: "%d" for ints and "%f"
// (six decimals) for reals. The files of the program are read by other tools and compared byte
// for byte across versions, so these must never differ from printf in a single digit; they exist
// because formatting a whole array through snprintf is several times slower.
void appendInt(std::string& out, int value);
// "%f" of the value promoted to double: correctly rounded like printf, "-0.000000" for tiny
// negatives, "inf", "-inf", "nan" and "-nan" for the non-finite values.
void appendFixed6(std::string& out, double value);

} // namespace varn
