#include "CRegionEntry.h"

#include "RegionText.h"
#include "document/UserInterface.h"

namespace varn {

namespace {

std::string_view trimmed(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos) return {};
    return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

} // namespace

bool CRegionEntry::onOk(UserInterface& ui) {
    if (doc == nullptr) return false;
    std::string error;
    const auto region = parseRegionText(trimmed(text), "Region", error);
    if (region && resolveRegionText(*region, *doc, t, "Region", first, last, error)) return true;
    ui.messageBox(error);
    return false;
}

} // namespace varn
