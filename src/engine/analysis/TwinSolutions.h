#pragma once

#include "engine/purity/PurityPloidyFit.h"

#include <string>

namespace varn {

// Two readings of the same profile that no data can tell apart. With the log ratio's zero free (a
// profile's log ratio is relative to its own mean), a tumour at cell fraction p with states
// (b, a) gives, SNP by SNP, the same log-ratio steps and B-allele fractions as
//   - its doubling: fraction p / (2 - p), states (2b, 2a);
//   - one more copy of each parent: fraction p / (1 - p), states (b + 1, a + 1), when p < 0.5
//     (the normal cells' two copies, lent to the tumour cells);
// for the B copies over the total copies of the mix scale alike. Only a prior chooses: the reading
// without the doubling needs one event fewer. A profile of a few chromosomes, whose states are
// too few for the fit's other terms to break the tie, meets these twins as a rule.
//
// Where exactly one undoubled solution is the best or a twin of it, and doubled twins of it fit
// within chi-square(2 df) of the best, that one is moved to the front (the others keep their
// order) and the fit is decided; the return is the clause that names the twins passed over (""
// where nothing was changed).
std::string preferUndoubledTwin(PurityPloidyFit& fit, const PurityPloidyParameters& P);

} // namespace varn
