#pragma once

#include "engine/allelic/SampleSex.h"

#include <string>

namespace varn {

class CVARNDoc;

// The allele-specific decoding of the profile the document holds, as a stage: its allele
// analysis, each array's levels at the tumour fraction and baseline copy number in use, the
// sexes, then the HMM chromosome by chromosome, both arrays of a merged analysis in one chain.
struct AlleleDecoding {
    bool decoded = false;
    std::string why;     // not decoded: why, for the person
    std::string warning; // decoded, X left undecoded: why
    double purity = 1.0;
    int regionCopyNumber = 2;
    SexReading sex;
    double poolMaleShare = 0.0;
};

// Decodes array t (1 Xba, 2 Hind, 0 both arrays merged; paired: the tumour against its normal)
// into hmmState[0] (total copies) and hmmMinorCopies (the minor parent's), at the tumour fraction
// the HMM means stand for (hmmMeansPurity) with the baseline region at baseCopyNumber copies.
// Autosomes always; X where the sexes allow (one copy in a man's normal cells). Positions it does
// not decode keep their states.
AlleleDecoding decodeAlleleSpecific(CVARNDoc& doc, int t, bool paired);

} // namespace varn
