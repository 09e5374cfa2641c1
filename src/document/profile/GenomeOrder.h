#pragma once

#include "document/profile/GenomeBuild.h"

#include <string>
#include <vector>

namespace varn {

struct Profile;
struct ReadSummary;

// Rows of a profile as a file gave them, put in genome order: sorted by chromosome and position
// (stably, so rows of one position keep the file's order), a position given twice kept once (its
// first row in the file), positions past their chromosome's end in the build counted and warned
// about once. Fills the summary's counts and notes. Every column of the profile with one entry
// per row is reordered with the others; empty optional columns stay empty.
void putInGenomeOrder(Profile& profile, GenomeBuild build, ReadSummary& summary,
                      std::vector<std::string>& warnings);

// Rows a reader can hold: the sort key packs the row's index into 28 bits.
inline constexpr std::size_t kMaxProfileRows = (std::size_t{1} << 28) - 1;

} // namespace varn
