// The mixture of tumour and normal cells on the linear scale. Both allele probes of a SNP and
// the total signal see every cell's DNA added up; the array compresses the total signal of k
// copies to that of g(k) diploid-normal copies (the pure-tumour means), and the alleles share the
// compression of their total, each taking its share of the copies.
#include "MixtureModel.h"

#include <algorithm>
#include <cmath>

namespace varn {

namespace {

constexpr AlleleState kStatesList[kAlleleStates] = {
    {0, 0}, {1, 0}, {2, 0}, {2, 1}, {3, 0}, {3, 1}, {4, 0}, {4, 1},
    {4, 2}, {5, 0}, {5, 1}, {5, 2}, {6, 0}, {6, 1}, {6, 2}, {6, 3},
};

} // namespace

const AlleleState* alleleStates() {
    return kStatesList;
}

EffectiveCopies effectiveCopiesOf(const float pureMeans[kStates], bool log2Scale) {
    EffectiveCopies c;
    for (int k = 0; k < kStates; ++k)
        c.g[k] = 2.0 * (log2Scale ? std::exp2(static_cast<double>(pureMeans[k]))
                                  : std::exp(static_cast<double>(pureMeans[k])));
    return c;
}

double effectivePloidy(const EffectiveCopies& copies, double psi) {
    const int k = std::clamp(static_cast<int>(std::floor(psi)), 0, kStates - 2);
    return copies.g[k] + (psi - k) * (copies.g[k + 1] - copies.g[k]);
}

double ploidyOfEffective(const EffectiveCopies& copies, double gPsi) {
    int k = 0;
    while (k < kStates - 2 && gPsi > copies.g[k + 1]) ++k;
    const double step = copies.g[k + 1] - copies.g[k];
    return step > 0.0 ? k + (gPsi - copies.g[k]) / step : k;
}

double mixedSignal(const EffectiveCopies& copies, int k, double p) {
    return p * copies.g[k] + 2.0 * (1.0 - p);
}

double minorShareOfCopies(double minor, double total, double p) {
    return ((1.0 - p) + p * minor) / (2.0 * (1.0 - p) + p * total);
}

double minorAlleleShare(const EffectiveCopies& copies, int k, int j, double p) {
    if (k == 0) return 0.5;
    return minorShareOfCopies(copies.g[k] * j / k, copies.g[k], p);
}

double mirroredBaf(const EffectiveCopies& copies, int k, int j, double p) {
    return 1.0 - minorAlleleShare(copies, k, j, p);
}

} // namespace varn
