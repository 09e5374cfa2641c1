#pragma once

#include <filesystem>

namespace varn {

class CVARNView;
struct SampleReport;

// The report as a PDF (A4 landscape): page 1 the genome page as shown, the record of the report's
// making, the noise figures, references and HMM means, and the table of changed segments (going
// on over further pages when long); then one page per changed chromosome. Pictures are drawn
// through the view's canvas, so they stay vectors. The view is left showing what it showed.
// Written through the replacing writer; false when the file cannot be written.
bool writeReport(CVARNView& view, const SampleReport& report, const std::filesystem::path& path);

} // namespace varn
