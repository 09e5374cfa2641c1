#pragma once

#include "document/DocumentLimits.h"

namespace varn {

class CVARNDoc;

// The pure-tumour means behind the document's means (they are mixed when hmmMeansPurity < 1).
void pureMeansOf(const CVARNDoc& doc, bool log2Scale, float out[kStates]);

// Sets the document's HMM means (and spread factors) to those of a sample with tumour fraction p,
// mixed from the pure-tumour means behind the current ones, and records p in hmmMeansPurity.
// p = 1 restores the pure means. The profile is not recomputed here.
void setHmmMeansForPurity(CVARNDoc& doc, double purity, bool log2Scale);

// After stored means were read back: the fraction they stand for, when they are the default
// means mixed for some p < 1 (a stored analysis keeps its means, not its fraction), else 1.
// Sets hmmMeansPurity and the spread factors that go with it.
void adoptStoredHmmMeans(CVARNDoc& doc, bool log2Scale);

// The tumour fraction the means stand for, recovered from the means alone; 1 when they are not
// the default means mixed for a fraction in 0.10 .. 0.99.
double purityOfMeans(const float means[], bool log2Scale);

// Recomputes the profile of the array shown (both arrays in the merged view) and decodes it
// again with the document's HMM means, as OK in the HMM parameter dialog does.
void redecodeProfiles(CVARNDoc& doc, int shownArrayType);

} // namespace varn
