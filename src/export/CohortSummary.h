#pragma once

#include "CohortFrequency.h"

#include <filesystem>
#include <string>
#include <vector>

namespace varn {

class UserInterface;

// The gain, loss and LOH frequencies of a cohort and the samples they were counted over.
struct CohortSummary {
    std::vector<std::string> samples;
    std::vector<CohortFrequencyRow> rows;
};

// The default cohort of the segments folder: every <sample>.segments.tsv, one table per tumour.
// A merged table (<xba>and<hind>) holds both arrays of its sample, so the single-array tables it
// was made from are left out rather than counted a second and a third time. Sorted by name.
std::vector<std::filesystem::path> defaultCohortTables(const std::filesystem::path& segmentsFolder);

// Reads the tables and counts the frequencies. A table that does not read, or a sample given
// twice, is a message box naming the file and line; the summary is then not made.
bool makeCohortSummary(UserInterface& ui, const std::vector<std::filesystem::path>& tables,
                       CohortSummary& summary);

// Writes segments/cohort-frequency.tsv (or the given path) through the safe writer.
bool writeCohortFrequencyTable(UserInterface& ui, const std::filesystem::path& path,
                               const CohortSummary& summary);

} // namespace varn
