#include "PairedAlleleCentres.h"

#include "document/CVARNDoc.h"
#include "engine/common/RobustStatistics.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace varn {

namespace {

double contrastOf(const CVARNDoc& doc, int record) {
    const float a = doc.alleleASignal[1][record], b = doc.alleleBSignal[1][record];
    if (!(a > 0.0f) || !(b > 0.0f) || !std::isfinite(a) || !std::isfinite(b)) return std::nan("");
    return std::log(static_cast<double>(b) / a);
}

} // namespace

ArrayCentres centresFromNormal(const CVARNDoc& doc, int t) {
    ArrayCentres out;
    if (t != kXba && t != kHind) return out;
    const int first = doc.snpFirst[t], last = doc.snpLast[t];
    std::vector<double> byCall[4];
    for (int k = first; k <= last; ++k) {
        const double l = contrastOf(doc, k);
        const int call = doc.normalSnpCall[k];
        if (std::isfinite(l) && call >= kCallAA && call <= kCallBB) byCall[call].push_back(l);
    }
    if (byCall[kCallAA].empty() || byCall[kCallAB].empty() || byCall[kCallBB].empty()) return out;
    const double ab = medianOf(byCall[kCallAB]);
    const double toAA = medianOf(byCall[kCallAA]) - ab, toBB = medianOf(byCall[kCallBB]) - ab;
    if (!(toAA < 0.0 && toBB > 0.0)) return out;

    out.first = first;
    out.centre.resize(static_cast<std::size_t>(last - first + 1));
    for (int k = first; k <= last; ++k) {
        const double l = contrastOf(doc, k);
        double centreAB = ab;
        if (std::isfinite(l)) {
            if (doc.normalSnpCall[k] == kCallAB) centreAB = l;
            else if (doc.normalSnpCall[k] == kCallAA) centreAB = l - toAA;
            else if (doc.normalSnpCall[k] == kCallBB) centreAB = l - toBB;
        }
        out.centre[static_cast<std::size_t>(k - first)] = {static_cast<float>(centreAB + toAA),
                                                           static_cast<float>(centreAB),
                                                           static_cast<float>(centreAB + toBB)};
    }
    return out;
}

} // namespace varn
