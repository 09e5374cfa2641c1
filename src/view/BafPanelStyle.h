#pragma once

#include "Canvas.h"
#include "LabelLayout.h"
#include "LegendRow.h"
#include "PaintStyle.h"
#include "PanelRows.h"

#include <span>

namespace varn::paint {

class Decor;

// The B-allele fraction panel's marks, wherever it is drawn (under a 50K chromosome's profile, under
// a profile of any array). A homozygous SNP sits at 0 or 1 whatever the tumour does; only the
// informative ones (germline heterozygous) carry the balance of the parents' copies, so they are
// drawn dark over the light cloud of the rest.
inline constexpr Rgb kOtherSnp{175, 175, 175};
inline constexpr Rgb kInformativeSnp{40, 40, 40};
// The band a segment's copies predict, in the decoded level's colour of the profile above; a
// segment whose alleles the fit could not place shows its measured band, dashed.
inline constexpr Pen kExpectedBandPen{PenStyle::Solid, 3, kDarkGreen};
inline constexpr Pen kMeasuredBandPen{PenStyle::DashDot, 1, kDarkGreen};
// LOH from the alleles: a bar over the panel, in the magenta of the copy-neutral LOH marks; under
// a 50K chromosome, this high and this far above the panel's top, in logical units.
inline constexpr Rgb kAlleleLoh = kMagenta;
inline constexpr int kBafLohBarHeight = 40;
inline constexpr int kBafLohBarGap = 10;

inline constexpr const char* kBafPanelTitle = "B-allele fraction";

// The panel's value row: 0 at zeroY, 1 at `height` above it, ticks at 0, 0.5 and 1.
ValueRow bafValueRow(int zeroY, int height);

// The lines at 0 and 1 (solid) and at 0.5 (dotted) from left to right.
void drawBafGrid(Canvas& canvas, const ValueRow& row, int left, int right);

// The panel's title and the legend of its marks: informative and other SNPs, the expected and the
// measured bands, LOH.
std::span<const LegendItem> bafPanelKey();

// The key on one line from device (left, top) to `right`, inside `region`; the items that do not
// fit are left out from the end.
void drawBafPanelKey(Decor& d, int left, int top, int right, const Box& region);

} // namespace varn::paint
