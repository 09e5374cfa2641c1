#pragma once

#include "NonSelfTempFile.h"

#include <string>
#include <string_view>

namespace varn {

class CVARNDoc;

// The self temporary file of array type t: tumour and paired normal, total and allele signals
// and calls, the region and the HMM means; self-contained. The writer's region repair is done
// by the caller (StoreSelfTempFile) so that formatting only reads the document.
std::string formatSelfTempFile(const CVARNDoc& doc, int t);

// Takes a self temporary file over into the document; Malformed leaves it as it was.
TempFileRead parseSelfTempFile(CVARNDoc& doc, std::string_view text);

} // namespace varn
