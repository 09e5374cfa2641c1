#include "PaintPurityCurve.h"

#include "Canvas.h"
#include "PaintStyle.h"
#include "engine/analysis/ResultWording.h"
#include "engine/purity/PurityEstimate.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace varn {

namespace {
constexpr Rgb kIntervalShade{255, 225, 225};
constexpr Rgb kCurveColour{0, 0, 160};
constexpr Rgb kGrey{150, 150, 150};
} // namespace

void paintPurityCurve(Canvas& canvas, const PurityEstimate& e, int width, int height, bool labels) {
    const int left = labels ? 60 : 4, right = width - (labels ? 20 : 4);
    const int top = labels ? 30 : 4, bottom = height - (labels ? 40 : 4);
    if (right <= left || bottom <= top || e.curve.empty()) return;
    double high = 0.0;
    for (const PurityFitPoint& p : e.curve) high = std::max(high, p.misfit);
    if (!(high > 0)) high = 1.0;
    auto x = [&](double purity) {
        return left +
               static_cast<int>((purity - kPurityLow) / (kPurityHigh - kPurityLow) * (right - left) + 0.5);
    };
    auto y = [&](double misfit) { return bottom - static_cast<int>(misfit / high * (bottom - top) + 0.5); };

    canvas.setPen(Pen{PenStyle::Solid, 1, kIntervalShade});
    canvas.setBrush(kIntervalShade);
    canvas.fillRect(x(e.low), top, std::max(x(e.high), x(e.low) + 1), bottom);

    canvas.setPen(Pen{PenStyle::Dotted, 1, kGrey});
    for (const PurityFitPoint& c : e.candidates) {
        canvas.moveTo(x(c.purity), top);
        canvas.lineTo(x(c.purity), bottom);
    }
    canvas.setPen(Pen{PenStyle::Solid, 1, e.decided ? paint::kRed : kGrey});
    canvas.moveTo(x(e.purity), top);
    canvas.lineTo(x(e.purity), bottom);

    canvas.setPen(Pen{PenStyle::Solid, 1, paint::kBlack});
    canvas.moveTo(left, top);
    canvas.lineTo(left, bottom);
    canvas.lineTo(right, bottom);

    std::vector<Point> points;
    for (const PurityFitPoint& p : e.curve) points.push_back({x(p.purity), y(p.misfit)});
    canvas.setPen(Pen{PenStyle::Solid, 2, kCurveColour});
    canvas.polyline(points);

    if (!labels) return;
    canvas.setPen(Pen{PenStyle::Solid, 1, paint::kBlack});
    char text[160];
    for (int percent = 10; percent <= 100; percent += 10) {
        const int at = x(percent / 100.0);
        canvas.moveTo(at, bottom);
        canvas.lineTo(at, bottom + 5);
        std::snprintf(text, sizeof text, "%d", percent);
        canvas.textOut(at - 8, bottom + 8, text);
    }
    canvas.textOut(left + (right - left) / 2 - 60, bottom + 24, "tumour cells (%)");
    canvas.textOut(4, top - 24, "misfit of the segment levels (low is good)");
    canvas.textOut(left + 4, top + 4, purityText(e));
}

} // namespace varn
