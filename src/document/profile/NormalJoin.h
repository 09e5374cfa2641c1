#pragma once

#include <string>
#include <vector>

namespace varn {

struct Profile;

// Joins the patient's normal to the tumour's rows (RowMatch.h: by SNP name where both have
// names, else by chromosome and position): its B-allele fraction goes to normalBaf, its
// genotypes to normalGenotype, its log ratio to normalLogRatio, each only where the normal has
// that column; a tumour SNP the normal lacks gets NaN / kNoCall. A normal that matches part of
// the tumour's SNPs adds a warning with the share matched; one that matches fewer than half, or
// that has neither B-allele fractions nor genotypes, is refused: the returned text says why
// (empty when joined). The tumour is changed only when the join succeeds.
std::string joinNormal(Profile& tumour, const Profile& normal, std::vector<std::string>& warnings);

} // namespace varn
