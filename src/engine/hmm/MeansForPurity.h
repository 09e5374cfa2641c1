#pragma once

#include "document/DocumentLimits.h"

namespace varn {

// The HMM means of an impure sample. The pure-tumour means carry the array's own compression of
// the signal (a homozygous deletion reads -1.24, not minus infinity); a sample with a fraction p
// of tumour cells holds p parts tumour DNA and 1 - p parts diploid normal DNA, so on the linear
// scale its expected signal is p * base^mean + (1 - p) for every copy number. Pool profiles are
// natural logarithms, paired ones base 2. p = 1 returns the pure means unchanged, bit for bit.
void meansForPurity(const float pure[kStates], double purity, bool log2Scale, float out[kStates]);

// The spread factors that go with them: a state's emission spread widens with its distance from
// diploid in the pure tumour; mixed toward diploid it moves toward the diploid spread, 1.
void spreadFactorsForPurity(const float pure[kStates], double purity, float out[kStates]);

// The pure-tumour means that meansForPurity would have mixed into these (its inverse); false when
// a mean lies at or below the normal cells' floor, which no pure mean mixes to.
bool pureMeansFrom(const float mixed[kStates], double purity, bool log2Scale, float out[kStates]);

} // namespace varn
