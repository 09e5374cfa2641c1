#pragma once

#include <cstddef>
#include <string>

namespace varn {

// Numbers exactly as printf prints them: "%d" for ints and "%f" (six decimals) for reals. The
// files of the program are read by other tools and compared byte for byte across versions, so
// these must never differ from printf in a single digit; they exist because formatting whole
// arrays through snprintf is several times slower.

// The longest "%f" of a float: a sign, 39 integer digits, the point and six decimals.
inline constexpr std::size_t kMaxFloatFixed6 = 47;
// The longest "%d" of an int.
inline constexpr std::size_t kMaxInt = 11;

// Write at p and return the end; p needs room for kMaxInt or kMaxFloatFixed6 characters.
char* putInt(char* p, int value);
// "%f" of a float (promoted exactly to double, as printf receives it).
char* putFixed6(char* p, float value);

void appendInt(std::string& out, int value);
void appendFixed6(std::string& out, float value);
// "%f" of a double: correctly rounded like printf, "-0.000000" for tiny negatives, "inf",
// "-inf", "nan" and "-nan" for the non-finite values.
void appendFixed6(std::string& out, double value);

} // namespace varn
