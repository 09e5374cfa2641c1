#pragma once

#include <string>
#include <vector>

namespace varn::demo {

class DemoRandom;

// One cytogenetic band: bases [start, end) of its chromosome, its stain class (1..8) and its name
// in the usual arm-region-band notation ("p36.33", "q21.1").
struct Band {
    int start = 0;
    int end = 0;
    int stain = 0;
    std::string name;
};

// Band maps of chromosomes 1..24 (index 0 empty), each sorted and covering the whole chromosome.
// Every chromosome has an acen band on each side of its centromere; chromosomes 1, 9 and 16 have
// a heterochromatic gvar band at q12; the acrocentric chromosomes have gvar and stalk bands on
// their short arm; the rest alternate gneg with gpos bands of random density.
std::vector<std::vector<Band>> makeCytobands(DemoRandom& rng);

// The band of a position (bases) on one chromosome's map; the last band for a position past the end.
const Band& bandAt(const std::vector<Band>& bands, int position);

} // namespace varn::demo
