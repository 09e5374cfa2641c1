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
    const std::vector<PurityPloidySolution>& all = fit.solutions;
    if (all.front().alteredShare < P.minAlteredShare) return {};
    const double bound = all.front().cost + P.equallyGoodChi2 * fit.dispersion;
    // The undoubled reading the best is a twin of (or the best itself): both identities start
    // from it, so its twins are the family, whichever of them fits a shade better.
    std::vector<std::size_t> undoubled;
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i].cost <= bound && !all[i].doubled && (i == 0 || twins(all.front(), all[i], P)))
            undoubled.push_back(i);
    if (undoubled.size() != 1) return {};
    const std::size_t chosen = undoubled.front();
    std::vector<std::size_t> family;
    for (std::size_t i = 0; i < all.size(); ++i)
        if (i != chosen && all[i].cost <= bound && all[i].doubled && twins(all[chosen], all[i], P))
            family.push_back(i);
    if (family.empty()) return {};

    std::string passed;
    for (std::size_t i : family) {
        const PurityPloidySolution& s = all[i];
        passed += (passed.empty() ? "" : " and ") + figureText(Figure::TumourCells, s.purity) + " with ploidy " +
                  figureText(Figure::Ploidy, s.ploidy);
    }
    std::rotate(fit.solutions.begin(), fit.solutions.begin() + static_cast<std::ptrdiff_t>(chosen),
                fit.solutions.begin() + static_cast<std::ptrdiff_t>(chosen) + 1);
    fit.why.clear();
    fit.decided = true;
    return passed + (family.size() > 1 ? " fit" : " fits") + " as well with a doubled genome: taken as not doubled";
}

} // namespace varn
