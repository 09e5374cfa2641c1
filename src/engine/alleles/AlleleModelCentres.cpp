#include "AlleleModelCentres.h"

#include "document/CVARNDoc.h"
#include "engine/alleles/AlleleModel.h"

namespace varn {

ArrayCentres centresOfModel(const CVARNDoc& doc, int a) {
    ArrayCentres out;
    if ((a != kXba && a != kHind) || !alleleModelUnavailableReason(doc, a).empty()) return out;
    const AlleleModel& m = doc.alleleModel[a];
    out.first = m.first;
    out.centre.resize(static_cast<std::size_t>(m.size()));
    for (std::size_t i = 0; i < out.centre.size(); ++i)
        out.centre[i] = {m.centreAA[i], m.centreAB[i], m.centreBB[i]};
    return out;
}

std::string alleleModelMissing(const CVARNDoc& doc, int a) { return alleleModelUnavailableReason(doc, a); }

} // namespace varn
