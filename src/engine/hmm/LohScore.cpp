// LOH score: the best cumulative log-likelihood ratio of loss against retention of
// heterozygosity over a run of SNPs.
//
// Under loss an AB call arises only by a genotyping error (rate e); with heterozygosity retained
// it arises with probability h(1 - e) + (1 - h)e, h being the population heterozygosity of the
// SNP. Homozygous calls and no-calls count the complements. Every position of a run gets the
// run's best total, so long stretches without AB calls at informative SNPs rise high, while a
// single AB call (about -6.2 at h = 0.5) ends a run.
#include "document/CVARNDoc.h"

#include "document/ChromosomeTable.h"

#include <algorithm>
#include <cmath>

namespace varn {

namespace {

constexpr float kLohErrorRate = 0.001f;

float contribution(const CVARNDoc& doc, int t, int j) {
    const float e = kLohErrorRate;
    const int q = t == kCombined ? doc.combineOrder[j] : j;
    const int snp = doc.arrangeOrder[q];
    const float h = doc.heteroRate[q];
    if (doc.snpCall[snp] == kCallAB) return std::log(e) - std::log(h + e - 2 * h * e);
    return std::log(1 - e) - std::log(1 - h - e + 2 * h * e);
}

} // namespace

// Runs restart wherever the total drops below zero and never cross from one chromosome to the
// next; a total equal to the best so far moves the run's end forward over SNPs that add nothing.
// Every position takes part, usable or not: the genotype call does not depend on the fragment.
void CVARNDoc::computeLohScore(int t) {
    if (t < 0 || t > 2) return;
    float* score = lohScore.data();
    std::fill(score, score + kSlots, 0.0f);
    for (int ch = 1; ch <= 23; ++ch) {
        const int end = kChromosomeStart[t][ch + 1];
        int j = kChromosomeStart[t][ch];
        while (j < end) {
            const int start = j;
            float total = 0, best = 0;
            int bestEnd = start;
            while (total >= 0 && j < end) {
                total += contribution(*this, t, j);
                if (total >= best) {
                    best = total;
                    bestEnd = j;
                }
                ++j;
            }
            std::fill(score + start, score + bestEnd + 1, best);
            j = bestEnd + 1;
        }
    }
}

} // namespace varn
