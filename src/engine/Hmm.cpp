// Seven-state copy-number HMM (copy numbers 0..6) decoded with the Viterbi algorithm.
//
// Emissions are Fisher's z distribution with 3 and 9 degrees of freedom, whose heavy tails let a
// single outlying SNP pass without a change of state; each state is centred on its expected log
// ratio and scaled by the profile's own SD. The chance of a change between neighbouring SNPs
// follows the Kosambi map function of their distance, with 10^8 bases taken as one Morgan.
#include "document/CVARNDoc.h"

#include "document/UserInterface.h"
#include "view/GenomeLayout.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace varn {

namespace {

// 0.2959 is the variance of Fisher's z(3, 9), 2381277 its normalising constant.
constexpr double kFisherVariance = 0.2959;
constexpr double kFisherNorm = 2381277;
constexpr double kBasesPerMorgan = 1e8;

double spreadScale(const CVARNDoc& doc, int k, double sigma) {
    const double w = sigma * doc.hmmSdFactor[k];
    return 1.7 * std::sqrt(kFisherVariance / w);
}

// Decodes places 1..m of chrPosList into hmmState[row]. Costs are negative natural logarithms.
// The transition cost depends only on whether the state changes, so the two costs are formed
// once per step and the seven emission costs once per position: the same values, bit for bit,
// as evaluating them for every pair of states.
void decodeList(CVARNDoc& doc, int m, int row, const float* values, double sigma) {
    if (m < 1) return;
    const int* list = doc.chrPosList.data();
    double cost[kStates];

    const int p1 = list[1];
    for (int k = 0; k < kStates; ++k) {
        doc.viterbiScore[p1][k] = doc.emissionCost(values[p1], k, sigma);
        doc.viterbiBack[p1][k] = 0;
    }
    for (int n = 2; n <= m; ++n) {
        const int pos = list[n], prev = list[n - 1];
        double d = static_cast<double>(doc.snpPosition[doc.arrangeOrder[pos]]) -
                   static_cast<double>(doc.snpPosition[doc.arrangeOrder[prev]]);
        if (d < 0) d = -d; // annotation in genome order never has this; keep the probability >= 0
        const double lnStay = std::log(CVARNDoc::transitionProbability(d, false));
        const double lnChange = std::log(CVARNDoc::transitionProbability(d, true));
        for (int k = 0; k < kStates; ++k) cost[k] = doc.emissionCost(values[pos], k, sigma);
        const double* before = doc.viterbiScore[prev];
        for (int l = 0; l < kStates; ++l) {
            double best = before[0] - (l == 0 ? lnStay : lnChange);
            int from = 0;
            for (int j = 0; j < kStates; ++j) {
                const double cand = before[j] - (l == j ? lnStay : lnChange);
                if (cand < best) {
                    best = cand;
                    from = j;
                }
            }
            doc.viterbiScore[pos][l] = best + cost[l];
            doc.viterbiBack[pos][l] = from;
        }
    }

    const int last = list[m];
    int state = 0;
    for (int k = 1; k < kStates; ++k)
        if (doc.viterbiScore[last][k] < doc.viterbiScore[last][state]) state = k;
    int* states = doc.hmmState[row];
    states[last] = state;
    for (int n = m - 1; n >= 1; --n) states[list[n]] = doc.viterbiBack[list[n + 1]][states[list[n + 1]]];
}

} // namespace

double CVARNDoc::emissionDensity(double x, int k, double sigma) const {
    const double s = spreadScale(*this, k, sigma);
    const double z = (x - hmmMean[k]) * s;
    return s * kFisherNorm * std::exp(3 * z) / std::pow(3 * std::exp(2 * z) + 9, 6);
}

// Far from a state's mean (|z| beyond about 60) e^(3z) or (3e^(2z) + 9)^6 leaves the double
// range and the density becomes 0, whose cost is infinite for every state: the path would then
// be decided by the tie rule alone. There the cost is taken from the same formula in log space,
// -ln s - ln 2381277 - 3z + 6 ln(3e^(2z) + 9), which stays finite and keeps the states ordered.
// Wherever the density is a normal double the literal value is used, unchanged.
double CVARNDoc::emissionCost(double x, int k, double sigma) const {
    const double density = emissionDensity(x, k, sigma);
    if (density >= DBL_MIN && density <= DBL_MAX) return -std::log(density);
    const double s = spreadScale(*this, k, sigma);
    const double z = (x - hmmMean[k]) * s;
    const double lnTail = z > 0 ? 2 * z + std::log(3 + 9 * std::exp(-2 * z)) : std::log(9 + 3 * std::exp(2 * z));
    return -(std::log(s) + std::log(kFisherNorm) + 3 * z - 6 * lnTail);
}

// Staying has probability 1 - p, a move to any one other state p; not renormalised over the six.
double CVARNDoc::transitionProbability(double d, bool changed) {
    const double p = 0.5 * std::tanh(2 * d / kBasesPerMorgan);
    return changed ? p : 1 - p;
}

// The list holds 11,999 positions from place 1. A chromosome with more usable positions than
// that is decoded in consecutive pieces of at most 11,999 positions, each started afresh with
// equal state weights, so that the list is never written past its end.
void CVARNDoc::viterbiChromosome(int ch, int t, int row, const float* values, double sigma) {
    if (t != kXba && t != kHind) return;
    const int end = kChromosomeStart[t][ch + 1];
    int pos = kChromosomeStart[t][ch];
    while (pos < end) {
        std::fill(chrPosList.data(), chrPosList.data() + kChrPosListSize, 0);
        int m = 0;
        // A value that is not finite (zero signal) carries no evidence for any state; the
        // position is passed over like an unusable one and keeps its previous state.
        for (; pos < end && m < kChrPosListSize - 1; ++pos)
            if (positionUsable[pos] == 1 && std::isfinite(values[pos])) chrPosList[++m] = pos;
        decodeList(*this, m, row, values, sigma);
    }
}

// Autosomes only: the copy number of X depends on the sex of sample and references, which the
// model does not know. Without a positive, finite profile SD the emissions are undefined and the
// states are left as they were.
void CVARNDoc::runHmm(int t, int row) {
    if (t != kXba && t != kHind) return;
    if (row < 0 || row >= kPoolRows) return;
    const double sigma = rowSd[t][row];
    if (!(sigma > 0) || !std::isfinite(sigma)) return;
    for (int ch = 1; ch <= 22; ++ch) viterbiChromosome(ch, t, row, logRatio[0], sigma);
}

float CVARNDoc::computePloidy(int t, int row) {
    long long sum = 0;
    long long count = 0;
    for (int i = snpFirst[t]; i <= autosomeLast[t]; ++i) {
        const int q = t == kCombined ? combineOrder[i] : i;
        if (positionUsable[q] != 1) continue;
        const int state = hmmState[row][q];
        if (t == kCombined && state < -1000) ui().messageBox("eror");
        sum += state;
        ++count;
    }
    return count > 0 ? static_cast<float>(static_cast<double>(sum) / static_cast<double>(count)) : 0.0f;
}

} // namespace varn
