// Fragment-length and GC-content compensation, and the standard deviation that judges a profile.
//
// The hybridisation signal of a SNP depends on the PCR yield of the restriction fragment that
// carries it, which depends on the fragment's length and GC content, and that dependence differs
// between two samples. An ordinary least-squares parabola of the log ratio against each variable
// is fitted and subtracted, length first, then GC content on what is left.
//
// The sums are single precision in a fixed order; the results of the program depend on that
// arithmetic, so it is kept although the normal equations are ill-conditioned for lengths of
// about a thousand bases.
#include "document/CVARNDoc.h"

#include <algorithm>
#include <cmath>

namespace varn {

namespace {

float abscissa(const CVARNDoc& doc, int pos, int variable) {
    const int snp = doc.arrangeOrder[pos];
    return variable == 1 ? static_cast<float>(doc.snpFragmentLength[snp]) : doc.snpGcContent[snp];
}

} // namespace

// A value that is not finite (the log of a zero signal) carries no information about the curve
// and would turn every sum into inf or NaN: such points are left out of the fit, as unusable
// positions are.
const float* CVARNDoc::fitQuadratic(int rangeStart, int rangeEnd, const float* values, int variable) {
    rangeStart = std::max(rangeStart, 0);
    rangeEnd = std::min(rangeEnd, kSlots - 1);
    int n = 0;
    float sy = 0, sx = 0, sx2 = 0, sx3 = 0, sx4 = 0, sxy = 0, sx2y = 0;
    for (int pos = rangeStart; pos <= rangeEnd; ++pos) {
        if (positionUsable[pos] != 1 || !std::isfinite(values[pos])) continue;
        const float x = abscissa(*this, pos, variable);
        const float y = values[pos];
        ++n;
        fitX[n] = x;
        fitY[n] = y;
        const float x2 = x * x;
        sy += y;
        sx += x;
        sx2 += x2;
        sx3 += x2 * x;
        sx4 += x2 * x2;
        sxy += x * y;
        sx2y += x2 * y;
    }
    // Fewer than three points (or three points on fewer than three abscissae) define no
    // parabola. Removing the mean level, or nothing without any point, keeps the data finite
    // instead of spreading NaN over the whole array.
    fitCoef[0] = n > 0 ? sy / static_cast<float>(n) : 0.0f;
    fitCoef[1] = 0.0f;
    fitCoef[2] = 0.0f;
    if (n < 3) return fitCoef;
    const float vxx = sx2 - sx * sx / n;
    const float vxy = sxy - sy * sx / n;
    const float vxx2 = sx3 - sx2 * sx / n;
    const float vx2x2 = sx4 - sx2 * sx2 / n;
    const float vx2y = sx2y - sy * sx2 / n;
    const float det = vxx * vx2x2 - vxx2 * vxx2;
    if (det == 0.0f) return fitCoef;
    const float c2 = (vx2y * vxx - vxy * vxx2) / det;
    const float c1 = (vxy * vx2x2 - vxx2 * vx2y) / det;
    const float c0 = (sy - c1 * sx - c2 * sx2) / n;
    if (std::isfinite(c0) && std::isfinite(c1) && std::isfinite(c2)) {
        fitCoef[0] = c0;
        fitCoef[1] = c1;
        fitCoef[2] = c2;
    }
    return fitCoef;
}

void CVARNDoc::subtractFit(float* values, int first, int last, int variable) {
    const float c0 = fitCoef[0], c1 = fitCoef[1], c2 = fitCoef[2];
    for (int pos = first; pos <= last; ++pos) {
        const float x = abscissa(*this, pos, variable);
        values[pos] -= c2 * (x * x) + c1 * x + c0;
    }
}

// The fit sees only the usable positions of the range, but the curve is removed from every
// position of the array: fragments outside 500..2000 bases are still shown, corrected by the
// extrapolated curve.
void CVARNDoc::compensateLengthGc(int rangeStart, int rangeEnd, int t, float* values, int mode) {
    if (mode == 1 || mode == 3) {
        fitQuadratic(rangeStart, rangeEnd, values, 1);
        subtractFit(values, snpFirst[t], snpLast[t], 1);
    }
    if (mode == 2 || mode == 3) {
        fitQuadratic(rangeStart, rangeEnd, values, 2);
        subtractFit(values, snpFirst[t], snpLast[t], 2);
    }
}

// n * (n - 1) is formed in floating point: a whole-autosome region holds some 55,000 usable
// SNPs and the product passes the range of a 32-bit int. Fewer than two values have no spread
// (0 is returned), and a variance that rounding leaves just below zero counts as zero.
float CVARNDoc::regionSd(const float* values, int rangeStart, int rangeEnd) {
    rangeStart = std::max(rangeStart, 0);
    rangeEnd = std::min(rangeEnd, kSlots - 1);
    int count = 0;
    float s1 = 0, s2 = 0;
    for (int pos = rangeStart; pos <= rangeEnd; ++pos) {
        if (positionUsable[pos] != 1 || !std::isfinite(values[pos])) continue;
        const float x = values[pos];
        s1 += x;
        s2 += x * x;
        ++count;
    }
    if (count < 2) return 0.0f;
    const float n = static_cast<float>(count);
    const float variance = (n * s2 - s1 * s1) / (n * (n - 1.0f));
    return variance > 0.0f ? std::sqrt(variance) : 0.0f;
}

} // namespace varn
