#include "ProfileColumns.h"

#include "document/profile/Profile.h"

#include <algorithm>
#include <cmath>

namespace varn {

std::vector<ColumnSnps> columnSnps(const Profile& profile, const GenomeStrip& strip) {
    const std::size_t n = profile.size();
    auto coordinate = [&](std::size_t i) {
        return strip.coordinate(profile.chromosome[i], profile.position[i]);
    };
    // The first index from `from` on whose coordinate no longer satisfies `before`. The column's
    // edge lies a column's SNPs ahead: a gallop from `from` finds it among neighbours in memory,
    // where a bisection of the whole profile would jump across it.
    auto firstPast = [&](std::size_t from, auto&& before) {
        std::size_t low = from, step = 1;
        while (low + step <= n && before(coordinate(low + step - 1))) {
            low += step;
            step *= 2;
        }
        std::size_t high = std::min(n, low + step);
        while (low < high) {
            const std::size_t mid = low + (high - low) / 2;
            if (before(coordinate(mid)))
                low = mid + 1;
            else
                high = mid;
        }
        return low;
    };
    const GenomeRange& range = strip.visible();
    const std::size_t first = firstPast(0, [&](long long c) { return c < range.from; });
    const std::size_t last = firstPast(first, [&](long long c) { return c <= range.to; });
    std::vector<ColumnSnps> columns(static_cast<std::size_t>(strip.columns()));
    std::size_t begin = first;
    for (std::size_t k = 0; k < columns.size(); ++k) {
        const int next = static_cast<int>(k) + 1;
        const std::size_t end =
            k + 1 == columns.size()
                ? last
                : std::min(last, firstPast(begin, [&](long long c) { return strip.columnOf(c) < next; }));
        columns[k] = {begin, end};
        begin = end;
    }
    return columns;
}

std::vector<ColumnRange> summariseColumns(std::span<const float> values, std::span<const ColumnSnps> columns,
                                          const paint::ValueRow& row) {
    std::vector<ColumnRange> out(columns.size());
    const int reachTop = row.reachTop(), reachBottom = row.reachBottom();
    const auto low = static_cast<float>(row.reachLow), high = static_cast<float>(row.reachHigh);
    // Counts of values per pixel row of the reach, from its top.
    std::vector<int> counts(static_cast<std::size_t>(std::max(1, reachBottom - reachTop + 1)), 0);
    // row.yOf in single precision, with the row's numbers and the column's in locals: the counts'
    // stores cannot then be taken to change them, and the loop keeps them in registers.
    const int zero = row.zeroY;
    const auto unitsPerValue = static_cast<float>(row.unitsPerValue);
    for (std::size_t k = 0; k < columns.size(); ++k) {
        int top = reachBottom, bottom = reachTop, count = 0;
        for (std::size_t i = columns[k].begin; i < columns[k].end; ++i) {
            const float v = values[i];
            if (v != v) continue;
            const int y = zero - static_cast<int>(std::min(std::max(v, low), high) * unitsPerValue);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
            ++counts[static_cast<std::size_t>(y - reachTop)];
            ++count;
        }
        if (count == 0) continue;
        ColumnRange& r = out[k];
        r = {count, top, bottom, 0};
        // The rows of the two middle values (one and the same for an odd count), and between them.
        const int lowerRank = (r.count - 1) / 2, upperRank = r.count / 2;
        int seen = 0, lower = -1, upper = -1;
        for (int y = r.top; y <= r.bottom; ++y) {
            int& n = counts[static_cast<std::size_t>(y - reachTop)];
            seen += n;
            n = 0;
            if (lower < 0 && seen > lowerRank) lower = y;
            if (upper < 0 && seen > upperRank) upper = y;
        }
        r.median = (lower + upper) / 2;
    }
    return out;
}

} // namespace varn
