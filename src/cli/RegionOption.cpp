#include "RegionOption.h"

#include "document/CVARNDoc.h"

namespace varn::cli {

std::optional<RegionOption> parseRegion(std::string_view text, std::string& error) {
    return parseRegionText(text, "--region", error);
}

bool resolveRegion(const RegionOption& region, const CVARNDoc& doc, int t, int& first, int& last,
                   std::string& error) {
    return resolveRegionText(region, doc, t, "--region", first, last, error);
}

void defaultRegion(const CVARNDoc& doc, int t, int& first, int& last) {
    first = doc.snpFirst[t];
    last = doc.autosomeLast[t];
}

} // namespace varn::cli
