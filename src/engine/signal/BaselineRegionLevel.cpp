#include "BaselineRegionLevel.h"

#include "document/CVARNDoc.h"

#include <algorithm>
#include <cmath>

namespace varn {

std::optional<double> baselineRegionLevel(const CVARNDoc& doc, int t) {
    double sum = 0.0;
    int n = 0;
    for (int pos = std::max(doc.regionStart[t], doc.snpFirst[t]); pos <= std::min(doc.regionEnd[t], doc.snpLast[t]);
         ++pos) {
        if (doc.positionUsable[pos] != 1 || !std::isfinite(doc.logRatio[0][pos])) continue;
        sum += doc.logRatio[0][pos];
        ++n;
    }
    if (n == 0) return std::nullopt;
    return sum / n;
}

int baselineCopyNumberOf(const CVARNDoc& doc) {
    return doc.baseCopyNumber >= 1 && doc.baseCopyNumber < kStates ? doc.baseCopyNumber : 2;
}

} // namespace varn
