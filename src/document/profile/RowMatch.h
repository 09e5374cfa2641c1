#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace varn {

struct Profile;

// For each row of `to`, the row of `from` that holds the same SNP, or -1: by SNP name when every
// row of both has a name, else by chromosome and position. Both profiles are in genome order.
std::vector<std::int32_t> matchRows(const Profile& to, const Profile& from);

// Rows matched (not -1).
std::size_t matchedCount(const std::vector<std::int32_t>& match);

// "87.5 %" of matched out of total, to one decimal, never rounded up to 100 % nor down to 0 %.
std::string shareText(std::size_t matched, std::size_t total);

// The values of from's column at the matched rows; NaN (or fill) where there is none.
template <class T>
std::vector<T> matchedColumn(const std::vector<std::int32_t>& match, const std::vector<T>& column, T fill) {
    std::vector<T> out(match.size(), fill);
    for (std::size_t i = 0; i < match.size(); ++i)
        if (match[i] >= 0) out[i] = column[static_cast<std::size_t>(match[i])];
    return out;
}

} // namespace varn
