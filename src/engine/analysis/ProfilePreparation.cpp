// The heterozygous cluster of an array's B-allele fraction sits where its probes put it: where the
// B probes bind better than the A probes, a heterozygote reads k / (k + 1) with k their ratio of
// affinities, and a share f of B copies reads k f / (k f + 1 - f), which keeps the homozygotes at
// 0 and 1 (on the raw fraction of Affymetrix's GenomeWideSNP_6, in Debian's r-cran-pscbs, the
// probes' cross-hybridisation also keeps them a tenth off the ends). Left as it is, an
// off-centre cluster reads as allelic imbalance all over the genome. The centre is measured and
// the affinity ratio undone: genome-wide from the sample's own heterozygous SNPs, or, with the
// patient's normal, SNP by SNP from the normal's fraction at that SNP, as PSCBS's TumorBoost
// normalises a tumour by its normal.
#include "ProfilePreparation.h"

#include "document/ChromosomeTable.h"
#include "engine/common/RobustStatistics.h"

#include <algorithm>
#include <cmath>

namespace varn {

namespace {

// Heterozygous SNPs that place a centre: called AB, or without calls, a fraction this far from
// both ends (the homozygous clusters spread a few hundredths, the heterozygous one about 0.05).
constexpr double kClearOfEnds = 0.2;
// A SNP's own centre, from its normal, is taken within these bounds: beyond them the normal's
// value is a miscall or a failed probe, not the probes' affinities.
constexpr double kLowestCentre = 0.3, kHighestCentre = 0.7;

float unclustered(float baf, double offset) {
    if (!std::isfinite(baf) || offset <= 0.0) return baf;
    return static_cast<float>((baf - offset) / (1.0 - 2.0 * offset));
}

// The fraction of B copies a reading r stands for, where a heterozygote reads `centre`.
float centred(float r, double centre) {
    if (!std::isfinite(r) || centre == 0.5) return r;
    const double k = centre / (1.0 - centre);
    const double x = std::clamp(static_cast<double>(r), 0.0, 1.0);
    const double f = x / (x + k * (1.0 - x));
    return static_cast<float>(f + (r - x)); // a value beyond an end stays as far beyond it
}

bool clearlyHeterozygous(float baf, int call, bool called) {
    if (!std::isfinite(baf)) return false;
    if (called && call != kCallAB) return false;
    return std::min(baf, 1.0f - baf) > kClearOfEnds;
}

// The median of the autosomes' clearly heterozygous fractions; 0.5 without any.
double centreOf(const Profile& p, const std::vector<float>& baf, const std::vector<std::int8_t>& calls) {
    std::vector<double> values;
    for (std::size_t i = 0; i < baf.size(); ++i)
        if (p.chromosome[i] <= 22 &&
            clearlyHeterozygous(baf[i], calls.empty() ? kNoCall : calls[i], !calls.empty()))
            values.push_back(baf[i]);
    return medianOf(values, 0.5);
}

// The share of autosomal SNPs with a fraction that are heterozygous.
double heterozygousShare(const Profile& p, const std::vector<float>& baf,
                         const std::vector<std::int8_t>& calls) {
    std::size_t seen = 0, heterozygous = 0;
    for (std::size_t i = 0; i < baf.size(); ++i) {
        if (p.chromosome[i] > 22 || !std::isfinite(baf[i])) continue;
        ++seen;
        heterozygous += clearlyHeterozygous(baf[i], calls.empty() ? kNoCall : calls[i], !calls.empty());
    }
    return seen > 0 ? static_cast<double>(heterozygous) / seen : 0.0;
}

} // namespace

PreparedProfile prepareProfile(const Profile& read) {
    PreparedProfile out;
    out.platform = platformOf(read);
    out.profile = read;
    Profile& p = out.profile;
    const double gamma = out.platform.compression;
    if (gamma != 1.0)
        for (float& l : p.logRatio) l = static_cast<float>(l / gamma);

    const double offset = out.platform.homozygousOffset;
    for (float& b : p.baf) b = unclustered(b, offset);
    for (float& b : p.normalBaf) b = unclustered(b, offset);
    const bool normal = !p.normalBaf.empty();
    out.heterozygousCentre = p.hasBaf() ? std::nan("") : 0.5;
    if (p.hasBaf()) {
        // The sample's centre; with the normal, the normal's own (the tumour's heterozygous
        // SNPs are moved by its imbalances, the normal's are not).
        out.heterozygousCentre =
            normal ? centreOf(p, p.normalBaf, p.normalGenotype) : centreOf(p, p.baf, p.genotype);
        out.centredByNormal = normal;
        for (std::size_t i = 0; i < p.size(); ++i) {
            double centre = out.heterozygousCentre;
            if (normal &&
                clearlyHeterozygous(p.normalBaf[i], p.normalGenotype.empty() ? kNoCall : p.normalGenotype[i],
                                    !p.normalGenotype.empty()))
                centre = std::clamp(static_cast<double>(p.normalBaf[i]), kLowestCentre, kHighestCentre);
            p.baf[i] = centred(p.baf[i], centre);
            if (normal) p.normalBaf[i] = centred(p.normalBaf[i], centre);
        }
    }

    // Each SNP's prior of a heterozygous germline: its population frequencies' where given, else
    // the share measured on the normal, or on the sample (whose losses lower it a little).
    out.heterozygosity = out.platform.heterozygosity;
    if (p.hasBaf()) {
        const double share = normal ? heterozygousShare(p, p.normalBaf, p.normalGenotype)
                                    : heterozygousShare(p, p.baf, p.genotype);
        if (share > 0.0) out.heterozygosity = share;
    }
    if (p.heterozygosity.empty()) p.heterozygosity.assign(p.size(), static_cast<float>(out.heterozygosity));
    for (float& h : p.heterozygosity)
        if (!std::isfinite(h)) h = static_cast<float>(out.heterozygosity);
    return out;
}

} // namespace varn
