#include "PaintPurityMap.h"

#include "Canvas.h"
#include "PaintStyle.h"
#include "engine/analysis/ResultWording.h"
#include "engine/purity/PurityPloidyFit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace varn {

namespace {

constexpr Rgb kBest{20, 40, 110};
constexpr Rgb kWorst{255, 255, 255};
// The constraint's path: grey, to be seen on the light cells as well as in the dark basins.
constexpr Rgb kOther{128, 128, 128};
// Ploidies the map's grid does not cover.
constexpr Rgb kOutside{225, 225, 225};

Rgb shade(double u) {
    auto mix = [u](unsigned char dark, unsigned char light) {
        return static_cast<unsigned char>(std::lround(dark + u * (light - dark)));
    };
    return {mix(kBest.r, kWorst.r), mix(kBest.g, kWorst.g), mix(kBest.b, kWorst.b)};
}

} // namespace

void paintPurityMap(Canvas& canvas, const PurityPloidyFit& fit, int width, int height, bool labels) {
    const PurityPloidyMap& m = fit.map;
    const int left = labels ? 60 : 4, right = width - (labels ? 20 : 4);
    const int top = labels ? 30 : 4, bottom = height - (labels ? 40 : 4);
    if (right <= left || bottom <= top || m.purities < 2 || m.ploidies < 2) return;
    auto x = [&](double p) {
        return left + static_cast<int>(
                          std::lround((p - m.purityLow) / (m.purityHigh - m.purityLow) * (right - left)));
    };
    // The ploidy axis spans every listed solution: one the held baseline puts outside the grid the
    // fit searched freely is drawn where it lies, over a grey band the grid does not cover.
    double axisLow = m.ploidyLow, axisHigh = m.ploidyHigh;
    for (const PurityPloidySolution& s : fit.solutions) {
        axisLow = std::min(axisLow, std::floor(s.ploidy * 2.0) / 2.0);
        axisHigh = std::max(axisHigh, std::ceil(s.ploidy * 2.0) / 2.0);
    }
    auto y = [&](double psi) {
        return bottom - static_cast<int>(std::lround((psi - axisLow) / (axisHigh - axisLow) * (bottom - top)));
    };
    if (axisLow < m.ploidyLow || axisHigh > m.ploidyHigh) {
        canvas.setPen(Pen{PenStyle::Solid, 1, kOutside});
        canvas.setBrush(kOutside);
        if (axisLow < m.ploidyLow) canvas.fillRect(left, y(m.ploidyLow), right, bottom);
        if (axisHigh > m.ploidyHigh) canvas.fillRect(left, top, right, y(m.ploidyHigh));
    }

    // Excess cost on a log scale, so that the basins of every solution show, not the best alone.
    const double dispersion = std::max(1.0, m.dispersion);
    const double worst =
        std::log1p((*std::max_element(m.cost.begin(), m.cost.end()) - m.bestCost) / dispersion);
    const double halfStep = 0.5 * (m.purityHigh - m.purityLow) / (m.purities - 1);
    const double halfRow = 0.5 * (m.ploidyHigh - m.ploidyLow) / (m.ploidies - 1);
    for (int i = 0; i < m.purities; ++i) {
        const int x0 = x(std::max(m.purityLow, m.purityAt(i) - halfStep));
        const int x1 = x(std::min(m.purityHigh, m.purityAt(i) + halfStep));
        for (int j = 0; j < m.ploidies; ++j) {
            const double excess = std::log1p((m.at(i, j) - m.bestCost) / dispersion);
            const Rgb colour = shade(worst > 0.0 ? std::clamp(excess / worst, 0.0, 1.0) : 0.0);
            canvas.setPen(Pen{PenStyle::Solid, 1, colour});
            canvas.setBrush(colour);
            canvas.fillRect(x0, y(std::min(m.ploidyHigh, m.ploidyAt(j) + halfRow)), x1,
                            y(std::max(m.ploidyLow, m.ploidyAt(j) - halfRow)));
        }
    }

    if (!fit.path.empty()) {
        canvas.setPen(Pen{PenStyle::Dotted, 1, kOther});
        bool drawing = false;
        for (const auto& [p, psi] : fit.path) {
            const bool inside = psi >= axisLow && psi <= axisHigh;
            if (inside && drawing)
                canvas.lineTo(x(p), y(psi));
            else if (inside)
                canvas.moveTo(x(p), y(psi));
            drawing = inside;
        }
    }

    char text[200];
    for (std::size_t n = 0; n < fit.solutions.size(); ++n) {
        const PurityPloidySolution& s = fit.solutions[n];
        const int cx = x(s.purity), cy = y(s.ploidy);
        const Rgb colour = n == 0 ? paint::kRed : Rgb{255, 200, 0};
        canvas.setPen(Pen{PenStyle::Solid, 2, colour});
        canvas.moveTo(cx - 6, cy);
        canvas.lineTo(cx + 6, cy);
        canvas.moveTo(cx, cy - 6);
        canvas.lineTo(cx, cy + 6);
        if (labels) {
            std::snprintf(text, sizeof text, "%zu", n + 1);
            canvas.textOut(cx + 6, cy - 18, text);
        }
    }

    canvas.setPen(Pen{PenStyle::Solid, 1, paint::kBlack});
    canvas.moveTo(left, top);
    canvas.lineTo(left, bottom);
    canvas.lineTo(right, bottom);
    if (!labels) return;
    for (int percent = 10; percent <= 100; percent += 10) {
        const int at = x(percent / 100.0);
        canvas.moveTo(at, bottom);
        canvas.lineTo(at, bottom + 5);
        std::snprintf(text, sizeof text, "%d", percent);
        canvas.textOut(at - 8, bottom + 8, text);
    }
    for (int half = static_cast<int>(std::lround(axisLow * 2)); half <= std::lround(axisHigh * 2); ++half) {
        const int at = y(half / 2.0);
        canvas.moveTo(left - 5, at);
        canvas.lineTo(left, at);
        std::snprintf(text, sizeof text, "%.1f", half / 2.0);
        canvas.textOut(left - 34, at - 7, text);
    }
    canvas.textOut(left + (right - left) / 2 - 60, bottom + 24, "tumour cells (%)");
    const bool widened = axisLow < m.ploidyLow || axisHigh > m.ploidyHigh;
    canvas.textOut(4, top - 24,
                   widened ? "ploidy against tumour cells: the fit of levels and alleles (darker is better; "
                             "grey: not searched)"
                           : "ploidy against tumour cells: the fit of levels and alleles (darker is better)");
    if (!fit.solutions.empty()) {
        const std::string first = solutionText(fit.solutions.front());
        canvas.setPen(Pen{PenStyle::Solid, 1, paint::kBlack});
        canvas.textOut(left + 4, top + 4, first);
    }
}

} // namespace varn
