#pragma once

#include "document/profile/ProfileReading.h"

#include <filesystem>
#include <string>
#include <vector>

namespace varn {

// PennCNV's population B-allele frequency file: tab-separated, a header line, columns "Name",
// "Chr", "Position" and "PFB". The profile it returns holds each SNP's frequency f in baf and no
// log ratio; a value outside 0..1 (PennCNV writes 2 for its copy-number probes) is missing.
ProfileReading readPfb(const std::filesystem::path& path, GenomeBuild build);

// Each SNP's prior probability of a heterozygous germline, 2 f (1 - f) (Hardy-Weinberg), from
// the PFB's frequencies joined to the profile by SNP name (or place, RowMatch.h); NaN for a SNP
// the PFB does not list. A PFB that matches part of the profile adds a warning with the share;
// under half is refused (the returned text says why; empty when done).
std::string joinPopulationFrequencies(Profile& profile, const Profile& pfb,
                                      std::vector<std::string>& warnings);

} // namespace varn
