#include "BafPanelStyle.h"

#include "LegendRow.h"
#include "PaintDecor.h"

namespace varn::paint {

ValueRow bafValueRow(int zeroY, int height) {
    return {zeroY, height, 0.0, 1.0, 0.5, "BAF", 0.0, 1.0};
}

void drawBafGrid(Canvas& canvas, const ValueRow& row, int left, int right) {
    auto line = [&](const Pen& pen, double baf) {
        canvas.setPen(pen);
        canvas.moveTo(left, row.yOf(baf));
        canvas.lineTo(right, row.yOf(baf));
    };
    line(kGridSolidPen, 0.0);
    line(kGridSolidPen, 1.0);
    line(kGridDottedPen, 0.5);
}

std::span<const LegendItem> bafPanelKey() {
    static constexpr LegendItem kItems[] = {
        {Swatch::None, {}, 0, kBafPanelTitle},
        {Swatch::Dots, kInformativeSnp, 1, "informative SNP"},
        {Swatch::Dots, kOtherSnp, 1, "other SNP"},
        {Swatch::Line, kExpectedBandPen.colour, 3, "band the copies predict"},
        {Swatch::Line, kMeasuredBandPen.colour, 1, "measured band", PenStyle::DashDot},
        {Swatch::Bar, kAlleleLoh, 1, "LOH"},
    };
    return kItems;
}

void drawBafPanelKey(Decor& d, int left, int top, int right, const Box& region) {
    drawLegendLine(d, bafPanelKey(), left, top, right, region);
}

} // namespace varn::paint
