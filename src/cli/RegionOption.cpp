#include "RegionOption.h"

#include "CliOptions.h"
#include "document/CVARNDoc.h"
#include "view/GenomeLayout.h"

namespace varn::cli {

namespace {

bool splitRange(std::string_view text, int& from, int& to) {
    const std::size_t dash = text.find('-');
    if (dash == std::string_view::npos || dash == 0) return false;
    return parseInt(text.substr(0, dash), from) && parseInt(text.substr(dash + 1), to);
}

} // namespace

std::optional<RegionOption> parseRegion(std::string_view text, std::string& error) {
    RegionOption region;
    if (text.substr(0, 3) == "chr") {
        region.kind = RegionOption::Chromosome;
        std::string_view rest = text.substr(3);
        const std::size_t colon = rest.find(':');
        const std::string_view name = rest.substr(0, colon);
        if (name == "X" || name == "x") {
            region.chromosome = 23;
        } else if (!parseInt(name, region.chromosome) || region.chromosome < 1 || region.chromosome > 22) {
            error = "--region: the chromosome is 1..22 or X, as chr5 or chrX";
            return std::nullopt;
        }
        if (colon != std::string_view::npos) {
            region.baseRange = true;
            if (!splitRange(rest.substr(colon + 1), region.from, region.to) || region.from < 0 ||
                region.to < region.from) {
                error =
                    "--region: the base range is START-END with 0 <= START <= END, as chr5:1000000-20000000";
                return std::nullopt;
            }
        }
        return region;
    }
    if (!splitRange(text, region.from, region.to) || region.from < 0 || region.to < region.from) {
        error = "--region takes FROM-TO (display positions, FROM <= TO), chrN or chrN:START-END";
        return std::nullopt;
    }
    return region;
}

bool resolveRegion(const RegionOption& region, const CVARNDoc& doc, int t, int& first, int& last,
                   std::string& error) {
    if (region.kind == RegionOption::Positions) {
        if (region.from < doc.snpFirst[t] || region.to > doc.snpLast[t]) {
            error = "--region: the positions of this array run from " + std::to_string(doc.snpFirst[t]) +
                    " to " + std::to_string(doc.snpLast[t]);
            return false;
        }
        first = region.from;
        last = region.to;
        return true;
    }
    const int begin = kChromosomeStart[t][region.chromosome];
    const int end = kChromosomeStart[t][region.chromosome + 1]; // one past the chromosome
    first = -1;
    last = -1;
    for (int pos = begin; pos < end; ++pos) {
        const int bases = doc.snpPosition[doc.arrangeOrder[pos]];
        if (region.baseRange && (bases < region.from || bases > region.to)) continue;
        if (first < 0) first = pos;
        last = pos;
    }
    if (first < 0) {
        error = "--region: no SNP of this array lies inside the given range";
        return false;
    }
    return true;
}

void defaultRegion(const CVARNDoc& doc, int t, int& first, int& last) {
    first = doc.snpFirst[t];
    last = doc.autosomeLast[t];
}

} // namespace varn::cli
