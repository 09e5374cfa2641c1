// Moving average of a ratio row over a forward window of qualifying SNPs within a chromosome.
#include "MovingAverage.h"

#include "document/CVARNDoc.h"
#include "document/ChromosomeTable.h"

#include <algorithm>
#include <cmath>

namespace varn {

float trimmedMean(const float* window, int n, int trimExtremes) {
    if (n == 1) return window[0];
    if (n == 2) return (window[0] + window[1]) * 0.5f;
    float sum = 0;
    float smallest = window[0], largest = window[0];
    for (int i = 0; i < n; ++i) {
        sum += window[i];
        smallest = std::min(smallest, window[i]);
        largest = std::max(largest, window[i]);
    }
    if (trimExtremes == 1) return (sum - smallest - largest) / static_cast<float>(n - 2);
    return sum / static_cast<float>(n);
}

// The window starts at each display index and looks forward only, never past the end of the
// chromosome. Near that end it may find fewer than n values; it is then the mean (trimmed the
// same way) of the values it found. The allele rows (kinds 2 and 3) use only SNPs where the
// paired normal is heterozygous: elsewhere the larger/smaller split says nothing about allelic
// imbalance. A value that is not finite (a zero signal) does not qualify either.
void CVARNDoc::movingAverage(int t, int n, int trimExtremes, int ratioKind, bool useLinearScale) {
    if (t < 0 || t > 2 || ratioKind < 1 || ratioKind > 3) return;
    n = std::clamp(n, 1, kMaxAverageNumber);
    const float* ratio = logRatio[ratioKind - 1];
    float* average = averageRatio[ratioKind - 1];
    float window[kMaxAverageNumber];
    for (int ch = 1; ch <= 23; ++ch) {
        const int end = kChromosomeStart[t][ch + 1];
        for (int j = kChromosomeStart[t][ch]; j < end; ++j) {
            int count = 0;
            for (int p = j; p < end && count < n; ++p) {
                const int q = t == kCombined ? combineOrder[p] : p;
                if (positionUsable[q] != 1) continue;
                if (ratioKind != 1 && normalSnpCall[arrangeOrder[q]] != kCallAB) continue;
                const float value = useLinearScale ? std::exp2(ratio[q]) : ratio[q];
                if (!std::isfinite(value)) continue;
                window[count++] = value;
            }
            if (count > 0) average[j] = trimmedMean(window, count, trimExtremes);
        }
    }
}

} // namespace varn
