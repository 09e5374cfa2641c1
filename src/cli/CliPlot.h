#pragma once

#include <filesystem>
#include <string>

namespace varn {
class CVARNDoc;
class CVARNView;
struct CohortSummary;
struct PurityEstimate;
} // namespace varn

namespace varn::cli {

// --plot: switches the view to the Monitor preset and draws its display mode, as the window would,
// into a PNG large enough for the whole page. False with the reason when it cannot be written
// (or when the tool was built without the Qt drawing surface).
bool plotDisplay(CVARNView& view, const std::filesystem::path& file, std::string& error);

// purity --plot: the fit curve of a tumour cell fraction estimate as a PNG.
bool plotPurityCurve(const PurityEstimate& estimate, const std::filesystem::path& file, std::string& error);

// cohort --plot: the cohort picture of the summary, the SNPs placed by the document's annotation.
bool plotCohort(const CVARNDoc& doc, const CohortSummary& summary, const std::filesystem::path& file,
                std::string& error);

} // namespace varn::cli
