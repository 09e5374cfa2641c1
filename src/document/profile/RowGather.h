#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace varn {

// Gathers column[rows[i]] into into[i]. The rows of a report in SNP-name order lie all over the
// genome: fetching ahead hides the cache misses of the gather.
template <class T> void gatherRows(const T* column, const std::vector<std::uint32_t>& rows, T* into) {
    constexpr std::size_t kAhead = 16;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i + kAhead < rows.size()) __builtin_prefetch(column + rows[i + kAhead]);
        into[i] = column[rows[i]];
    }
}

} // namespace varn
