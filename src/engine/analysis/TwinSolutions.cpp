#include "engine/analysis/TwinSolutions.h"

#include "engine/analysis/ResultWording.h"

#include <algorithm>
#include <cmath>

namespace varn {

namespace {

// Twins of the same profile: the ploidies a doubling (psi, 2 psi) or one copy of each parent
// more (psi, psi + 2) apart, each within the fit's doubling band, and the fractions as the
// identities put them, within the fit's separation of two solutions (its grid reads p to 0.01).
bool twins(const PurityPloidySolution& x, const PurityPloidySolution& y, const PurityPloidyParameters& P) {
    const PurityPloidySolution& low = x.ploidy <= y.ploidy ? x : y;
    const PurityPloidySolution& high = x.ploidy <= y.ploidy ? y : x;
    const double ratio = high.ploidy / low.ploidy, added = high.ploidy - low.ploidy;
    const bool doubling = ratio >= P.doublingLow && ratio <= P.doublingHigh &&
                          std::fabs(high.purity - low.purity / (2.0 - low.purity)) <= P.separatePurity;
    const bool addedPair = low.purity < 0.5 && added >= P.doublingLow && added <= P.doublingHigh &&
                           std::fabs(high.purity - low.purity / (1.0 - low.purity)) <= P.separatePurity;
    return doubling || addedPair;
}

} // namespace

std::string preferUndoubledTwin(PurityPloidyFit& fit, const PurityPloidyParameters& P) {
    if (!fit.available || fit.solutions.size() < 2) return {};
    const PurityPloidySolution& first = fit.solutions.front();
    if (first.alteredShare < P.minAlteredShare) return {};
    const double bound = first.cost + P.equallyGoodChi2 * fit.dispersion;
    std::vector<std::size_t> family{0};
    for (std::size_t i = 1; i < fit.solutions.size(); ++i)
        if (fit.solutions[i].cost <= bound && twins(first, fit.solutions[i], P)) family.push_back(i);
    std::size_t undoubled = 0;
    int count = 0;
    for (std::size_t i : family)
        if (!fit.solutions[i].doubled) {
            undoubled = i;
            ++count;
        }
    if (family.size() < 2 || count != 1) return {};

    std::string passed;
    for (std::size_t i : family) {
        if (i == undoubled) continue;
        const PurityPloidySolution& s = fit.solutions[i];
        passed += (passed.empty() ? "" : " and ") + figureText(Figure::TumourCells, s.purity) + " with ploidy " +
                  figureText(Figure::Ploidy, s.ploidy);
    }
    std::rotate(fit.solutions.begin(), fit.solutions.begin() + static_cast<std::ptrdiff_t>(undoubled),
                fit.solutions.begin() + static_cast<std::ptrdiff_t>(undoubled) + 1);
    fit.why.clear();
    fit.decided = true;
    return passed + (family.size() > 2 ? " fit" : " fits") + " as well with a doubled genome: taken as not doubled";
}

} // namespace varn
