#pragma once

#include "document/profile/ProfileReading.h"

#include <filesystem>

namespace varn {

// ASCAT's input files, as ascat.loadData reads them and VARN's own alleles/<sample>.LogR.txt and
// <sample>.BAF.txt are written: tab-separated, a header whose first field is empty (R's row
// names), then "Chr" (or "chrs"), "Position" (or "pos") and one column per sample; each row the
// SNP's name, chromosome, position and values. A sample's log ratio and B-allele fraction come in
// two such files: path is either, the other is options.baf or the file beside it whose name has
// "BAF" for "LogR" (or the reverse, in any case). The LogR file alone is a profile without
// B-allele fractions; a BAF file alone is refused. The platform is Unknown.
ProfileReading readAscat(const std::filesystem::path& path, const ProfileOptions& options);

// The other file of an ASCAT pair, found by name beside file: for a name with "LogR" (any case)
// the one with "BAF" there, and for "BAF" the one with "LogR", "logR" or "logr". Empty when the
// name has neither or no such file exists.
std::filesystem::path ascatPartner(const std::filesystem::path& file);
// Whether a file's name says it is the BAF file of a pair.
bool isAscatBafName(const std::filesystem::path& file);

} // namespace varn
