#include "ProfileSettings.h"

#include "CVARNDoc.h"
#include "PrintFormat.h"
#include "ScanFormat.h"

#include <algorithm>

namespace varn {

ProfileSettings ProfileSettings::fromDocument(const CVARNDoc& doc, int t) {
    ProfileSettings s;
    s.regionStart = doc.regionStart[t];
    s.regionEnd = doc.regionEnd[t];
    s.baseCopyNumber = doc.baseCopyNumber;
    std::copy(doc.hmmMean, doc.hmmMean + kStates, s.hmmMean);
    return s;
}

void ProfileSettings::storeInto(CVARNDoc& doc, int t) const {
    doc.regionStart[t] = regionStart;
    doc.regionEnd[t] = regionEnd;
    doc.baseCopyNumber = baseCopyNumber;
    std::copy(hmmMean, hmmMean + kStates, doc.hmmMean);
}

void ProfileSettings::append(std::string& out) const {
    appendInt(out, regionStart);
    out += " \t ";
    appendInt(out, regionEnd);
    out += " \t ";
    appendInt(out, baseCopyNumber);
    out += " \n";
    for (float mean : hmmMean) {
        appendFixed6(out, mean);
        out += '\n';
    }
}

bool ProfileSettings::read(LineReader& in) {
    std::string_view line;
    if (!in.next(line)) return false;
    FieldScanner region(line);
    if (region.scanInt(regionStart) && region.scanInt(regionEnd)) region.scanInt(baseCopyNumber);
    for (float& mean : hmmMean) {
        if (!in.next(line)) return false;
        FieldScanner(line).scanFloat(mean);
    }
    return true;
}

} // namespace varn
