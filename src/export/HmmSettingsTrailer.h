#pragma once

#include "document/CVARNDoc.h"
#include "document/PrintFormat.h"

#include <string>

namespace varn {

// The settings a profile was decoded with, as the raw data table and the view file close their
// SNP lines: "%d \n" with the base copy number, then "%f\n" with each of the seven HMM means.
inline void appendHmmSettings(std::string& out, const CVARNDoc& doc) {
    appendInt(out, doc.baseCopyNumber);
    out += " \n";
    for (float mean : doc.hmmMean) {
        appendFixed6(out, mean);
        out += '\n';
    }
}

} // namespace varn
