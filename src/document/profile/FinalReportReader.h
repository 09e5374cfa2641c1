#pragma once

#include "document/profile/ProfileReading.h"

#include <filesystem>

namespace varn {

// An Illumina GenomeStudio final report: a "[Header]" section (its "Content" line names the
// manifest, taken as the array's name), then "[Data]" and a table, tab- or comma-separated, whose
// columns are found by name: "SNP Name", "Chr", "Position", "Log R Ratio", and where present
// "Sample ID", "B Allele Freq" and a genotype, "GType" or the "Allele1 - AB" / "Allele2 - AB"
// pair. GenomeStudio writes the rows of several samples one sample after another; options.sample
// picks one, and a report of several samples without it is refused with the list of its samples.
// The reading takes options.sample and options.build; the platform is Illumina.
ProfileReading readFinalReport(const std::filesystem::path& path, const ProfileOptions& options);

} // namespace varn
