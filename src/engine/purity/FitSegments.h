#pragma once

#include "engine/purity/PurityPloidyFit.h"

namespace varn {

struct Profile;
struct InformativeSnps;

// The segments the joint fit of purity and ploidy reads from one array of a profile (an index
// into profile.arrays; the fit's array array + 1), added to in.segments. The array's autosomes are
// segmented by their levels alone (not by any decoding, whose states already assume a fraction),
// and, where the profile's alleles are read (informative not null), each segment is cut further
// where its alleles step and read with its informative SNPs' mirrored B-allele fraction. Levels
// in natural log (a profile in base 2 converted). Sets the array's noises, informative share and
// detectable minor share; its effective copies and baseline region are the caller's. False when
// the array's log ratio has no noise to measure (no segments then).
// waves: the profile's (LevelWaves.h), which a level step must stand clear of, and minBases the
// span below which a segment is left to the waves (it is not fitted); 0 for none.
bool addFitSegments(const Profile& profile, int array, const InformativeSnps* informative,
                    PurityPloidyInput& in, double waves = 0.0, double minBases = 0.0);

} // namespace varn
