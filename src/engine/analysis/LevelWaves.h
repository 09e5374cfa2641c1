#pragma once

namespace varn {

struct Profile;

// The waves of a profile's log ratio: the hybridisation's response to the local GC content, a few
// hundredths over hundreds of kilobases on every array. They are a genomic scale: measured over
// stretches of kWaveReach bases, whatever the array's density.
struct LevelWaves {
    // The SD of a stretch's mean log ratio beyond what its noise alone gives it, in the profile's
    // units; 0 where the waves stay within the noise.
    double sd = 0.0;
    // The SNPs with a log ratio a stretch holds on average.
    double snpsPerStretch = 0.0;
};

// Bases over which a stretch's GC content, and so its wave, is one value.
inline constexpr int kWaveReach = 1000000;
// A stretch counts with at least this many SNPs (statistical support for its mean).
inline constexpr int kWaveSnps = 10;

// From the differences of neighbouring stretches along the autosomes of one of the profile's
// arrays (their median, so that the few stretches across a change of copy number do not count).
// A dense array resolves the waves as segments of their own, which no copy number explains: the
// segmentation and the joint fit take them as an error of the level, and the decoder counts a
// stretch's SNPs as no more sure of its level than its mean with the waves is.
LevelWaves levelWaves(const Profile& profile, int array);

} // namespace varn
