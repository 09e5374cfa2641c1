#include "AlleleClusters.h"

#include <algorithm>

namespace varn::learning {

float toFile(double x) {
    return static_cast<float>(std::round(x * 1e4) / 1e4);
}
float toFileRelation(double x) {
    return static_cast<float>(std::round(x * 1e6) / 1e6);
}

// Prior of each genotype at a SNP of population heterozygosity h, with the log of its cluster's
// spread taken off (the normalising term of its normal density).
std::array<double, kGenotypes> logPriors(float heteroRate, const double logSpread[kGenotypes]) {
    const double lo = kAlleleLearning.minimumHeteroRate;
    const double h = std::clamp(static_cast<double>(heteroRate), lo, 1.0 - lo);
    const double hom = std::log((1.0 - h) / 2.0);
    return {hom - logSpread[0], std::log(h) - logSpread[1], hom - logSpread[2]};
}

// The centres of one SNP's clusters (see settleCentres); NaN when no member at all.
std::array<double, kGenotypes> centresOf(const SnpClusters& c, const AlleleRelation& r) {
    int n = 0;
    double sum = 0.0;
    for (int g = 0; g < kGenotypes; ++g) {
        n += c[g].n;
        sum += c[g].n * (c[g].mean - offsetOf(r, g));
    }
    std::array<double, kGenotypes> centre{};
    if (n == 0) {
        centre.fill(std::numeric_limits<double>::quiet_NaN());
        return centre;
    }
    const double ab = sum / n; // the SNP's AB place as all its members see it
    const double w = kAlleleLearning.priorWeight;
    for (int g = 0; g < kGenotypes; ++g) {
        const double place = ab + offsetOf(r, g);
        centre[g] = (c[g].n * c[g].mean + w * place) / (c[g].n + w);
    }
    // Clusters keep their order: a homozygous centre on the wrong side of AB is a lone stray
    // value, and the relation's place stands for it.
    if (!(centre[0] < centre[1])) centre[0] = centre[1] - r.spacingAA;
    if (!(centre[2] > centre[1])) centre[2] = centre[1] + r.spacingBB;
    return centre;
}

void storeClusters(AlleleModel& m, int i, const SnpClusters& c) {
    const auto at = static_cast<std::size_t>(i);
    std::vector<unsigned short>* count[kGenotypes] = {&m.countAA, &m.countAB, &m.countBB};
    std::vector<float>* mean[kGenotypes] = {&m.meanAA, &m.meanAB, &m.meanBB};
    std::vector<float>* sd[kGenotypes] = {&m.sdAA, &m.sdAB, &m.sdBB};
    for (int g = 0; g < kGenotypes; ++g) {
        (*count[g])[at] = static_cast<unsigned short>(std::min(c[g].n, 65535));
        (*mean[g])[at] = c[g].n > 0 ? toFile(c[g].mean) : kNaN;
        (*sd[g])[at] = c[g].n >= 2 ? toFile(std::sqrt(c[g].m2 / (c[g].n - 1))) : 0.0f;
    }
}

SnpClusters clustersOf(const AlleleModel& m, int i) {
    const auto at = static_cast<std::size_t>(i);
    const unsigned short count[kGenotypes] = {m.countAA[at], m.countAB[at], m.countBB[at]};
    const float mean[kGenotypes] = {m.meanAA[at], m.meanAB[at], m.meanBB[at]};
    const float sd[kGenotypes] = {m.sdAA[at], m.sdAB[at], m.sdBB[at]};
    SnpClusters c;
    for (int g = 0; g < kGenotypes; ++g) {
        c[g].n = count[g];
        c[g].mean = c[g].n > 0 ? mean[g] : 0.0;
        c[g].m2 = c[g].n >= 2 ? static_cast<double>(sd[g]) * sd[g] * (c[g].n - 1) : 0.0;
    }
    return c;
}

void sizeModel(AlleleModel& m, int count) {
    const auto n = static_cast<std::size_t>(count);
    for (auto* v :
         {&m.centreAA, &m.centreAB, &m.centreBB, &m.meanAA, &m.meanAB, &m.meanBB, &m.sdAA, &m.sdAB, &m.sdBB})
        v->assign(n, 0.0f);
    for (auto* v : {&m.countAA, &m.countAB, &m.countBB}) v->assign(n, 0);
}

} // namespace varn::learning
