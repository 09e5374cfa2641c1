#include "DemoCytobands.h"

#include "DemoChromosomes.h"
#include "DemoRandom.h"

#include <algorithm>
#include <cstdio>

namespace varn::demo {

namespace {

constexpr int kAcenWidth = 1500000;

// Names of an arm's bands from the centromere outward: regions 1, 2, 3 ..., bands 1..n in each,
// some split into sub-bands ".1", ".2" (and a few of those again, ".31", ".32"). The first band
// is always region 1 band 1 sub-band 1, the one that touches the centromere.
std::vector<std::string> armBandNames(char arm, int count, DemoRandom& rng) {
    std::vector<std::string> names;
    char text[64];
    names.push_back(std::string(1, arm) + "11.1");
    names.push_back(std::string(1, arm) + "11.2");
    int region = 1;
    int band = 2;
    int bandsInRegion = 2 + rng.below(3);
    while (static_cast<int>(names.size()) < count) {
        // Regions run to 9 at most; a longer arm keeps counting bands within region 9.
        if (band > bandsInRegion && region < 9) {
            ++region;
            band = 1;
            bandsInRegion = 2 + rng.below(5);
        }
        const int split = rng.chance(0.35) ? 2 + rng.below(2) : 0;
        if (split == 0) {
            std::snprintf(text, sizeof text, "%c%d%d", arm, region, band);
            names.push_back(text);
        } else {
            for (int s = 1; s <= split && static_cast<int>(names.size()) < count; ++s) {
                if (rng.chance(0.15)) {
                    for (int u = 1; u <= 3 && static_cast<int>(names.size()) < count; ++u) {
                        std::snprintf(text, sizeof text, "%c%d%d.%d%d", arm, region, band, s, u);
                        names.push_back(text);
                    }
                } else {
                    std::snprintf(text, sizeof text, "%c%d%d.%d", arm, region, band, s);
                    names.push_back(text);
                }
            }
        }
        ++band;
    }
    names.resize(static_cast<std::size_t>(count));
    return names;
}

// Alternating light and dark G-bands after the acen band.
int gBandStain(int index, DemoRandom& rng) {
    if (index % 2 == 1) return kStainGneg;
    return kStainGpos25 + rng.below(4);
}

// Splits [from, to) into bands of random widths; the names run from `from` outward when
// outwardUp is true (the q arm), else from `to` downward (the p arm).
void addArm(std::vector<Band>& out, int from, int to, const std::vector<std::string>& names,
            const std::vector<int>& stains, const std::vector<double>& weights, bool outwardUp) {
    const std::size_t n = names.size();
    double total = 0.0;
    for (double w : weights) total += w;
    std::vector<Band> arm(n);
    double edge = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double a = edge;
        edge += weights[i] / total * (to - from);
        Band b;
        b.stain = stains[i];
        b.name = names[i];
        if (outwardUp) {
            b.start = from + static_cast<int>(a);
            b.end = i + 1 == n ? to : from + static_cast<int>(edge);
        } else {
            b.end = to - static_cast<int>(a);
            b.start = i + 1 == n ? from : to - static_cast<int>(edge);
        }
        arm[i] = b;
    }
    if (!outwardUp) std::reverse(arm.begin(), arm.end());
    out.insert(out.end(), arm.begin(), arm.end());
}

std::vector<Band> chromosomeBands(int c, DemoRandom& rng) {
    const int length = kChromosomeLength[c];
    const int cen = kCentromere[c];
    std::vector<Band> bands;

    // Short arm, listed from the centromere outward.
    std::vector<std::string> pNames;
    std::vector<int> pStains;
    std::vector<double> pWeights;
    if (isAcrocentric(c)) {
        pNames = {"p11.1", "p11.2", "p12", "p13"};
        pStains = {kStainAcen, kStainGvar, kStainStalk, kStainGvar};
        const double rest = (cen - kAcenWidth) / 3.0;
        pWeights = {double(kAcenWidth), rest * 0.4, rest * 1.3, rest * 1.3};
    } else {
        const int count = std::max(3, (cen - kAcenWidth) / 5000000 + 1);
        pNames = armBandNames('p', count, rng);
        pStains.push_back(kStainAcen);
        pWeights.push_back(kAcenWidth);
        const double rest = double(cen - kAcenWidth);
        std::vector<double> w;
        double sum = 0.0;
        for (int i = 1; i < count; ++i) {
            w.push_back(rng.uniform(0.5, 1.5));
            sum += w.back();
        }
        for (int i = 1; i < count; ++i) {
            pStains.push_back(gBandStain(i, rng));
            pWeights.push_back(w[static_cast<std::size_t>(i - 1)] / sum * rest);
        }
    }
    addArm(bands, 0, cen, pNames, pStains, pWeights, false);

    // Long arm, from the centromere outward.
    const int qCount = std::max(3, (length - cen - kAcenWidth) / 5000000 + 1);
    std::vector<std::string> qNames = armBandNames('q', qCount, rng);
    std::vector<int> qStains{kStainAcen};
    std::vector<double> qWeights{double(kAcenWidth)};
    const bool heterochromatin = c == 1 || c == 9 || c == 16;
    std::vector<double> w;
    double sum = 0.0;
    for (int i = 1; i < qCount; ++i) {
        w.push_back(rng.uniform(0.5, 1.5) * (heterochromatin && i == 2 ? 3.0 : 1.0));
        sum += w.back();
    }
    for (int i = 1; i < qCount; ++i) {
        qStains.push_back(heterochromatin && i == 2 ? kStainGvar : gBandStain(i, rng));
        qWeights.push_back(w[static_cast<std::size_t>(i - 1)] / sum * double(length - cen - kAcenWidth));
    }
    if (heterochromatin) qNames[2] = "q12";
    addArm(bands, cen, length, qNames, qStains, qWeights, true);
    return bands;
}

} // namespace

std::vector<std::vector<Band>> makeCytobands(DemoRandom& rng) {
    std::vector<std::vector<Band>> all(kUnplacedChromosome + 1);
    for (int c = 1; c <= kUnplacedChromosome; ++c) all[static_cast<std::size_t>(c)] = chromosomeBands(c, rng);
    return all;
}

const Band& bandAt(const std::vector<Band>& bands, int position) {
    auto it = std::upper_bound(bands.begin(), bands.end(), position,
                               [](int p, const Band& b) { return p < b.end; });
    return it == bands.end() ? bands.back() : *it;
}

} // namespace varn::demo
