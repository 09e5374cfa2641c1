#include "HmmMeansPurity.h"

#include "document/CVARNDoc.h"
#include "document/HmmDefaults.h"
#include "engine/hmm/MeansForPurity.h"
#include "engine/purity/PurityEstimate.h"

#include <algorithm>
#include <cmath>

namespace varn {

namespace {
// Stored means have six decimals; a mix is recognised when every mean is within rounding of it.
constexpr double kStoredPrecision = 2e-6;
} // namespace

void pureMeansOf(const CVARNDoc& doc, bool log2Scale, float out[kStates]) {
    if (doc.hmmMeansPurity >= 1.0f || !pureMeansFrom(doc.hmmMean, doc.hmmMeansPurity, log2Scale, out))
        std::copy(doc.hmmMean, doc.hmmMean + kStates, out);
}

void setHmmMeansForPurity(CVARNDoc& doc, double purity, bool log2Scale) {
    float pure[kStates];
    pureMeansOf(doc, log2Scale, pure);
    meansForPurity(pure, purity, log2Scale, doc.hmmMean);
    spreadFactorsForPurity(kDefaultHmmSdFactor, purity, doc.hmmSdFactor);
    doc.hmmMeansPurity = purity >= 1.0 ? 1.0f : static_cast<float>(purity);
    doc.appliedSolution = {};
}

double purityOfMeans(const float means[], bool log2Scale) {
    // The deletion's mean moves furthest with p: solve p from it, then check all seven.
    const double pure0 = log2Scale ? std::exp2(kDefaultHmmMean[0]) : std::exp(kDefaultHmmMean[0]);
    const double mixed0 = log2Scale ? std::exp2(means[0]) : std::exp(means[0]);
    double p = (mixed0 - 1.0) / (pure0 - 1.0);
    p = std::round(p * 10000.0) / 10000.0;
    if (!(p >= kPurityLow - 1e-9) || !(p < 1.0)) return 1.0;
    float expected[kStates];
    meansForPurity(kDefaultHmmMean, p, log2Scale, expected);
    for (int k = 0; k < kStates; ++k)
        if (std::fabs(expected[k] - means[k]) > kStoredPrecision) return 1.0;
    return p;
}

void adoptStoredHmmMeans(CVARNDoc& doc, bool log2Scale) {
    const double p = purityOfMeans(doc.hmmMean, log2Scale);
    doc.hmmMeansPurity = static_cast<float>(p);
    spreadFactorsForPurity(kDefaultHmmSdFactor, p, doc.hmmSdFactor);
    doc.appliedSolution = {};
}

} // namespace varn
