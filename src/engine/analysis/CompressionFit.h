#pragma once

#include "engine/purity/PurityPloidyFit.h"

namespace varn {

// The compression of a profile's log ratio (ASCAT's gamma) measured on its own segments at a
// solution of the joint fit: the fit's segment levels were decompressed by `assumed`; at the
// solution each explained segment holds a state of k >= 1 total copies, whose mixed signal
// p g(k) + 2 (1 - p) the log ratio follows as gamma ln(signal) plus one offset for the genome.
// The weighted least-squares slope of the levels as read on ln(signal) is gamma (weights as the
// fit's: the segment's noise over its markers plus the model's error). Homozygous deletions are
// left out: their level is the probes' background, not the compression. NaN when fewer than two
// distinct states are explained, so that no slope can be read.
double measuredCompression(const PurityPloidyInput& input, const PurityPloidySolution& solution,
                           double assumed,
                           const PurityPloidyParameters& parameters = kPurityPloidyParameters);

// The fit's input as if its levels had been decompressed by `to` instead of `from`.
void recompress(PurityPloidyInput& input, double from, double to);

} // namespace varn
