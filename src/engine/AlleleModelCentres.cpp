#include "AlleleModelCentres.h"

#include "document/CVARNDoc.h"

namespace varn {

ArrayCentres centresOfModel(const CVARNDoc&, int) { return {}; }

std::string alleleModelMissing(const CVARNDoc& doc, int a) {
    if (doc.refCount[a] <= 0) return a == kXba ? "no Xba reference pool is loaded" : "no Hind reference pool is loaded";
    return "the reference pool has no allele model";
}

} // namespace varn
