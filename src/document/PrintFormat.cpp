#include "PrintFormat.h"

#include <charconv>
#include <cmath>

namespace varn {

void appendInt(std::string& out, int value) {
    char buf[16];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, r.ptr);
}

void appendFixed6(std::string& out, double value) {
    // to_chars prints NaN without the sign printf shows for a negative NaN.
    if (std::isnan(value)) {
        out += std::signbit(value) ? "-nan" : "nan";
        return;
    }
    // The largest double has 309 integer digits; six decimals and a sign fit easily.
    char buf[330];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 6);
    out.append(buf, r.ptr);
}

} // namespace varn
