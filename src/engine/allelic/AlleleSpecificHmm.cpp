// The allele-specific HMM: Viterbi over the sixteen clonal states and the subclonal steps between
// them, along one chromosome.
//
// Emissions, per SNP and state (k, j), as negative natural logarithms:
//   the log ratio x:   Gaussian around the state's level with the array's noise, mixed with a
//                      small even share of outliers;
//   the alleles:       whether the SNP is informative, a Bernoulli with P = h * share where the
//                      minor allele shows, h * stray where it does not (h the SNP's population
//                      heterozygosity rate), so that a run of SNPs without a second allele says
//                      LOH even in a pure tumour, where no band is left to measure;
//   an informative SNP's mirrored B-allele fraction y = max(b, 1 - b): the folded Gaussian of a
//                      band at 0.5 +- delta (its mirrored values are |0.5 + delta + noise - 0.5|
//                      folded at 0.5), mixed with outliers even over 0.5 .. 1.
// Each Gaussian over its outliers is read off a table of its cost (MixtureCostTable.h).
// Transitions as the seven-state HMM: a change to any one other state has probability
// 0.5 tanh(2d / 10^8) for neighbours d bases apart, staying the rest; a change into a subclonal
// state (see AlleleSpecificHmm.h) a tenth of that.
#include "AlleleSpecificHmm.h"

#include "engine/allelic/MixtureCostTable.h"
#include "engine/common/ContentKey.h"
#include "engine/common/KeptValues.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <mutex>
#include <vector>

namespace varn {

namespace {

constexpr double kLnSqrt2Pi = 0.91893853320467274178;

// For each state, the first state whose terms are formed from the same numbers: the minor counts
// of one total share its level, and the states split into two kinds by whether their minor allele
// shows (and those that show, by their band). Each term is then formed once per SNP for each
// distinct value, not sixteen times.
struct Repeats {
    int level[kHmmStates];
    int share[kHmmStates];
    int band[kHmmStates];
};

Repeats repeatsOf(const AlleleHmmArray& a) {
    Repeats r{};
    for (int s = 0; s < kHmmStates; ++s) {
        r.level[s] = r.share[s] = r.band[s] = s;
        for (int o = s - 1; o >= 0; --o) {
            if (a.level[o] == a.level[s]) r.level[s] = o;
            if (a.shows[o] == a.shows[s]) r.share[s] = o;
            if (a.shows[o] == a.shows[s] && (!a.shows[s] || a.band[o] == a.band[s])) r.band[s] = o;
        }
    }
    return r;
}

// Beyond this z^2 a Gaussian term of peak density scale / sd (sqrt 2 pi) is below 2^-54 of the
// floor it is added to, with room for a band's two terms and for rounding: there the cost is the
// floor's alone, and the tables end.
double negligibleZ2(double scale, double sd, double floor) {
    return 2.0 * (std::log(scale / (sd * floor)) - kLnSqrt2Pi + 54.0 * std::log(2.0) + std::log(2.0) + 1.0);
}

// The cost tables of one array's noise. A level's cost is levelCost(z^2 / 2). A band's density
// of y, two Gaussians at +-delta over the outliers, is
//     K (e^-u + e^-(u + v)) + 2 o = K e^-(u - ln(1 + e^-v)) + 2 o,  u = (y - delta)^2 / 2 sd^2, v = 2 y delta
//     / sd^2,
// so its cost is bandCost(u + twin(v)) with twin(v) = -ln(1 + e^-v), one table of the same form.
struct CostTables {
    MixtureCostTable levelCost, bandCost, twin;
};

CostTables costTablesOf(double levelNoise, double bafNoise, const AlleleHmmParameters& par) {
    CostTables t;
    const double outlierLevel = par.levelOutlierShare / par.levelOutlierWidth;
    const double outlierBaf = par.bafOutlierShare * 2.0;
    const double sqrt2Pi = std::exp(kLnSqrt2Pi);
    if (levelNoise > 0.0 && outlierLevel > 0.0)
        t.levelCost =
            MixtureCostTable((1.0 - par.levelOutlierShare) / (levelNoise * sqrt2Pi), outlierLevel, 0.0,
                             0.5 * negligibleZ2(1.0 - par.levelOutlierShare, levelNoise, outlierLevel));
    if (bafNoise > 0.0 && outlierBaf > 0.0)
        t.bandCost = MixtureCostTable((1.0 - par.bafOutlierShare) / (bafNoise * sqrt2Pi), outlierBaf, -1.0,
                                      0.5 * negligibleZ2(1.0 - par.bafOutlierShare, bafNoise, outlierBaf));
    t.twin = MixtureCostTable(1.0, 1.0, 0.0, 40.0); // e^-40: the twin has vanished
    return t;
}

// The chains of one decoding share their arrays' noise and run side by side: their tables are
// built once and kept (the last few) for all of them.
std::shared_ptr<const CostTables> keptCostTables(double levelNoise, double bafNoise,
                                                 const AlleleHmmParameters& par) {
    static std::mutex mutex;
    static std::vector<Kept<CostTables>> kept;
    ContentKey key;
    for (const double v :
         {levelNoise, bafNoise, par.levelOutlierShare, par.levelOutlierWidth, par.bafOutlierShare})
        key.add(v);
    const std::lock_guard<std::mutex> lock(mutex);
    return findKept(kept, key.value(), [&] { return costTablesOf(levelNoise, bafNoise, par); });
}

struct ArrayCosts {
    Repeats repeats;
    std::shared_ptr<const CostTables> tables;
    double levelScale = 0.0; // 1 / (2 sd^2): u of a level's z
    double bandScale = 0.0;
};

ArrayCosts arrayCostsOf(const AlleleHmmArray& a, const AlleleHmmParameters& par) {
    ArrayCosts c;
    c.repeats = repeatsOf(a);
    c.tables = keptCostTables(a.levelNoise, a.bafNoise, par);
    if (a.levelNoise > 0.0) c.levelScale = 0.5 / (a.levelNoise * a.levelNoise);
    if (a.bafNoise > 0.0) c.bandScale = 0.5 / (a.bafNoise * a.bafNoise);
    return c;
}

// The costs of one array for one SNP: the states' emission costs, formed once per SNP.
void emissionCosts(const AlleleHmmChain& chain, const ArrayCosts arrayCosts[3], const AlleleHmmSnp& snp,
                   const AlleleHmmParameters& par, double cost[kHmmStates]) {
    const AlleleHmmArray& a = chain.arrays[snp.array];
    const ArrayCosts& sc = arrayCosts[snp.array];
    const Repeats& r = sc.repeats;
    const CostTables& tables = *sc.tables;
    const double y = std::fabs(static_cast<double>(snp.mirroredBaf) - 0.5);
    double levelCost[kHmmStates], lnInformative[kHmmStates], lnDensity[kHmmStates];
    for (int s = 0; s < kHmmStates; ++s) {
        if (r.level[s] < s) {
            levelCost[s] = levelCost[r.level[s]];
        } else {
            const double d = snp.level - a.level[s];
            levelCost[s] = tables.levelCost(d * d * sc.levelScale);
        }
        double c = levelCost[s];
        if (snp.alleles != 0) {
            if (!chain.informativeFromNormal) {
                if (r.share[s] < s) {
                    lnInformative[s] = lnInformative[r.share[s]];
                } else {
                    const double share = a.shows[s] ? a.informativeShare : par.strayShare;
                    const double pInformative =
                        std::clamp(static_cast<double>(snp.heteroRate) * share, 1e-4, 0.99);
                    lnInformative[s] = std::log(snp.informative ? pInformative : 1.0 - pInformative);
                }
                c -= lnInformative[s];
            }
            if (snp.informative) {
                if (r.band[s] < s) {
                    lnDensity[s] = lnDensity[r.band[s]];
                } else if (!a.shows[s]) {
                    lnDensity[s] = std::log(2.0); // outliers and strays even over 0 .. 0.5
                } else {
                    // Density of y on 0 .. 0.5: outliers even (2), a band folded at 0.5.
                    const double delta = a.band[s] - 0.5;
                    const double e = y - delta;
                    const double v = std::max(0.0, 4.0 * y * delta * sc.bandScale);
                    lnDensity[s] = -tables.bandCost(e * e * sc.bandScale + tables.twin(v));
                }
                c -= lnDensity[s];
            }
        }
        cost[s] = chain.allowed[s] ? c : HUGE_VAL;
    }
}

} // namespace

const SubcloneStep* subcloneSteps() {
    static const std::vector<SubcloneStep> steps = [] {
        std::vector<SubcloneStep> out;
        for (int lower = 0; lower < kAlleleStates; ++lower)
            for (int upper = 0; upper < kAlleleStates; ++upper) {
                const AlleleState& a = alleleStates()[lower];
                const AlleleState& b = alleleStates()[upper];
                const bool oneMore = b.total == a.total + 1 && (b.minor == a.minor || b.minor == a.minor + 1);
                if (oneMore) out.push_back({lower, upper});
            }
        out.resize(kSubcloneSteps); // (k, j) to (k + 1, j) or (k + 1, j + 1): 21 pairs for k < 6
        return out;
    }();
    return steps.data();
}

int reportedAlleleState(int hmmState) {
    return hmmState < kAlleleStates ? hmmState : subcloneSteps()[hmmState - kAlleleStates].lower;
}

void fillAlleleBands(AlleleHmmArray& array, const EffectiveCopies& copies, double purity,
                     double detectableShare, bool informativeFromNormal) {
    // Each parent's DNA over the tumour cells' share (per cell, compressed as the total is) and
    // the normal cells' single copy.
    const auto tumourCopies = [&](int s, double& minor, double& total) {
        const AlleleState& st = alleleStates()[s];
        total = copies.g[st.total];
        minor = st.total > 0 ? copies.g[st.total] * st.minor / st.total : 0.0;
    };
    for (int s = 0; s < kHmmStates; ++s) {
        double minor = 0.0, total = 0.0;
        int fewest = 0;
        if (s < kAlleleStates) {
            tumourCopies(s, minor, total);
            fewest = alleleStates()[s].total;
        } else {
            const SubcloneStep& step = subcloneSteps()[s - kAlleleStates];
            double minor2 = 0.0, total2 = 0.0;
            tumourCopies(step.lower, minor, total);
            tumourCopies(step.upper, minor2, total2);
            minor = 0.5 * (minor + minor2);
            total = 0.5 * (total + total2);
            fewest = alleleStates()[step.lower].total;
        }
        // No copy left in any tumour cell: the normal cells' alleles alone, in balance.
        const double share =
            fewest == 0 && s < kAlleleStates ? 0.5 : minorShareOfCopies(minor, total, purity);
        array.band[s] = 1.0 - share;
        // No copy left in a (nearly) pure tumour: only the probes' background, no alleles at all.
        const bool nothingLeft = s < kAlleleStates && fewest == 0 && purity > 0.9;
        array.shows[s] = informativeFromNormal || (!nothingLeft && share > detectableShare);
    }
}

std::vector<int> decodeAlleleStates(const AlleleHmmChain& chain, const AlleleHmmParameters& par) {
    const std::size_t n = chain.snps.size();
    std::vector<int> states(n, 0);
    if (n == 0) return states;
    std::vector<std::array<unsigned char, kHmmStates>> back(n);
    double score[kHmmStates], next[kHmmStates], cost[kHmmStates];
    const ArrayCosts arrayCosts[3] = {arrayCostsOf(chain.arrays[0], par), arrayCostsOf(chain.arrays[1], par),
                                      arrayCostsOf(chain.arrays[2], par)};
    emissionCosts(chain, arrayCosts, chain.snps[0], par, score);
    const double lnSubcloneShare = std::log(par.subcloneShare);
    for (std::size_t i = 1; i < n; ++i) {
        const double d = std::fabs(static_cast<double>(chain.snps[i].position) - chain.snps[i - 1].position);
        const double change = 0.5 * std::tanh(2.0 * d / par.basesPerMorgan);
        const double lnStay = std::log(1.0 - change);
        const double lnChange = change > 0.0 ? std::log(change) : -HUGE_VAL;
        const double lnSubclone = lnChange + lnSubcloneShare;
        int bestFrom = 0;
        for (int s = 1; s < kHmmStates; ++s)
            if (score[s] < score[bestFrom]) bestFrom = s;
        emissionCosts(chain, arrayCosts, chain.snps[i], par, cost);
        for (int s = 0; s < kHmmStates; ++s) {
            const double stay = score[s] - lnStay;
            const double move = score[bestFrom] - (s < kAlleleStates ? lnChange : lnSubclone);
            const bool stays = stay <= move;
            next[s] = (stays ? stay : move) + cost[s];
            back[i][static_cast<std::size_t>(s)] = static_cast<unsigned char>(stays ? s : bestFrom);
        }
        std::copy(next, next + kHmmStates, score);
    }
    int state = 0;
    for (int s = 1; s < kHmmStates; ++s)
        if (score[s] < score[state]) state = s;
    for (std::size_t i = n; i-- > 0;) {
        states[i] = state;
        if (i > 0) state = back[i][static_cast<std::size_t>(state)];
    }
    return states;
}

} // namespace varn
