#include "InformativeSnps.h"

#include "AlleleParameters.h"
#include "document/CVARNDoc.h"

#include <algorithm>
#include <cmath>

namespace varn {

namespace {

const AlleleParameters& kP = kAlleleParameters;

// How far a B-allele fraction lies from the nearer homozygous end; negative beyond it.
double distanceFromHomozygous(float baf) { return std::min<double>(baf, 1.0 - baf); }

double medianOf(std::vector<double>& values) {
    auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

double logNormal(double x, double mean, double sd) {
    const double z = (x - mean) / sd;
    return -0.5 * z * z - std::log(sd);
}

// The SD of the B-allele fraction at SNPs the sample calls homozygous, from their median absolute
// distance to the end (robust against the few that are heterozygous in an imbalanced stretch).
double homozygousNoiseOf(const CVARNDoc& doc, const BAlleleFraction& baf) {
    std::vector<double> distance;
    for (const AlleleSnp& s : baf.snps) {
        const int call = doc.snpCall[s.record];
        if (std::isfinite(s.baf) && (call == kCallAA || call == kCallBB))
            distance.push_back(std::fabs(distanceFromHomozygous(s.baf)));
    }
    if (distance.empty()) return 0.01;
    return std::max(0.002, 1.4826 * medianOf(distance));
}

double priorOf(const CVARNDoc& doc, int pos) {
    const double h = std::clamp(static_cast<double>(doc.heteroRate[pos]), 0.01, 0.99);
    return std::log(h / (1.0 - h));
}

double callTerm(int call) {
    if (call == kCallAB) return std::log(kP.callAbIfHeterozygous / kP.callAbIfHomozygous);
    if (call == kCallAA || call == kCallBB)
        return std::log((1.0 - kP.callAbIfHeterozygous) / (1.0 - kP.callAbIfHomozygous));
    return 0.0;
}

// One chromosome, SNPs [begin, end) of baf.snps.
void decideChromosome(const CVARNDoc& doc, const BAlleleFraction& baf, std::size_t begin, std::size_t end,
                      double homNoise, InformativeSnps& out) {
    const double clear = std::max(kP.clearDistance, kP.clearHomozygousSds * homNoise);
    std::vector<std::size_t> clearSnps; // clearly heterozygous, in order
    for (std::size_t i = begin; i < end; ++i) {
        const float b = baf.snps[i].baf;
        if (std::isfinite(b) && distanceFromHomozygous(b) > clear) clearSnps.push_back(i);
    }
    // The band a SNP's neighbours show: the clear SNPs within bandWindow on either side, the
    // SNP itself left out so that it is judged by the others.
    const std::size_t window = static_cast<std::size_t>(kP.bandWindow);
    std::size_t lo = 0; // first clear SNP not before i - window
    std::vector<double> band;
    for (std::size_t i = begin; i < end; ++i) {
        const AlleleSnp& s = baf.snps[i];
        if (!std::isfinite(s.baf)) continue;
        while (lo < clearSnps.size() && clearSnps[lo] + window < i) ++lo;
        band.clear();
        for (std::size_t j = lo; j < clearSnps.size() && clearSnps[j] <= i + window; ++j)
            if (clearSnps[j] != i) band.push_back(distanceFromHomozygous(baf.snps[clearSnps[j]].baf));
        const double d = distanceFromHomozygous(s.baf);
        double heterozygous = std::log(2.0); // on its own: anywhere between the ends
        if (static_cast<int>(band.size()) >= kP.minBandSnps) {
            const double centre = medianOf(band);
            for (double& v : band) v = std::fabs(v - centre);
            const double spread = std::max(kP.minBandSpread, 1.4826 * medianOf(band));
            heterozygous = logNormal(d, centre, spread);
        }
        const double odds = priorOf(doc, s.pos) + heterozygous - logNormal(d, 0.0, homNoise) +
                            callTerm(doc.snpCall[s.record]);
        out.informative[i] = odds > 0.0;
    }

    // A neighbourhood far more heterozygous than the population allows measures no alleles.
    const std::size_t reach = static_cast<std::size_t>(kP.excessWindow);
    std::vector<char> excess(end - begin, 0);
    for (std::size_t i = begin; i < end; ++i) {
        const std::size_t a = i >= begin + reach ? i - reach : begin, b = std::min(end, i + reach + 1);
        int looked = 0, heterozygous = 0;
        double expected = 0.0;
        for (std::size_t j = a; j < b; ++j) {
            if (!std::isfinite(baf.snps[j].baf)) continue;
            ++looked;
            heterozygous += out.informative[j];
            expected += doc.heteroRate[baf.snps[j].pos];
        }
        excess[i - begin] = looked > 0 && heterozygous > kP.excessShare * looked &&
                            heterozygous > kP.excessOverExpected * expected;
    }
    for (std::size_t i = begin; i < end; ++i)
        if (excess[i - begin]) out.informative[i] = 0;
}

} // namespace

InformativeSnps informativeFromSample(const CVARNDoc& doc, const BAlleleFraction& baf) {
    InformativeSnps out;
    out.informative.assign(baf.snps.size(), 0);
    out.homozygousNoise = homozygousNoiseOf(doc, baf);
    std::size_t begin = 0;
    while (begin < baf.snps.size()) {
        std::size_t end = begin + 1;
        while (end < baf.snps.size() && baf.snps[end].chromosome == baf.snps[begin].chromosome) ++end;
        decideChromosome(doc, baf, begin, end, out.homozygousNoise, out);
        begin = end;
    }
    out.count = static_cast<int>(std::count(out.informative.begin(), out.informative.end(), 1));
    return out;
}

InformativeSnps informativeFromNormal(const CVARNDoc& doc, const BAlleleFraction& baf) {
    InformativeSnps out;
    out.fromNormal = true;
    out.informative.assign(baf.snps.size(), 0);
    out.homozygousNoise = homozygousNoiseOf(doc, baf);
    for (std::size_t i = 0; i < baf.snps.size(); ++i)
        out.informative[i] = std::isfinite(baf.snps[i].baf) && doc.normalSnpCall[baf.snps[i].record] == kCallAB;
    out.count = static_cast<int>(std::count(out.informative.begin(), out.informative.end(), 1));
    return out;
}

} // namespace varn
