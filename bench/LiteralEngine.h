#pragma once

// The engine's steps written the straightforward way, as a yardstick for the benchmarks: every
// value evaluated where the model names it (a hyperbolic tangent and a logarithm for every pair
// of states and step of the HMM, the compensation applied over the whole array for every
// reference) and fresh scratch vectors for every call. The results must equal the engine's, bit
// for bit.

#include "document/CVARNDoc.h"
#include "view/GenomeLayout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace varn::bench::literal {

struct Coefficients {
    float c0 = 0, c1 = 0, c2 = 0;
};

inline float abscissa(const CVARNDoc& doc, int pos, int variable) {
    const int snp = doc.arrangeOrder[pos];
    return variable == 1 ? static_cast<float>(doc.snpFragmentLength[snp]) : doc.snpGcContent[snp];
}

inline Coefficients fitQuadratic(const CVARNDoc& doc, int start, int end, const std::vector<float>& values, int variable) {
    std::vector<float> fx(1), fy(1); // points from place 1
    for (int pos = start; pos <= end; ++pos) {
        if (doc.positionUsable[pos] != 1 || !std::isfinite(values[pos])) continue;
        fx.push_back(abscissa(doc, pos, variable));
        fy.push_back(values[pos]);
    }
    const int n = static_cast<int>(fx.size()) - 1;
    float sy = 0, sx = 0, sx2 = 0, sx3 = 0, sx4 = 0, sxy = 0, sx2y = 0;
    for (int i = 1; i <= n; ++i) {
        const float x = fx[i], y = fy[i], x2 = x * x;
        sy += y;
        sx += x;
        sx2 += x2;
        sx3 += x2 * x;
        sx4 += x2 * x2;
        sxy += x * y;
        sx2y += x2 * y;
    }
    Coefficients c;
    c.c0 = n > 0 ? sy / static_cast<float>(n) : 0.0f;
    if (n < 3) return c;
    const float vxx = sx2 - sx * sx / n;
    const float vxy = sxy - sy * sx / n;
    const float vxx2 = sx3 - sx2 * sx / n;
    const float vx2x2 = sx4 - sx2 * sx2 / n;
    const float vx2y = sx2y - sy * sx2 / n;
    const float det = vxx * vx2x2 - vxx2 * vxx2;
    if (det == 0.0f) return c;
    const float c2 = (vx2y * vxx - vxy * vxx2) / det;
    const float c1 = (vxy * vx2x2 - vxx2 * vx2y) / det;
    const float c0 = (sy - c1 * sx - c2 * sx2) / n;
    if (std::isfinite(c0) && std::isfinite(c1) && std::isfinite(c2)) c = {c0, c1, c2};
    return c;
}

inline void compensate(const CVARNDoc& doc, int start, int end, int t, std::vector<float>& values) {
    for (int variable = 1; variable <= 2; ++variable) {
        const Coefficients c = fitQuadratic(doc, start, end, values, variable);
        for (int pos = doc.snpFirst[t]; pos <= doc.snpLast[t]; ++pos) {
            const float x = abscissa(doc, pos, variable);
            values[pos] -= c.c2 * (x * x) + c.c1 * x + c.c0;
        }
    }
}

inline float regionSd(const CVARNDoc& doc, const std::vector<float>& values, int start, int end) {
    int count = 0;
    float s1 = 0, s2 = 0;
    for (int pos = start; pos <= end; ++pos) {
        if (doc.positionUsable[pos] != 1 || !std::isfinite(values[pos])) continue;
        s1 += values[pos];
        s2 += values[pos] * values[pos];
        ++count;
    }
    if (count < 2) return 0.0f;
    const float n = static_cast<float>(count);
    const float variance = (n * s2 - s1 * s1) / (n * (n - 1.0f));
    return variance > 0.0f ? std::sqrt(variance) : 0.0f;
}

inline std::vector<float> logRatio(const CVARNDoc& doc, int numerator, int denominator, int first, int last) {
    std::vector<float> out(kSlots, 0.0f);
    for (int pos = first; pos <= last; ++pos) {
        const int snp = doc.arrangeOrder[pos];
        out[pos] = std::log(doc.poolSignal[numerator][snp] / doc.poolSignal[denominator][snp]);
    }
    return out;
}

// Viterbi over the usable positions of every autosome of t, into states[pos].
inline void runHmm(const CVARNDoc& doc, int t, const std::vector<float>& values, double sigma, std::vector<int>& states) {
    for (int ch = 1; ch <= 22; ++ch) {
        std::vector<int> list(1, 0);
        for (int pos = kChromosomeStart[t][ch]; pos < kChromosomeStart[t][ch + 1]; ++pos)
            if (doc.positionUsable[pos] == 1 && std::isfinite(values[pos])) list.push_back(pos);
        const int m = static_cast<int>(list.size()) - 1;
        if (m < 1) continue;
        std::vector<std::array<double, kStates>> score(static_cast<std::size_t>(m) + 1);
        std::vector<std::array<int, kStates>> back(static_cast<std::size_t>(m) + 1);
        for (int k = 0; k < kStates; ++k) {
            score[1][k] = doc.emissionCost(values[list[1]], k, sigma);
            back[1][k] = 0;
        }
        for (int n = 2; n <= m; ++n) {
            const double d = doc.snpPosition[doc.arrangeOrder[list[n]]] - doc.snpPosition[doc.arrangeOrder[list[n - 1]]];
            for (int l = 0; l < kStates; ++l) {
                double best = score[n - 1][0] - std::log(CVARNDoc::transitionProbability(d, l != 0));
                int from = 0;
                for (int j = 0; j < kStates; ++j) {
                    const double cand = score[n - 1][j] - std::log(CVARNDoc::transitionProbability(d, l != j));
                    if (cand < best) {
                        best = cand;
                        from = j;
                    }
                }
                score[n][l] = best + doc.emissionCost(values[list[n]], l, sigma);
                back[n][l] = from;
            }
        }
        int state = 0;
        for (int k = 1; k < kStates; ++k)
            if (score[m][k] < score[m][state]) state = k;
        states[list[m]] = state;
        for (int n = m - 1; n >= 1; --n) states[list[n]] = back[n + 1][states[list[n + 1]]];
    }
}

inline float trimmedMean(const std::vector<float>& w, int trimExtremes) {
    const int n = static_cast<int>(w.size());
    if (n == 1) return w[0];
    if (n == 2) return (w[0] + w[1]) * 0.5f;
    float sum = 0, lo = w[0], hi = w[0];
    for (float v : w) {
        sum += v;
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    return trimExtremes == 1 ? (sum - lo - hi) / static_cast<float>(n - 2) : sum / static_cast<float>(n);
}

inline void movingAverage(const CVARNDoc& doc, int t, int n, int trimExtremes, const std::vector<float>& values,
                          std::vector<float>& out) {
    for (int ch = 1; ch <= 23; ++ch) {
        const int end = kChromosomeStart[t][ch + 1];
        for (int j = kChromosomeStart[t][ch]; j < end; ++j) {
            std::vector<float> window;
            for (int p = j; p < end && static_cast<int>(window.size()) < n; ++p)
                if (doc.positionUsable[p] == 1 && std::isfinite(values[p])) window.push_back(values[p]);
            if (!window.empty()) out[j] = trimmedMean(window, trimExtremes);
        }
    }
}

inline void lohScore(const CVARNDoc& doc, int t, std::vector<float>& out) {
    std::fill(out.begin(), out.end(), 0.0f);
    const float e = 0.001f;
    for (int ch = 1; ch <= 23; ++ch) {
        const int end = kChromosomeStart[t][ch + 1];
        int j = kChromosomeStart[t][ch];
        while (j < end) {
            const int start = j;
            float total = 0, best = 0;
            int bestEnd = start;
            while (total >= 0 && j < end) {
                const float h = doc.heteroRate[j];
                total += doc.snpCall[doc.arrangeOrder[j]] == kCallAB ? std::log(e) - std::log(h + e - 2 * h * e)
                                                                      : std::log(1 - e) - std::log(1 - h - e + 2 * h * e);
                if (total >= best) {
                    best = total;
                    bestEnd = j;
                }
                ++j;
            }
            for (int p = start; p <= bestEnd; ++p) out[p] = best;
            j = bestEnd + 1;
        }
    }
}

// Everything a single-array Sort produces, with every reference ticked.
struct SortResult {
    std::vector<float> sdCompensated = std::vector<float>(kPoolRows, 0.0f);
    std::vector<float> sdRaw = std::vector<float>(kPoolRows, 0.0f);
    std::vector<int> rankOrder = std::vector<int>(kPoolRows, 0);
    int pivot = 0;
    std::vector<float> profile;
    float sd = 0;
    std::vector<int> states = std::vector<int>(kSlots, 0);
    std::vector<float> average = std::vector<float>(kSlots, 0.0f);
    std::vector<float> loh = std::vector<float>(kSlots, 0.0f);
};

inline void sort(const CVARNDoc& doc, int t, SortResult& r) {
    const int start = doc.regionStart[t], end = doc.regionEnd[t], rows = doc.refCount[t];
    for (int i = 1; i < rows; ++i) {
        std::vector<float> ratio = logRatio(doc, doc.analysedRow[t], i, start, end);
        r.sdRaw[i] = regionSd(doc, ratio, start, end);
        compensate(doc, start, end, t, ratio);
        r.sdCompensated[i] = regionSd(doc, ratio, start, end);
    }
    for (int i = 1; i < rows; ++i) {
        int rank = 0;
        for (int j = 1; j < rows; ++j)
            if (std::fabs(r.sdCompensated[j]) < r.sdCompensated[i] || (j < i && r.sdCompensated[j] == r.sdCompensated[i])) ++rank;
        r.rankOrder[rank + 1] = i;
    }
    r.pivot = r.rankOrder[1];

    const int first = doc.snpFirst[t], last = doc.snpLast[t];
    std::vector<float> sum(kSlots, 0.0f);
    int references = 0;
    for (int i = 1; i < rows; ++i) {
        std::vector<float> ratio = logRatio(doc, i, r.pivot, first, last);
        compensate(doc, start, end, t, ratio);
        for (int pos = first; pos <= last; ++pos) sum[pos] += std::exp(ratio[pos]);
        ++references;
    }
    r.profile = logRatio(doc, doc.analysedRow[t], r.pivot, first, last);
    compensate(doc, start, end, t, r.profile);
    for (int pos = first; pos <= last; ++pos)
        r.profile[pos] = std::log(std::exp(r.profile[pos]) / (sum[pos] / static_cast<float>(references)));
    r.sd = regionSd(doc, r.profile, start, end - 1);
    runHmm(doc, t, r.profile, r.sd, r.states);
    movingAverage(doc, t, 10, 1, r.profile, r.average);
    lohScore(doc, t, r.loh);
}

} // namespace varn::bench::literal
