#pragma once

#include "document/profile/ProfileReading.h"

#include <filesystem>

namespace varn {

// A PennCNV signal file: tab-separated, a header line, columns "Name", "Chr", "Position" and per
// sample "<sample>.Log R Ratio", "<sample>.B Allele Freq" and optionally "<sample>.GType" (a bare
// "Log R Ratio" is a sample without a name). Several samples side by side are chosen between with
// options.sample. The platform is Illumina, unless the SNP names are Affymetrix's ("SNP_A-",
// "AFFX-", "CN_"), as PennCNV's Affymetrix road writes them: then it is AffymetrixSnp6.
ProfileReading readPennCnv(const std::filesystem::path& path, const ProfileOptions& options);

} // namespace varn
