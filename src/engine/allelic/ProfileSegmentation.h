#pragma once

#include "engine/hmm/HmmSegments.h"

#include <vector>

namespace varn {

class CVARNDoc;
struct Profile;

// A stretch of one chromosome of one array at one level: the usable positions of the profile
// from firstPos to lastPos (display positions), how many of them carry a finite value, and their
// mean.
struct ProfileSegment {
    int arrayType = 0;
    int chromosome = 0;
    int firstPos = 0;
    int lastPos = 0;
    int count = 0;
    double level = 0.0;
};

// The profile's SD from neighbour differences (median absolute difference): a level change
// moves few differences, so it measures the noise alone.
double profileNoise(const CVARNDoc& doc, int t, const float* values);

// Binary segmentation of a run of values with noise of SD 1 in threshold's units: a stretch is
// split where the difference of the means on either side, squared and weighted by the markers
// on both sides (k (n - k) / n), is largest, as long as that reaches threshold and both sides keep
// minMarkers values. Returns the cuts (index of the first value of each piece after the first),
// ascending.
std::vector<int> binarySegmentation(const std::vector<double>& values, double threshold, int minMarkers);

// Binary segmentation of the autosomal profile of array t: a stretch is split where the
// difference of the means on either side, in units of its standard error, is largest, as long as
// that exceeds a threshold far above what noise alone reaches over a whole array, and both
// sides keep a few markers. Chromosomes are never joined.
std::vector<ProfileSegment> segmentProfile(const CVARNDoc& doc, int t, const float* values, double noise);

// A profile segment in the form the allele stages cut further: the bases of its first and last
// SNP, its markers and level; no copy number yet.
CopyNumberSegment asCopyNumberSegment(const CVARNDoc& doc, const ProfileSegment& p);

// The same two for the log ratio of a profile's SNPs of one of its arrays (an index into
// profile.arrays), the SNPs taken in the profile's order: the noise from neighbour differences
// on the autosomes, and the autosomes segmented as above (the pieces of a step that does not stand
// clear of the profile's waves, LevelWaves.h, where they are given, joined again), each segment
// in the form the allele stages cut further.
double profileNoise(const Profile& profile, int array);
std::vector<CopyNumberSegment> segmentProfile(const Profile& profile, int array, double noise,
                                              double waves = 0.0);

} // namespace varn
