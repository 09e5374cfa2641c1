#pragma once

#include <filesystem>

namespace varn {

class CVARNDoc;
struct CohortSummary;

// Paints the cohort picture into a white image that holds the whole page and writes it as PNG.
// False when the file could not be written.
bool renderCohortPage(const CVARNDoc& doc, const CohortSummary& summary, const std::filesystem::path& path);

} // namespace varn
