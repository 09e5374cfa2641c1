#include "ScanfFields.h"

#include "TextLines.h"

#include <charconv>
#include <cstdio>
#include <system_error>

namespace varn {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

const char* skipSpace(const char* p, const char* end) {
    while (p < end && isScanSpace(*p)) ++p;
    return p;
}

// The plain decimal form "-ddd.ddde-dd" ending at white space or the end: what a signal file
// holds. Returns its end, or nullptr for anything else (a leading '+', hexadecimal, inf, nan, a
// dangling exponent, trailing letters), whose exact scanf treatment is left to scanf itself.
const char* plainDecimalEnd(const char* p, const char* end) {
    if (p < end && *p == '-') ++p;
    const char* digits = p;
    while (p < end && isDigit(*p)) ++p;
    bool any = p != digits;
    if (p < end && *p == '.') {
        ++p;
        const char* fraction = p;
        while (p < end && isDigit(*p)) ++p;
        any = any || p != fraction;
    }
    if (!any) return nullptr;
    if (p < end && (*p == 'e' || *p == 'E')) {
        ++p;
        if (p < end && (*p == '+' || *p == '-')) ++p;
        const char* exponent = p;
        while (p < end && isDigit(*p)) ++p;
        if (p == exponent) return nullptr;
    }
    if (p < end && !isScanSpace(*p)) return nullptr;
    return p;
}

} // namespace

const char* skipScanInt(const char* p, const char* end) {
    p = skipSpace(p, end);
    if (p < end && (*p == '+' || *p == '-')) ++p;
    if (p == end || !isDigit(*p)) return nullptr;
    while (p < end && isDigit(*p)) ++p;
    return p;
}

const char* skipScanString(const char* p, const char* end) {
    p = skipSpace(p, end);
    if (p == end) return nullptr;
    while (p < end && !isScanSpace(*p)) ++p;
    return p;
}

const char* scanFloat(const char* p, const char* end, float& value) {
    p = skipSpace(p, end);
    if (p == end) return nullptr;
    // from_chars rounds correctly, as strtof (behind "%f") does, so the plain form gives the same
    // float. Out-of-range values (overflow, underflow) go to scanf for its exact result.
    if (const char* tokenEnd = plainDecimalEnd(p, end)) {
        float v = 0.0f;
        const auto result = std::from_chars(p, tokenEnd, v);
        if (result.ec == std::errc() && result.ptr == tokenEnd) {
            value = v;
            return tokenEnd;
        }
    }
    float v = 0.0f;
    int used = 0;
    if (std::sscanf(p, "%f%n", &v, &used) != 1) return nullptr;
    value = v;
    return p + used;
}

} // namespace varn
