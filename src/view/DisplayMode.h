#pragma once

namespace varn {

// What the view shows (displayMode).
inline constexpr int ModeNone = 0;
inline constexpr int ModeGenomeBoth = 2;       // whole genome, Xba and Hind merged
inline constexpr int ModeChromosomeBoth = 3;   // one chromosome of the merged profile
inline constexpr int ModeGenomeSingle = 4;     // whole genome of one array against the pool
inline constexpr int ModeChromosomeSingle = 5; // one chromosome of mode 4
inline constexpr int ModeCompensation = 7;     // fragment-length / GC compensation plots
inline constexpr int ModeReferenceSort = 10;   // reference SD ranking
inline constexpr int ModeGenomeSelf = 21;      // whole genome of one array against the paired normal
inline constexpr int ModeChromosomeSelf = 22;  // one chromosome of mode 21
// A profile from any array (File > Open Profile), drawn by base position at any density.
inline constexpr int ModeProfileGenome = 30;     // the whole genome of the profile
inline constexpr int ModeProfileChromosome = 31; // one chromosome of mode 30

inline constexpr bool isProfileMode(int mode) {
    return mode == ModeProfileGenome || mode == ModeProfileChromosome;
}

} // namespace varn
