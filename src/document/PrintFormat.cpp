#include "PrintFormat.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace varn {

namespace {

// The largest double has 309 integer digits; six decimals and a sign fit easily.
constexpr std::size_t kMaxDoubleFixed6 = 330;

char* putDoubleFixed6(char* p, double value) {
    // to_chars prints NaN without the sign printf shows for a negative NaN.
    if (std::isnan(value)) {
        const char* text = std::signbit(value) ? "-nan" : "nan";
        while (*text != '\0') *p++ = *text++;
        return p;
    }
    return std::to_chars(p, p + kMaxDoubleFixed6, value, std::chars_format::fixed, 6).ptr;
}

} // namespace

char* putInt(char* p, int value) { return std::to_chars(p, p + kMaxInt, value).ptr; }

// A finite float is m * 2^e with a 24-bit m. Six decimals are round(m * 10^6 * 2^e), which is an
// integer product for e >= 0 and a shift with an exactly known remainder for e < 0, so the
// rounding (half to even, as printf rounds an exact tie) needs no wide decimal arithmetic.
char* putFixed6(char* p, float value) {
    const std::uint32_t bits = std::bit_cast<std::uint32_t>(value);
    const int biased = static_cast<int>((bits >> 23) & 0xff);
    const std::uint64_t fraction = bits & 0x7fffff;
    const std::uint64_t m = biased == 0 ? fraction : fraction | 0x800000;
    const int e = biased == 0 ? -149 : biased - 150;
    // Non-finite values and those of 2^63 and more take the general route.
    if (biased == 0xff || e > 39) return putDoubleFixed6(p, static_cast<double>(value));
    const std::uint64_t scaled = m * 1000000u; // below 2^44
    unsigned __int128 q = 0;
    if (e >= 0) {
        q = static_cast<unsigned __int128>(scaled) << e;
    } else if (-e < 64) {
        const int k = -e;
        q = scaled >> k;
        const std::uint64_t rest = scaled & ((std::uint64_t{1} << k) - 1);
        const std::uint64_t half = std::uint64_t{1} << (k - 1);
        if (rest > half || (rest == half && (q & 1) != 0)) ++q;
    } // else below half of the sixth decimal: zero
    if ((bits >> 31) != 0) *p++ = '-';
    const auto whole = static_cast<std::uint64_t>(q / 1000000u);
    auto decimals = static_cast<std::uint32_t>(q % 1000000u);
    p = std::to_chars(p, p + 20, whole).ptr;
    *p++ = '.';
    for (int i = 5; i >= 0; --i) {
        p[i] = static_cast<char>('0' + decimals % 10);
        decimals /= 10;
    }
    return p + 6;
}

void appendInt(std::string& out, int value) {
    char buf[kMaxInt];
    out.append(buf, putInt(buf, value));
}

void appendFixed6(std::string& out, float value) {
    char buf[kMaxFloatFixed6];
    out.append(buf, putFixed6(buf, value));
}

void appendFixed6(std::string& out, double value) {
    char buf[kMaxDoubleFixed6];
    out.append(buf, putDoubleFixed6(buf, value));
}

} // namespace varn
