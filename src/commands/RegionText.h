#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varn {

class CVARNDoc;

// A baseline region as a person writes it: display positions FROM-TO of the array shown, or a
// chromosome "chrN" (1..22, X) with an optional base range "chrN:START-END". The command line's
// --region and the window's typed region read the same text.
struct RegionText {
    enum Kind { Positions, Chromosome };
    Kind kind = Positions;
    int from = 0, to = 0; // positions, or bases with a base range
    int chromosome = 0;   // 1..23
    bool baseRange = false;
};

// Checks the text's form; on a mistake returns nullopt with the reason in error, which calls the
// text by `name` ("--region").
std::optional<RegionText> parseRegionText(std::string_view text, std::string_view name, std::string& error);

// The first and last display indices of array type t (0: the merged index of both) that the region
// covers, or false with the reason (outside the array, no SNP inside the base range).
bool resolveRegionText(const RegionText& region, const CVARNDoc& doc, int t, std::string_view name,
                       int& first, int& last, std::string& error);

} // namespace varn
