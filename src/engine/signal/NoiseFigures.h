#pragma once

#include "document/CVARNDoc.h"

#include <cmath>
#include <optional>

namespace varn {

// How well a log-ratio profile of one array separates a one-copy change from its noise: the SD
// over the usable autosomes, and the mean of chromosome X divided by it. A sample and a reference
// of different sex differ by a whole X copy, so that quotient is a signal-to-noise ratio.
struct NoiseFigures {
    float sd = 0;
    float signalToNoise = 0;
};

// value(pos) is the log ratio at display position pos. Nothing without two usable autosomal
// values (no spread) or without a usable X value (no signal), rather than a division by zero.
template <class Value>
std::optional<NoiseFigures> noiseFigures(const CVARNDoc& doc, int t, Value value) {
    int n = 0, nX = 0;
    float s1 = 0, s2 = 0, sX = 0;
    for (int pos = doc.snpFirst[t]; pos <= doc.autosomeLast[t]; ++pos) {
        if (doc.positionUsable[pos] != 1) continue;
        const float v = value(pos);
        ++n;
        s1 += v;
        s2 += v * v;
    }
    for (int pos = doc.autosomeLast[t] + 1; pos <= doc.chrXLast[t]; ++pos) {
        if (doc.positionUsable[pos] != 1) continue;
        ++nX;
        sX += value(pos);
    }
    if (n < 2 || nX == 0) return std::nullopt;
    // n * (n - 1) in floating point: some 55,000 autosomal SNPs overflow a 32-bit product.
    const float fn = static_cast<float>(n);
    const float sd = std::sqrt((fn * s2 - s1 * s1) / (fn * (fn - 1.0f)));
    return NoiseFigures{sd, (sX / static_cast<float>(nX)) / sd};
}

} // namespace varn
