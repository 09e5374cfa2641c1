#pragma once

#include "GenomeStrip.h"
#include "view/PanelRows.h"

#include <cstddef>
#include <span>
#include <vector>

namespace varn {

struct Profile;

// The SNPs of a profile under one pixel column of a strip: profile indices [begin, end).
struct ColumnSnps {
    std::size_t begin = 0, end = 0;
    std::size_t size() const { return end - begin; }
};

// Every pixel column's SNPs, found by bisecting the profile (in genome order) at the columns'
// edges: the cost follows the page's width, not the number of SNPs, and each painter then walks
// only the SNPs it shows, once.
std::vector<ColumnSnps> columnSnps(const Profile& profile, const GenomeStrip& strip);

// What one column's values cover on a value row, in device pixel rows: the highest (top) and the
// lowest (bottom) row they reach and the row of their median. A value past the row's reach is held
// at its edge, so that a deep deletion still shows where it lies; a missing one (NaN) is left out.
// A column without any value has count 0.
struct ColumnRange {
    int count = 0;
    int top = 0, bottom = 0, median = 0;
};

// Each column's range, in one pass over its SNPs' values. The values are counted by pixel row, not
// sorted: the median is wanted to the pixel, and a count per row finds it in a walk over the row's
// height, however many SNPs share the column.
std::vector<ColumnRange> summariseColumns(std::span<const float> values, std::span<const ColumnSnps> columns,
                                          const paint::ValueRow& row);

} // namespace varn
