#pragma once

#include <filesystem>

namespace varn {

class CVARNView;
struct SampleReport;

// The report as a PDF (A4 landscape): page 1 the genome page at its Monitor preset, as large as
// the page allows; then the record of the report's making (version, date, each array's pool file,
// the analysis files), the noise figures, references, HMM means and ploidy, the table of changed
// segments and one section per changed chromosome (its picture and its rows), flowing from page
// to page. Every page ends in a line naming the version, the sample, the tumour cell fraction,
// the ploidy and the page. Pictures are drawn through the view's canvas, so they stay vectors;
// the view is left showing what it showed. Written through the replacing writer; false when the
// file cannot be written.
bool writeReport(CVARNView& view, const SampleReport& report, const std::filesystem::path& path);

} // namespace varn
