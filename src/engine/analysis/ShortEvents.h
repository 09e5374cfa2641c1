#pragma once

#include "engine/analysis/LevelWaves.h"

#include <vector>

namespace varn {

struct Profile;
struct ProfileDecoding;

// Losses shorter than the waves' reach. The decoder counts each SNP as no more sure of its level
// than a whole wave's stretch is (ProfileAnalysis.cpp), so that the waves of a dense array do not
// read as changes; but that hides a change of a few dozen SNPs however deep, such as the 100 kb
// deletions over CDKN2A or PTEN that a dense array resolves. A second decoding with the SNPs' own
// noise finds the short runs. Of those, only a run at the floor is taken (no copy in the tumour
// cells, or one copy in every cell): its level lies beyond what a wave carries a stretch of a few
// hundred kilobases to, while a short gain or a single copy lost in the tumour cells alone lies
// within what the waves of a real array (and of the demo's) do; those stay the waves'.
//
// A run is taken where its SNPs' mean lies nearer the floor than the coarse call's level, and
// stands clear of the coarse call's level by kShortEventZ standard errors, counting the waves
// whole (the error of a mean of n SNPs under one wave: noise^2 / n + waves^2). What it is, the
// alleles tell. A homozygous deletion in the tumour cells leaves the normal cells' alleles, so
// its heterozygous SNPs still read as informative; a loss in the germline leaves one copy in every
// cell and no heterozygous SNP at all, though its log ratio at half the cells normal falls as far.
// A run without any informative SNP is a germline loss (one copy, none of the other parent) where
// that is at least kGermlineOdds times likelier of one than of a deletion, whose SNPs would show
// the genome's share of informative ones; one where too few SNPs tell is left as it was called.

// Genome-wide, most short stretches the fine decoding calls otherwise are noise or waves: a test
// at 5 standard errors lets fewer than one in a million of them through.
inline constexpr double kShortEventZ = 5.0;
// Statistical support: the fewest SNPs whose mean the test rests on, with a failed probe among
// them.
inline constexpr int kShortEventSnps = 5;
// Bases: a run the fine decoding calls over longer than this is the waves' scale, where the
// coarse decoding decides.
inline constexpr int kShortEventBases = kWaveReach;
// Odds of twenty to one, a test's customary 5 %: at a third of the SNPs informative, eight SNPs
// without one tell a germline loss (a 50 kb loss at 2.5 million SNPs holds about twenty).
inline constexpr double kGermlineOdds = 20.0;

// What the test reads, in the units of the profile as read: the log ratio of k total copies in
// the tumour cells (levelOfTotal[k]), of one copy in every cell, the SD of one SNP's log ratio and
// of a stretch's wave; and the SNPs' informative flags (empty without a B-allele fraction), with
// whether a homozygous deletion leaves any alleles to read (not in a nearly pure tumour).
struct ShortEventLevels {
    std::vector<float> levelOfTotal;
    double germlineLoss = 0.0;
    double noise = 0.0, waves = 0.0;
    const std::vector<char>* informative = nullptr;
    bool deletionShowsAlleles = true;
};

// Takes into `coarse` the autosomal runs of `fine` (same SNPs, decoded with the SNPs' own noise)
// at no total copy that pass the test above, as homozygous deletions (0 copies) or germline losses
// (1 copy, 0 of the minor parent). Returns how many runs it took.
int takeShortEvents(const Profile& read, const ProfileDecoding& fine, ProfileDecoding& coarse,
                    const ShortEventLevels& levels);

} // namespace varn
