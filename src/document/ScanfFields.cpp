#include "ScanfFields.h"

#include "PlainDecimal.h"

#include <cstdio>

namespace varn {

const char* skipScanInt(const char* p, const char* end) {
    p = skipSpace(p, end);
    if (p < end && (*p == '+' || *p == '-')) ++p;
    if (p == end || !plain_decimal::isDigit(*p)) return nullptr;
    while (p < end && plain_decimal::isDigit(*p)) ++p;
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
    // Both routes of the plain form round correctly, as strtof (behind "%f") does, so they give
    // the same float. Everything else, and out-of-range values, goes to scanf for its exact result.
    if (const char* tokenEnd = scanPlainFloat(p, end, value)) return tokenEnd;
    float v = 0.0f;
    int used = 0;
    if (std::sscanf(p, "%f%n", &v, &used) != 1) return nullptr;
    value = v;
    return p + used;
}

} // namespace varn
