#pragma once

#include "document/CVARNDoc.h"

#include <cstdint>
#include <string>

namespace varn::test {

// Fills the fields a stored analysis of array type t carries with varied values: a pool-mode
// analysis (signals, calls, region, HMM means, reference flags) or, with paired = true, a
// tumour/normal pair with allele signals. Signals lie in 16..32 like real summed signals, where
// six decimals identify a float exactly; smallSignals puts them below 1, where they do not.
void fillStoredAnalysis(CVARNDoc& doc, int t, const std::string& name, bool paired = false, bool smallSignals = false,
                        unsigned seed = 7);

// Gives array type t a pool of refs references whose signals scatter around the sample's.
void fillPool(CVARNDoc& doc, int t, int refs, unsigned seed = 11);

// A digest of every field a temporary file of type t can change (both formats), to show that a
// rejected file left the document as it was.
std::uint64_t storedFieldsDigest(const CVARNDoc& doc, int t);

// The installation's output folders under the root.
void makeOutputFolders(const CVARNDoc& doc);

// Printed like the file prints it: "%f" of the value.
std::string printedF(double v);

} // namespace varn::test
