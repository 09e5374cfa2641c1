#pragma once

#include <string>

namespace varn {

class CVARNDoc;
class UserInterface;

// The region of an armed Range Set typed instead of dragged: "chr1", "chr1:1-100000000" or
// display positions "from-to", read as varn-cli's --region reads it, on array type t of the page
// (0: the merged profile's indices).
class CRegionEntry {
public:
    std::string text;
    const CVARNDoc* doc = nullptr;
    int t = 0;
    int first = 0, last = 0; // the display indices the region covers, once OK accepted it

    // A text that names no region of the array says why and keeps the dialog open.
    bool onOk(UserInterface& ui);
};

} // namespace varn
