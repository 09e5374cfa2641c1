#include "AlleleRelationLearning.h"

#include "engine/common/RobustStatistics.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace varn::learning {

AlleleRelation measureRelation(const std::vector<SnpClusters>& clusters, const AlleleRelation& previous) {
    AlleleRelation r = previous;
    // Spacings: over SNPs whose three clusters are well populated where the array has enough of
    // them, else over SNPs that show the two clusters in question.
    std::size_t wellPopulated = 0;
    for (const SnpClusters& c : clusters) wellPopulated += c[0].n >= 2 && c[1].n >= 2 && c[2].n >= 2;
    const bool allThree = wellPopulated >= static_cast<std::size_t>(kAlleleLearning.relationSnps);
    std::vector<double> gapsAA, gapsBB;
    for (const SnpClusters& c : clusters) {
        if (allThree && !(c[0].n >= 2 && c[1].n >= 2 && c[2].n >= 2)) continue;
        if (c[0].n > 0 && c[1].n > 0) gapsAA.push_back(c[1].mean - c[0].mean);
        if (c[1].n > 0 && c[2].n > 0) gapsBB.push_back(c[2].mean - c[1].mean);
    }
    double spacingSd = 0.0;
    if (!gapsAA.empty()) {
        const auto [m, sd] = robustCentreOf(std::move(gapsAA));
        r.spacingAA = static_cast<float>(m);
        spacingSd = std::max(spacingSd, sd);
    }
    if (!gapsBB.empty()) {
        const auto [m, sd] = robustCentreOf(std::move(gapsBB));
        r.spacingBB = static_cast<float>(m);
        spacingSd = std::max(spacingSd, sd);
    }
    if (spacingSd > 0.0) r.spacingSd = static_cast<float>(spacingSd);

    // Spreads: pooled within-cluster SD of every genotype.
    double m2[kGenotypes] = {}, dof[kGenotypes] = {};
    for (const SnpClusters& c : clusters)
        for (int g = 0; g < kGenotypes; ++g)
            if (c[g].n >= 2) {
                m2[g] += c[g].m2;
                dof[g] += c[g].n - 1;
            }
    float* spread[kGenotypes] = {&r.spreadAA, &r.spreadAB, &r.spreadBB};
    for (int g = 0; g < kGenotypes; ++g)
        if (dof[g] > 0.0 && m2[g] > 0.0) *spread[g] = static_cast<float>(std::sqrt(m2[g] / dof[g]));

    // AB centres: their spread over the array less what their members' noise adds.
    std::vector<double> centres;
    double inverseCount = 0.0;
    for (const SnpClusters& c : clusters)
        if (c[1].n > 0) {
            centres.push_back(c[1].mean);
            inverseCount += 1.0 / c[1].n;
        }
    if (!centres.empty()) {
        const double noise =
            static_cast<double>(r.spreadAB) * r.spreadAB * inverseCount / static_cast<double>(centres.size());
        const auto [m, sd] = robustCentreOf(std::move(centres));
        r.centreABMean = static_cast<float>(m);
        const double floor = kAlleleLearning.centreABSdFloor * r.spreadAB;
        r.centreABSd = static_cast<float>(std::sqrt(std::max(sd * sd - noise, floor * floor)));
    }
    return r;
}

AlleleRelation roundedForFile(AlleleRelation r) {
    for (float* f : {&r.spacingAA, &r.spacingBB, &r.spacingSd, &r.spreadAA, &r.spreadAB, &r.spreadBB,
                     &r.centreABMean, &r.centreABSd})
        *f = toFileRelation(*f);
    return r;
}

bool firstRelation(const SnpMajor& data, int count, int stride, AlleleRelation& r) {
    const double bin = kAlleleLearning.differenceBin;
    const std::size_t bins = static_cast<std::size_t>(kAlleleLearning.differenceRange / bin);
    std::vector<double> histogram(bins, 0.0);
    const int refs = std::min(data.references, kAlleleLearning.histogramReferences);
    SnpValues v;
    for (int i = 0; i < count; i += stride) {
        data.gather(i, v);
        const std::size_t used = std::min<std::size_t>(v.x.size(), static_cast<std::size_t>(refs));
        for (std::size_t a = 0; a < used; ++a)
            for (std::size_t b = a + 1; b < used; ++b) {
                const double d = std::abs(static_cast<double>(v.x[a]) - v.x[b]);
                const auto k = static_cast<std::size_t>(d / bin);
                if (k < bins) histogram[k] += 1.0;
            }
    }
    // Smoothed over seven bins.
    std::vector<double> smooth(bins, 0.0);
    for (std::size_t k = 0; k < bins; ++k)
        for (std::size_t j = k >= 3 ? k - 3 : 0; j <= std::min(bins - 1, k + 3); ++j)
            smooth[k] += histogram[j];
    // Same-genotype pairs fall off from 0; the first valley after they halved ends them.
    const double top = *std::max_element(smooth.begin(), smooth.begin() + 6);
    std::size_t k = 0;
    while (k < bins && smooth[k] >= 0.5 * top) ++k;
    while (k + 1 < bins && smooth[k + 1] < smooth[k]) ++k;
    const std::size_t valley = k;
    if (valley + 1 >= bins) return false;
    const double beyond =
        *std::max_element(smooth.begin() + static_cast<std::ptrdiff_t>(valley), smooth.end());
    if (beyond <= smooth[valley] * 1.5 || beyond <= 0.0) return false;
    // The first clear peak after the valley is the spacing of adjacent genotypes.
    std::size_t peak = valley;
    while (peak + 1 < bins && !(smooth[peak] >= 0.25 * beyond && smooth[peak + 1] < smooth[peak])) ++peak;
    const double spacing = (static_cast<double>(peak) + 0.5) * bin;
    // Noise of one reference: same-genotype differences have twice its variance.
    double sumSquares = 0.0, pairs = 0.0;
    for (std::size_t j = 0; j < valley; ++j) {
        const double mid = (static_cast<double>(j) + 0.5) * bin;
        sumSquares += histogram[j] * mid * mid;
        pairs += histogram[j];
    }
    const double spread = pairs > 0.0 ? std::sqrt(sumSquares / pairs / 2.0) : 0.25 * spacing;
    r.spacingAA = r.spacingBB = static_cast<float>(spacing);
    r.spacingSd = static_cast<float>(std::max(spread, 0.05 * spacing));
    r.spreadAA = r.spreadAB = r.spreadBB = static_cast<float>(std::max(spread, 1e-3));

    // Where the AB centres lie: the middle group of SNPs that show three, the midpoint of those
    // that show AA and BB alone.
    std::vector<double> centres;
    for (int i = 0; i < count; i += stride) {
        data.gather(i, v);
        if (v.x.size() < 2) continue;
        std::sort(v.x.begin(), v.x.end());
        std::vector<std::pair<double, int>> groups; // sum, size
        groups.push_back({v.x[0], 1});
        for (std::size_t q = 1; q < v.x.size(); ++q) {
            if (v.x[q] - v.x[q - 1] > 0.5 * spacing) groups.push_back({0.0, 0});
            groups.back().first += v.x[q];
            ++groups.back().second;
        }
        if (groups.size() == 3) centres.push_back(groups[1].first / groups[1].second);
        if (groups.size() == 2) {
            const double lo = groups[0].first / groups[0].second, hi = groups[1].first / groups[1].second;
            if (hi - lo > 1.5 * spacing) centres.push_back(0.5 * (lo + hi));
        }
    }
    if (centres.size() >= 50) {
        const auto [m, sd] = robustCentreOf(std::move(centres));
        r.centreABMean = static_cast<float>(m);
        r.centreABSd = static_cast<float>(std::max(sd, spread));
    } else {
        // Too few SNPs show their AB place: a vague prior around the middle of all values.
        std::vector<double> all;
        for (std::size_t q = 0; q < data.x.size(); ++q)
            if (std::isfinite(data.x[q])) all.push_back(data.x[q]);
        r.centreABMean = static_cast<float>(medianOf(all));
        r.centreABSd = static_cast<float>(spacing);
    }
    return true;
}

} // namespace varn::learning
