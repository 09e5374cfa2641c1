#include "SampleSex.h"

#include "document/CVARNDoc.h"
#include "document/ChromosomeTable.h"
#include "document/profile/Profile.h"
#include "engine/alleles/AlleleModel.h"
#include "engine/common/RobustStatistics.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

namespace varn {

namespace {

// X needs this many expected heterozygous SNPs (sum of the rates) to be read at all; a woman's
// share lies near 1 and a man's near the strays' 0.02, so the middle divides them widely.
constexpr double kMinExpected = 20.0;
constexpr double kFemaleShare = 0.4;


} // namespace

SexReading readSampleSex(const Profile& profile, const InformativeSnps& informative,
                         const double baseline[3]) {
    SexReading r;
    double seen[2] = {}, expected[2] = {};
    std::vector<double> levels;
    for (std::size_t i = 0; i < profile.size(); ++i) {
        const int x = profile.chromosome[i] == kChromosomeX ? 1 : 0;
        const float ln = profile.logRatio[i];
        if (x == 1 && std::isfinite(ln)) levels.push_back(ln - baseline[profile.array[i] + 1]);
        if (!profile.hasBaf() || !std::isfinite(profile.baf[i])) continue;
        expected[x] += profile.heterozygosity[i];
        seen[x] += informative.informative[i] != 0;
    }
    if (expected[1] < kMinExpected || expected[0] <= 0.0 || seen[0] <= 0.0) return r;
    r.read = true;
    r.heterozygousShare = (seen[1] / expected[1]) / (seen[0] / expected[0]);
    r.male = r.heterozygousShare < kFemaleShare;
    r.xLevel = medianOf(levels, 0.0);
    return r;
}

int PoolSexes::men() const { return static_cast<int>(std::count(male.begin(), male.end(), 1)); }

PoolSexes poolSexes(const CVARNDoc& doc, int t) {
    PoolSexes out;
    if (t != kXba && t != kHind) return out;
    const AlleleModel& model = doc.alleleModel[t];
    out.references = doc.refCount[t] - 1;
    if (model.empty() || out.references < 1) return out;
    double heterozygous[2] = {}, expected[2] = {};
    std::vector<std::vector<double>> rowLevels[2];
    rowLevels[0].resize(static_cast<std::size_t>(out.references));
    rowLevels[1].resize(static_cast<std::size_t>(out.references));
    for (int pos = doc.snpFirst[t]; pos <= doc.snpLast[t]; ++pos) {
        const int snp = doc.arrangeOrder[pos];
        const int i = snp - model.first;
        if (i < 0 || i >= model.size() || !std::isfinite(model.centreAB[static_cast<std::size_t>(i)])) continue;
        const int ch = doc.snpChromosome[snp];
        if (ch < 1 || ch > kChromosomeX) continue;
        const int x = ch == kChromosomeX ? 1 : 0;
        heterozygous[x] += model.countAB[static_cast<std::size_t>(i)];
        expected[x] += doc.heteroRate[pos] * out.references;
        // Each reference's signal against the references' mean at this SNP (the SNP's probe
        // affinity cancels).
        double mean = 0.0;
        bool usable = true;
        for (int row = 1; row <= out.references; ++row) {
            const double v = doc.poolSignal[row][snp];
            usable = usable && v > 0.0 && std::isfinite(v);
            if (usable) mean += std::log(v);
        }
        if (!usable) continue;
        mean /= out.references;
        for (int row = 1; row <= out.references; ++row)
            rowLevels[x][static_cast<std::size_t>(row - 1)].push_back(std::log(doc.poolSignal[row][snp]) - mean);
    }
    if (expected[1] < kMinExpected || heterozygous[0] <= 0.0) return out;
    const double women = std::clamp((heterozygous[1] / expected[1]) / (heterozygous[0] / expected[0]), 0.0, 1.0);
    const int men = static_cast<int>(std::lround((1.0 - women) * out.references));
    std::vector<double> xAgainstAutosomes(static_cast<std::size_t>(out.references));
    for (std::size_t r = 0; r < xAgainstAutosomes.size(); ++r)
        xAgainstAutosomes[r] = medianOf(rowLevels[1][r], 0.0) - medianOf(rowLevels[0][r], 0.0);
    std::vector<int> order(xAgainstAutosomes.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return xAgainstAutosomes[static_cast<std::size_t>(a)] < xAgainstAutosomes[static_cast<std::size_t>(b)]; });
    out.male.assign(xAgainstAutosomes.size(), 0);
    for (int n = 0; n < men; ++n) out.male[static_cast<std::size_t>(order[static_cast<std::size_t>(n)])] = 1;
    out.read = true;
    return out;
}

std::string sexContradiction(const SexReading& sex, double expectedFemale, double expectedMale,
                             const std::string& sample) {
    if (!sex.read) return {};
    // A quarter of the way between the two normal levels: a tumour's own change of X moves its
    // median less than that unless most of X changed, and then the alleles show it as well.
    const double margin = 0.25 * std::fabs(expectedFemale - expectedMale);
    const bool contradicts = sex.male ? sex.xLevel >= expectedFemale - margin : sex.xLevel <= expectedMale + margin;
    if (!contradicts) return {};
    return "the X of " + sample + " reads " + (sex.male ? "male" : "female") +
           " by its heterozygous SNPs but lies at the level of " + (sex.male ? "two copies" : "one copy") +
           " against the pool's references; X is left undecoded";
}

} // namespace varn
