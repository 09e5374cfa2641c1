#include "RegionText.h"

#include "document/CVARNDoc.h"
#include "document/ChromosomeTable.h"

#include <charconv>

namespace varn {

namespace {

bool readInt(std::string_view text, int& value) {
    if (text.empty()) return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

bool splitRange(std::string_view text, int& from, int& to) {
    const std::size_t dash = text.find('-');
    if (dash == std::string_view::npos || dash == 0) return false;
    return readInt(text.substr(0, dash), from) && readInt(text.substr(dash + 1), to);
}

} // namespace

std::optional<RegionText> parseRegionText(std::string_view text, std::string_view name, std::string& error) {
    RegionText region;
    if (text.substr(0, 3) == "chr") {
        region.kind = RegionText::Chromosome;
        std::string_view rest = text.substr(3);
        const std::size_t colon = rest.find(':');
        const std::string_view chromosome = rest.substr(0, colon);
        if (chromosome == "X" || chromosome == "x") {
            region.chromosome = kChromosomeX;
        } else if (!readInt(chromosome, region.chromosome) || region.chromosome < 1 ||
                   region.chromosome >= kChromosomeX) {
            error = std::string(name) + ": the chromosome is 1..22 or X, as chr5 or chrX";
            return std::nullopt;
        }
        if (colon != std::string_view::npos) {
            region.baseRange = true;
            if (!splitRange(rest.substr(colon + 1), region.from, region.to) || region.from < 0 ||
                region.to < region.from) {
                error = std::string(name) +
                        ": the base range is START-END with 0 <= START <= END, as chr5:1000000-20000000";
                return std::nullopt;
            }
        }
        return region;
    }
    if (!splitRange(text, region.from, region.to) || region.from < 0 || region.to < region.from) {
        error = std::string(name) + " takes FROM-TO (display positions, FROM <= TO), chrN or chrN:START-END";
        return std::nullopt;
    }
    return region;
}

bool resolveRegionText(const RegionText& region, const CVARNDoc& doc, int t, std::string_view name,
                       int& first, int& last, std::string& error) {
    if (t < 0 || t > 2) return false;
    if (region.kind == RegionText::Positions) {
        if (region.from < doc.snpFirst[t] || region.to > doc.snpLast[t]) {
            error = std::string(name) + ": the positions of this array run from " +
                    std::to_string(doc.snpFirst[t]) + " to " + std::to_string(doc.snpLast[t]);
            return false;
        }
        first = region.from;
        last = region.to;
        return true;
    }
    // The merged profile's indices go through the merged order to a position of one array.
    const int begin = kChromosomeStart[t][region.chromosome];
    const int end = kChromosomeStart[t][region.chromosome + 1]; // one past the chromosome
    first = -1;
    last = -1;
    for (int i = begin; i < end; ++i) {
        const int pos = t == kCombined ? doc.combineOrder[i] : i;
        const int bases = doc.snpPosition[doc.arrangeOrder[pos]];
        if (region.baseRange && (bases < region.from || bases > region.to)) continue;
        if (first < 0) first = i;
        last = i;
    }
    if (first < 0) {
        error = std::string(name) + ": no SNP of this array lies inside the given range";
        return false;
    }
    return true;
}

} // namespace varn
