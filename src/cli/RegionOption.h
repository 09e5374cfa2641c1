#pragma once

#include "commands/RegionText.h"

#include <optional>
#include <string>
#include <string_view>

namespace varn {
class CVARNDoc;
}

namespace varn::cli {

// A baseline region as written on the command line: display positions FROM-TO of the array, or a
// chromosome "chrN" (1..22, X) with an optional base range "chrN:START-END", read as the window
// reads a typed region.
using RegionOption = RegionText;

// Checks the text's form; on a mistake returns nullopt with the reason in error.
std::optional<RegionOption> parseRegion(std::string_view text, std::string& error);

// The first and last display positions of array type t that the region covers, or false with the
// reason (outside the array, no SNP inside the base range).
bool resolveRegion(const RegionOption& region, const CVARNDoc& doc, int t, int& first, int& last,
                   std::string& error);

// All autosomes of the array: the region used when none is given.
void defaultRegion(const CVARNDoc& doc, int t, int& first, int& last);

} // namespace varn::cli
