#pragma once

namespace varn {

// The fixed chromosome table of the 50K arrays, which the engine walks and the view lays out:
// for each array type (0 merged, 1 Xba, 2 Hind) the display index of the first SNP of chromosome
// c (1..22, 23 = X), with slot 24 one past the last SNP of X. The counts are those of the
// annotation tables. Note that the merged table is one SNP off the sum of the two arrays at
// chromosome 5: merged chromosome 5 starts at 35957 while Xba and Hind chromosomes 1-4 hold
// 35,958 SNPs, so one chromosome-4 SNP is shown at the start of merged chromosome 5.
inline constexpr int kChromosomeStart[3][25] = {
    {0, 0, 9197, 19549, 27362, 35957, 44328, 52417, 59486, 66461, 71262, 76954, 82321, 87584, 92825,
     96840, 99872, 102252, 104215, 107785, 108473, 110563, 112476, 113237, 115571},
    {0, 57244, 61903, 67181, 71042, 75282, 79437, 83555, 87169, 90591, 93032, 95973, 98873, 101554,
     104129, 106210, 107803, 109046, 110018, 111856, 112219, 113317, 114346, 114673, 115857},
    {0, 0, 4538, 9612, 13564, 17920, 22135, 26106, 29561, 33114, 35474, 38225, 40692, 43274, 45940,
     47874, 49313, 50450, 51441, 53173, 53498, 54490, 55374, 55808, 56958},
};

inline constexpr int kChromosomeX = 23;

} // namespace varn
