#pragma once

#include "DocumentLimits.h"

#include <string>

namespace varn {

class CVARNDoc;
class LineReader;

// The settings a profile is recomputed from, as both temporary-file formats carry them after
// their signal lines: "%d \t %d \t %d \n" with the region and the base copy number, then
// "%f\n" with each of the seven HMM means.
struct ProfileSettings {
    int regionStart = 0, regionEnd = 0, baseCopyNumber = 0;
    float hmmMean[kStates] = {};

    // A field the file leaves unreadable keeps the document's value, so reading starts from it.
    static ProfileSettings fromDocument(const CVARNDoc& doc, int t);
    void storeInto(CVARNDoc& doc, int t) const;
    void append(std::string& out) const;
    // False when the file ends before the eight lines are complete.
    bool read(LineReader& in);
};

} // namespace varn
