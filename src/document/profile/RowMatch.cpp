#include "document/profile/RowMatch.h"

#include "document/profile/Profile.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <unordered_map>

namespace varn {

namespace {

bool allNamed(const Profile& p) {
    return !p.name.empty() && !p.name.anyBlank();
}

std::vector<std::int32_t> matchByName(const Profile& to, const Profile& from) {
    std::vector<std::int32_t> match(to.size(), -1);
    // Files written side by side (ASCAT's LogR and BAF) list the same SNPs in the same order.
    bool same = to.size() == from.size();
    for (std::size_t i = 0; same && i < to.size(); ++i) same = to.name[i] == from.name[i];
    if (same) {
        for (std::size_t i = 0; i < to.size(); ++i) match[i] = static_cast<std::int32_t>(i);
        return match;
    }
    std::unordered_map<std::string_view, std::int32_t> rowOf;
    rowOf.reserve(from.size());
    for (std::size_t i = 0; i < from.size(); ++i) rowOf.emplace(from.name[i], static_cast<std::int32_t>(i));
    for (std::size_t i = 0; i < to.size(); ++i)
        if (auto it = rowOf.find(to.name[i]); it != rowOf.end()) match[i] = it->second;
    return match;
}

std::vector<std::int32_t> matchByPlace(const Profile& to, const Profile& from) {
    std::vector<std::int32_t> match(to.size(), -1);
    auto place = [](const Profile& p, std::size_t i) { return std::pair(p.chromosome[i], p.position[i]); };
    for (std::size_t i = 0, j = 0; i < to.size() && j < from.size();) {
        if (place(to, i) < place(from, j))
            ++i;
        else if (place(from, j) < place(to, i))
            ++j;
        else
            match[i++] = static_cast<std::int32_t>(j++);
    }
    return match;
}

} // namespace

std::vector<std::int32_t> matchRows(const Profile& to, const Profile& from) {
    return allNamed(to) && allNamed(from) ? matchByName(to, from) : matchByPlace(to, from);
}

std::size_t matchedCount(const std::vector<std::int32_t>& match) {
    return static_cast<std::size_t>(
        std::count_if(match.begin(), match.end(), [](std::int32_t m) { return m >= 0; }));
}

std::string shareText(std::size_t matched, std::size_t total) {
    if (total == 0) return "0 %";
    int tenths = static_cast<int>(1000.0 * static_cast<double>(matched) / static_cast<double>(total));
    if (matched < total && tenths >= 1000) tenths = 999;
    if (matched > 0 && tenths == 0) tenths = 1;
    char text[32];
    std::snprintf(text, sizeof text, "%d.%d %%", tenths / 10, tenths % 10);
    return text;
}

} // namespace varn
