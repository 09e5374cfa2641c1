// Seven-state copy-number HMM (copy numbers 0..6) decoded with the Viterbi algorithm.
//
// Emissions are Fisher's z distribution with 3 and 9 degrees of freedom, whose heavy tails let a
// single outlying SNP pass without a change of state; each state is centred on its expected log
// ratio and scaled by the profile's own SD. The chance of a change between neighbouring SNPs
// follows the Kosambi map function of their distance, with 10^8 bases taken as one Morgan.
#include "Hmm.h"

#include "document/CVARNDoc.h"

#include "document/ChromosomeTable.h"
#include "document/UserInterface.h"

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

// Fisher's z density at standardised distance z with scale s. The sixth power is taken by
// multiplication, which is several times cheaper than a general power and as exact.
double fisherDensity(double s, double z) {
    const double y = 3 * std::exp(2 * z) + 9;
    const double y2 = y * y;
    return s * kFisherNorm * std::exp(3 * z) / (y2 * y2 * y2);
}

// Where e^(3z) or the sixth power leaves the double range (|z| beyond about 60) the density
// becomes 0 or NaN and its cost infinite for every state alike: the path would then be decided by
// the tie rule alone. There the cost comes from the same formula in log space,
// -ln s - ln 2381277 - 3z + 6 ln(3e^(2z) + 9), which stays finite and keeps the states ordered.
double fisherCost(double s, double z) {
    const double density = fisherDensity(s, z);
    if (density >= DBL_MIN && density <= DBL_MAX) return -std::log(density);
    const double lnTail = z > 0 ? 2 * z + std::log(3 + 9 * std::exp(-2 * z)) : std::log(9 + 3 * std::exp(2 * z));
    return -(std::log(s) + std::log(kFisherNorm) + 3 * z - 6 * lnTail);
}

// The per-state scale depends only on the profile SD: formed once per decoding, with the same
// operations as emissionCost, so the costs are the same values.
struct EmissionModel {
    double scale[kStates];
    double mean[kStates];

    EmissionModel(const CVARNDoc& doc, double sigma) {
        for (int k = 0; k < kStates; ++k) {
            scale[k] = spreadScale(doc, k, sigma);
            mean[k] = doc.hmmMean[k];
        }
    }
    double cost(double x, int k) const { return fisherCost(scale[k], (x - mean[k]) * scale[k]); }
};

// Decodes places 1..m of chrPosList into hmmState[row]. Costs are negative natural logarithms.
// The transition cost depends only on whether the state changes, so the two costs are formed
// once per step and the seven emission costs once per position: the same values, bit for bit,
// as evaluating them for every pair of states.
void decodeList(CVARNDoc& doc, int m, int row, const float* values, const EmissionModel& model) {
    if (m < 1) return;
    const int* list = doc.chrPosList.data();
    double cost[kStates];

    const int p1 = list[1];
    for (int k = 0; k < kStates; ++k) {
        doc.viterbiScore[p1][k] = model.cost(values[p1], k);
        doc.viterbiBack[p1][k] = 0;
    }
    for (int n = 2; n <= m; ++n) {
        const int pos = list[n], prev = list[n - 1];
        double d = static_cast<double>(doc.snpPosition[doc.arrangeOrder[pos]]) -
                   static_cast<double>(doc.snpPosition[doc.arrangeOrder[prev]]);
        if (d < 0) d = -d; // annotation in genome order never has this; keep the probability >= 0
        const double lnStay = std::log(CVARNDoc::transitionProbability(d, false));
        const double lnChange = std::log(CVARNDoc::transitionProbability(d, true));
        for (int k = 0; k < kStates; ++k) cost[k] = model.cost(values[pos], k);
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
    return fisherDensity(s, (x - hmmMean[k]) * s);
}

double CVARNDoc::emissionCost(double x, int k, double sigma) const {
    const double s = spreadScale(*this, k, sigma);
    return fisherCost(s, (x - hmmMean[k]) * s);
}

// Staying has probability 1 - p, a move to any one other state p; not renormalised over the six.
double CVARNDoc::transitionProbability(double d, bool changed) {
    const double p = 0.5 * std::tanh(2 * d / kBasesPerMorgan);
    return changed ? p : 1 - p;
}

void decodeUsableRange(CVARNDoc& doc, int begin, int end, int row, const float* values, double sigma) {
    const EmissionModel model(doc, sigma);
    int pos = begin;
    while (pos < end) {
        std::fill(doc.chrPosList.data(), doc.chrPosList.data() + kChrPosListSize, 0);
        int m = 0;
        // A value that is not finite (zero signal) carries no evidence for any state; the
        // position is passed over like an unusable one and keeps its previous state.
        for (; pos < end && m < kChrPosListSize - 1; ++pos)
            if (doc.positionUsable[pos] == 1 && std::isfinite(values[pos])) doc.chrPosList[++m] = pos;
        decodeList(doc, m, row, values, model);
    }
}

// The list holds 11,999 positions from place 1, which no chromosome of the annotation exceeds;
// a longer one would be decoded in pieces rather than written past the list.
void CVARNDoc::viterbiChromosome(int ch, int t, int row, const float* values, double sigma) {
    if (t != kXba && t != kHind) return;
    if (ch < 1 || ch > kChromosomeX || row < 0 || row >= kPoolRows) return;
    decodeUsableRange(*this, kChromosomeStart[t][ch], kChromosomeStart[t][ch + 1], row, values, sigma);
}

// Autosomes only: the copy number of X depends on the sex of sample and references, which the
// model does not know. Without a positive, finite profile SD the emissions are undefined and the
// states are left as they were.
void CVARNDoc::runHmm(int t, int row) {
    if (t != kXba && t != kHind) return;
    if (row < 0 || row >= kPoolRows) return;
    const double sigma = rowSd[t][row];
    if (!(sigma > 0) || !std::isfinite(sigma)) return;
    // The seven-state states stand alone again: a re-decode that keeps the allele-specific
    // decoding (redecodeProfiles) runs it after this. X is that decoder's alone; its states there
    // go with it, back to the 0 of a chromosome the seven-state HMM never decodes.
    if (!hmmMinorCopies.empty())
        for (int a = kXba; a <= kHind; ++a)
            for (int pos = kChromosomeStart[a][kChromosomeX]; pos < kChromosomeStart[a][kChromosomeX + 1]; ++pos)
                if (hmmMinorCopies[static_cast<std::size_t>(pos)] >= 0) hmmState[0][pos] = 0;
    hmmMinorCopies.clear();
    alleleSpecificDecoding = false;
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
