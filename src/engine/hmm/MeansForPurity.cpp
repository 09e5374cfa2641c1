#include "MeansForPurity.h"

#include <algorithm>
#include <cmath>

namespace varn {

namespace {
double toLinear(double mean, bool log2Scale) { return log2Scale ? std::exp2(mean) : std::exp(mean); }
double fromLinear(double linear, bool log2Scale) { return log2Scale ? std::log2(linear) : std::log(linear); }
} // namespace

void meansForPurity(const float pure[kStates], double purity, bool log2Scale, float out[kStates]) {
    if (purity >= 1.0) {
        std::copy(pure, pure + kStates, out);
        return;
    }
    for (int k = 0; k < kStates; ++k)
        out[k] = static_cast<float>(fromLinear(purity * toLinear(pure[k], log2Scale) + (1.0 - purity), log2Scale));
}

void spreadFactorsForPurity(const float pure[kStates], double purity, float out[kStates]) {
    if (purity >= 1.0) {
        std::copy(pure, pure + kStates, out);
        return;
    }
    for (int k = 0; k < kStates; ++k) out[k] = static_cast<float>(1.0 + purity * (pure[k] - 1.0));
}

bool pureMeansFrom(const float mixed[kStates], double purity, bool log2Scale, float out[kStates]) {
    if (purity >= 1.0) {
        std::copy(mixed, mixed + kStates, out);
        return true;
    }
    for (int k = 0; k < kStates; ++k) {
        const double pureLinear = (toLinear(mixed[k], log2Scale) - (1.0 - purity)) / purity;
        if (!(pureLinear > 0.0)) return false;
        out[k] = static_cast<float>(fromLinear(pureLinear, log2Scale));
    }
    return true;
}

} // namespace varn
