#pragma once

#include "Canvas.h"

namespace varn::paint {

// The colours and pens of every plot. They are plain values: a surface builds its own pen
// objects for one paint and drops them when the paint ends.
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kMagenta{255, 0, 255};
inline constexpr Rgb kDarkGreen{0, 100, 0};
inline constexpr Rgb kDarkerGreen{0, 50, 0};
inline constexpr Rgb kBlack{0, 0, 0};

inline constexpr Pen kGridSolidPen{PenStyle::Solid, 1, {50, 50, 50}};
inline constexpr Pen kGridDottedPen{PenStyle::Dotted, 1, {100, 100, 100}};
inline constexpr Pen kGridDashDotPen{PenStyle::DashDot, 1, {100, 100, 100}};
inline constexpr Pen kRedPen{PenStyle::Solid, 1, kRed};
inline constexpr Pen kSelectionPen{PenStyle::Solid, 5, kRed};
inline constexpr Pen kMagentaPen{PenStyle::Solid, 1, kMagenta};
inline constexpr Pen kBluePen{PenStyle::Solid, 1, kBlue};
inline constexpr Pen kBlueThickPen{PenStyle::Solid, 3, kBlue};
inline constexpr Pen kDarkGreenPen{PenStyle::Solid, 1, kDarkGreen};
inline constexpr Pen kBlackPen{PenStyle::Solid, 1, kBlack};
// The compensation page: the frame of the region the baseline is dragged in, and the band
// drawn while dragging.
inline constexpr Pen kRedDottedPen{PenStyle::Dotted, 1, kRed};
inline constexpr Pen kRangeBandPen{PenStyle::Solid, 10, kRed};

// "Axes and Legend": the decoded copy number in the colours of the segment BED file (gains red,
// losses blue, copy-neutral LOH green), two copies without LOH in grey; the axes and the lines
// that mark chromosome boundaries; the white under the annotation strips.
inline constexpr Rgb kCallGain{200, 0, 0};
inline constexpr Rgb kCallLoss{0, 0, 200};
inline constexpr Rgb kCallLoh{0, 140, 0};
inline constexpr Rgb kCallTwoCopies{90, 90, 90};
inline constexpr Rgb kAxisColour{60, 60, 60};
inline constexpr Rgb kBoundaryColour{150, 150, 150};
inline constexpr Rgb kWhite{255, 255, 255};

// Outline and fill of an ideogram run by cytoband stain class (1 white, 2-4 greys from light to
// dark, 5 black, 6-8 red, green, blue for the acrocentric and variable regions); an unknown class
// is drawn white.
Rgb stainColour(int stain);

} // namespace varn::paint
