#pragma once

// "%f" for numbers in plain decimal form, the form of nearly every number in a signal file, with
// the float the scanf family would give. Inline: it runs once for each of millions of numbers.

#include "TextLines.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <system_error>

namespace varn {

namespace plain_decimal {

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Powers of ten that a float holds exactly.
inline constexpr float kExactPowerOfTen[11] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
// 10^-k in double precision, for k up to 7.
inline constexpr double kNegativePowerOfTen[8] = {1e0, 1e-1, 1e-2, 1e-3, 1e-4, 1e-5, 1e-6, 1e-7};

// m / 10^k rounded to float, for m below 2^24 and k from 1 to 10, exactly as a correctly rounded
// conversion of the decimal text. Dividing two exact floats rounds once, correctly. For k up to 7
// a double multiplication by 10^-k is as good and much cheaper: its relative error stays below
// 2^-51.9, while such a quotient lies at least 1 / (10^k * 2^25) > 2^-48.3 (relative) away from
// every midpoint between two floats, and is never a midpoint itself (that would need 5^k times
// a 25-bit odd number to fit in 24 bits), so rounding the double gives the same float.
inline float scaleDown(std::uint64_t m, int k) {
    if (k <= 7) return static_cast<float>(static_cast<double>(m) * kNegativePowerOfTen[k]);
    return static_cast<float>(m) / kExactPowerOfTen[k];
}

// The top bit of every byte of the word that is not a decimal digit, each byte judged on its own
// (no carry or borrow crosses bytes).
inline std::uint64_t nonDigitBytes(std::uint64_t word) {
    constexpr std::uint64_t top = 0x8080808080808080;
    const std::uint64_t low7 = word & ~top;
    const std::uint64_t atLeast0 = (low7 + 0x5050505050505050) & top; // byte >= 0x30
    const std::uint64_t above9 = (low7 + 0x4646464646464646) & top;   // byte >= 0x3A
    return (word & top) | (~atLeast0 & top) | above9;
}

// The eight digits of a word (first character lowest, each byte already less '0') as a number.
inline std::uint32_t eightDigits(std::uint64_t d) {
    d = d * 10 + (d >> 8);
    d = (((d & 0x000000FF000000FF) * (100 + (1000000ULL << 32))) +
         (((d >> 16) & 0x000000FF000000FF) * (1 + (10000ULL << 32)))) >> 32;
    return static_cast<std::uint32_t>(d);
}

inline constexpr std::uint64_t kPowerOfTen[9] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};

// Appends the run of decimal digits at p to mantissa (which wraps around past 19 digits) and
// returns the end of the run. While eight bytes can be read before limit they are taken a word
// at a time.
inline const char* digitRun(const char* p, const char* limit, std::uint64_t& mantissa) {
    // The word arithmetic takes the first character as the lowest byte.
    while (std::endian::native == std::endian::little && limit - p >= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        const std::uint64_t nonDigit = nonDigitBytes(word);
        const int n = nonDigit != 0 ? std::countr_zero(nonDigit) / 8 : 8;
        if (n == 0) return p;
        // The n digits to the top, leading zeros below. Borrows from the bytes past the run only
        // move upwards and are shifted out.
        const std::uint64_t d = eightDigits((word - 0x3030303030303030) << (8 * (8 - n)));
        mantissa = mantissa * kPowerOfTen[n] + d;
        p += n;
        if (n < 8) return p;
    }
    while (isDigit(*p)) mantissa = mantissa * 10 + static_cast<unsigned>(*p++ - '0');
    return p;
}

// The plain decimal form "-ddd.ddde-dd" ending at white space or the end: what a signal file
// holds. Returns its end, or nullptr for anything else (a leading '+', hexadecimal, inf, nan, a
// dangling exponent, trailing letters), whose exact scanf treatment is left to scanf itself.
// When the digits fit in 24 bits and the power of ten in 10^±10, both are exact floats and one
// multiplication or division rounds correctly, as strtof does (see scaleDown); value is then set
// and exact is true. Otherwise the token is for from_chars. The text ends in a zero or a line
// end, which ends every loop; limit bounds the word-at-a-time reads.
inline const char* plainDecimal(const char* p, const char* limit, float& value, bool& exact) {
    exact = false;
    const bool negative = *p == '-';
    if (negative) ++p;
    std::uint64_t mantissa = 0;
    const char* digits = p;
    p = digitRun(p, limit, mantissa);
    int count = static_cast<int>(p - digits);
    int scale = 0;
    if (*p == '.') {
        const char* fraction = ++p;
        p = digitRun(p, limit, mantissa);
        scale = -static_cast<int>(p - fraction);
        count -= scale;
    }
    if (count == 0) return nullptr;
    if (*p == 'e' || *p == 'E') {
        ++p;
        const bool negativeExponent = *p == '-';
        if (*p == '+' || *p == '-') ++p;
        const char* exponentDigits = p;
        int exponent = 0;
        while (isDigit(*p)) {
            if (exponent < 100000) exponent = exponent * 10 + (*p - '0');
            ++p;
        }
        if (p == exponentDigits) return nullptr;
        scale += negativeExponent ? -exponent : exponent;
    }
    if (*p != '\0' && !isScanSpace(*p)) return nullptr;
    // Up to 19 digits the mantissa has not wrapped around.
    if (count <= 19 && mantissa <= (std::uint64_t{1} << 24) && scale >= -10 && scale <= 10) {
        const float v = scale < 0 ? scaleDown(mantissa, -scale) : static_cast<float>(mantissa) * kExactPowerOfTen[scale];
        value = negative ? -v : v;
        exact = true;
    }
    return p;
}

// Masks of the lowest n bytes, n from 0 to 8: a table, as variable shifts cost several
// instructions each on the hottest path of the reader.
inline constexpr std::uint64_t kLowBytes[9] = {0,
                                               0xFF,
                                               0xFFFF,
                                               0xFFFFFF,
                                               0xFFFFFFFF,
                                               0xFFFFFFFFFF,
                                               0xFFFFFFFFFFFF,
                                               0xFFFFFFFFFFFFFF,
                                               0xFFFFFFFFFFFFFFFF};

// The commonest shape in one step: "ddd.dd" or "ddd" of at most 7 characters with its
// terminating white space inside one eight-byte word. Its at most 6 digits are well inside 24
// bits and its point at most 6 places in, so scaleDown rounds it as strtof would. Returns
// nullptr for anything else.
inline const char* shortDecimal(const char* p, const char* limit, float& value) {
    if (std::endian::native != std::endian::little || limit - p < 8) return nullptr;
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    const std::uint64_t nonDigit = nonDigitBytes(word);
    if (nonDigit == 0) return nullptr;
    const int first = std::countr_zero(nonDigit) / 8;
    if (first == 0 || first == 7) return nullptr;
    const char stop = p[first];
    // The digits to the top of the word, leading zeros below; whatever lies past them (and the
    // borrows it takes) is shifted out.
    if (isScanSpace(stop)) {
        value = static_cast<float>(eightDigits((word - 0x3030303030303030) << (8 * (8 - first))));
        return p + first;
    }
    if (stop != '.') return nullptr;
    // The bytes past the point that are not digits: the lowest mark goes. This keeps the end of
    // the number, and so the start of the next field, a short chain of operations from the load.
    const std::uint64_t after = nonDigit & (nonDigit - 1);
    if (after == 0) return nullptr;
    const int end = std::countr_zero(after) / 8;
    if (!isScanSpace(p[end])) return nullptr;
    // Close the gap of the point: the fraction digits move down one byte.
    const int count = end - 1;
    const std::uint64_t below = kLowBytes[first];
    const std::uint64_t digits = (word & below) | ((word >> 8) & ~below);
    const std::uint32_t mantissa = eightDigits((digits - 0x3030303030303030) << (8 * (8 - count)));
    value = count == first ? static_cast<float>(mantissa) : scaleDown(mantissa, count - first);
    return p + end;
}

} // namespace plain_decimal

// "%f" for a number in plain decimal form ("-ddd.ddde-dd") followed by white space or the zero,
// p at its first character: the end of the number, or nullptr for anything else (a form that
// needs scanf's own treatment, or no number at all). Stops at any character that cannot belong
// to such a number, so a line end works as the terminator as well as the zero does. Bytes up to
// limit may be read ahead, whatever they hold.
inline const char* scanPlainFloat(const char* p, const char* limit, float& value) {
    if (const char* end = plain_decimal::shortDecimal(p, limit, value)) return end;
    bool exact = false;
    float v = 0.0f;
    const char* tokenEnd = plain_decimal::plainDecimal(p, limit, v, exact);
    if (tokenEnd == nullptr) return nullptr;
    if (!exact) {
        const auto result = std::from_chars(p, tokenEnd, v);
        if (result.ec != std::errc() || result.ptr != tokenEnd) return nullptr;
    }
    value = v;
    return tokenEnd;
}

} // namespace varn
