#include "ProfileResult.h"

namespace varn {

ProfileResult profileResult(const Profile& read, const ProfileAnalysis& a, GenomeBuild build) {
    ProfileResult r;
    r.profile = read;
    if (read.hasBaf()) r.profile.baf = a.prepared.profile.baf;
    r.profile.heterozygosity.clear();
    r.build = build;
    r.platform = a.prepared.platform.name;
    r.totalCopies = a.decoding.totalCopies;
    r.minorCopies = a.decoding.minorCopies;
    r.informative.assign(a.informative.informative.begin(), a.informative.informative.end());
    r.calls = a.calls;
    r.levelOfTotal = a.levelOfTotal;
    r.purity = a.purity;
    r.ploidy = a.ploidy;
    r.solution = a.solution;
    r.solutionLine = a.solutionLine;
    r.fitted = a.fit.available;
    r.decided = a.fit.decided;
    r.solutions = static_cast<int>(a.fit.solutions.size());
    if (a.solution > 0) {
        r.decodedWith = a.fit.solutions[static_cast<std::size_t>(a.solution - 1)];
        r.decodedWith.states.clear();
        r.decodedWith.explained.clear();
    }
    r.fitWhy = a.fitWhy;
    return r;
}

} // namespace varn
