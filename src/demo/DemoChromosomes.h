#pragma once

namespace varn::demo {

// Chromosome number of the SNPs placed after chromosome X: they stand for Y and unplaced
// SNPs, which the arrays carry but the program never draws.
inline constexpr int kUnplacedChromosome = 24;

// Human chromosome lengths and centromere positions in bases (a 2006 assembly), indexed by
// chromosome number 1..22, 23 = X, 24 = Y (slot 0 unused).
inline constexpr int kChromosomeLength[25] = {
    0,         247249719, 242951149, 199501827, 191273063, 180857866, 170899992, 158821424, 146274826,
    140273252, 135374737, 134452384, 132349534, 114142980, 106368585, 100338915, 88827254,  78774742,
    76117153,  63811651,  62435964,  46944323,  49691432,  154913754, 57772954};

inline constexpr int kCentromere[25] = {
    0,        124300000, 93300000, 91700000, 50700000, 47700000, 60500000, 59100000, 45200000,
    51800000, 40300000,  52900000, 35400000, 16000000, 15600000, 17000000, 38200000, 22200000,
    16100000, 28500000,  27100000, 12300000, 11800000, 59400000, 11600000};

// Chromosomes whose short arm is a satellite stalk without unique sequence.
inline constexpr bool isAcrocentric(int chromosome) {
    return chromosome == 13 || chromosome == 14 || chromosome == 15 || chromosome == 21 || chromosome == 22;
}

// Stain classes of the cytoband tables (they select the ideogram colours).
inline constexpr int kStainGneg = 1;
inline constexpr int kStainGpos25 = 2;
inline constexpr int kStainGpos50 = 3;
inline constexpr int kStainGpos75 = 4;
inline constexpr int kStainGpos100 = 5;
inline constexpr int kStainAcen = 6;
inline constexpr int kStainGvar = 7;
inline constexpr int kStainStalk = 8;

} // namespace varn::demo
