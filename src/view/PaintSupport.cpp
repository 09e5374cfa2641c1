// Shared pieces of the paint: panel geometry, index mapping, coordinate safety and texts.
#include "PaintParts.h"

#include "CVARNView.h"
#include "GenomeLayout.h"
#include "PaintStyle.h"
#include "ShownWindow.h"
#include "document/CVARNDoc.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace varn::paint {

Rgb stainColour(int stain) {
    switch (stain) {
    case 2:
        return {191, 191, 191};
    case 3:
        return {127, 127, 127};
    case 4:
        return {63, 63, 63};
    case 5:
        return kBlack;
    case 6:
        return kRed;
    case 7:
        return kGreen;
    case 8:
        return kBlue;
    default:
        return {255, 255, 255};
    }
}

WindowMapping applyShownWindow(Canvas& canvas, const CVARNView& view) {
    const WindowMapping shown = shownWindow(view);
    canvas.setWindowOrg(shown.orgX, shown.orgY);
    canvas.setWindowExt(shown.extX, shown.extY);
    return shown;
}

Panel panelOf(const CVARNView& view, int t, int chromosome, bool atOrigin) {
    return panelOf(view, t, chromosome, atOrigin, atOrigin ? kPanelRowHeight : view.rowPitch());
}

Panel panelOf(const CVARNView& view, int t, int chromosome, bool atOrigin, int rowPitch) {
    Panel p;
    p.chromosome = chromosome;
    p.x = atOrigin ? 0 : view.panelX[t][chromosome];
    p.y = atOrigin ? 0 : view.panelY[t][chromosome] / kPanelRowHeight * rowPitch;
    p.start = view.chromosomeStart[t][chromosome];
    p.end = view.chromosomeStart[t][chromosome + 1];
    return p;
}

int positionOf(const CVARNDoc& doc, int t, int i) {
    return t == kCombined ? doc.combineOrder[i] : i;
}

int snpOf(const CVARNDoc& doc, int t, int i) {
    return doc.arrangeOrder[positionOf(doc, t, i)];
}

bool scaledOffset(float value, int scale, int& offset) {
    // A million logical units is far beyond any page (the genome page is about 60,000 wide and
    // 8,400 high), yet small enough that adding it to a panel coordinate cannot overflow.
    constexpr float kFar = 1.0e6f;
    const float product = value * static_cast<float>(scale);
    if (std::isnan(product)) return false;
    offset = static_cast<int>(std::fmax(-kFar, std::fmin(kFar, product)));
    return true;
}

std::string formatText(const char* format, ...) {
    char buffer[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

std::string sampleName(const CVARNDoc& doc, int t, int row) {
    if (t < 0 || t > 2 || row < 0 || row >= kNameRows) return {};
    const char* name = doc.poolSampleName[t][row];
    return std::string(name, strnlen(name, kNameSize));
}

void drawTrackGrid(Canvas& canvas, int left, int right, int base, int yScale) {
    auto line = [&](const Pen& pen, int y) {
        canvas.setPen(pen);
        canvas.moveTo(left, y);
        canvas.lineTo(right, y);
    };
    // Log ratio 0 of the track sits on the solid line, one yScale above the base; the dotted
    // lines are +-1 and the dash-dot lines +-0.5 around it.
    line(kGridSolidPen, base - yScale);
    line(kGridDottedPen, base - 2 * yScale);
    line(kGridDottedPen, base);
    line(kGridDashDotPen, base - static_cast<int>(1.5 * yScale));
    line(kGridDashDotPen, base - static_cast<int>(0.5 * yScale));
}

void drawAverageCurve(Canvas& canvas, int drawMethod, std::span<const Point> points, Rgb dotColour,
                      const Pen& linePen) {
    if (points.empty()) return;
    if (drawMethod == 1) {
        canvas.setPixels(points.subspan(1), dotColour);
    } else if (drawMethod == 2) {
        canvas.setPen(linePen);
        canvas.polyline(points);
    }
}

} // namespace varn::paint
