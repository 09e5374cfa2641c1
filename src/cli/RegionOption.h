#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varn {
class CVARNDoc;
}

namespace varn::cli {

// A baseline region as written on the command line: display positions FROM-TO of the array, or a
// chromosome "chrN" (1..22, X) with an optional base range "chrN:START-END".
struct RegionOption {
    enum Kind { Positions, Chromosome };
    Kind kind = Positions;
    int from = 0, to = 0; // positions, or bases with a base range
    int chromosome = 0;   // 1..23
    bool baseRange = false;
};

// Checks the text's form; on a mistake returns nullopt with the reason in error.
std::optional<RegionOption> parseRegion(std::string_view text, std::string& error);

// The first and last display positions of array type t that the region covers, or false with the
// reason (outside the array, no SNP inside the base range).
bool resolveRegion(const RegionOption& region, const CVARNDoc& doc, int t, int& first, int& last,
                   std::string& error);

// All autosomes of the array: the region used when none is given.
void defaultRegion(const CVARNDoc& doc, int t, int& first, int& last);

} // namespace varn::cli
