#pragma once

#include "export/PictureFormat.h"

#include <filesystem>
#include <optional>
#include <string>

namespace varn {
class CVARNDoc;
class CVARNView;
class UserInterface;
struct ProfilePicture;
struct ProfileReport;
struct CohortSummary;
struct PurityEstimate;
struct PurityPloidyFit;
struct SampleReport;
} // namespace varn

namespace varn::cli {

// --plot: switches the view to the Monitor preset and draws its display mode, as the window would,
// into a picture large enough for the whole page: a PNG at options.dpi, an SVG or a PDF. False
// with the reason when it cannot be written (or when the tool was built without the Qt drawing
// surface). A written picture is confirmed on stdout.
bool plotDisplay(CVARNView& view, const std::filesystem::path& file, const PictureOptions& options,
                 std::string& error);

// report --out: the PDF report drawn with the window's surface; confirmed on stdout like a plot.
bool writeReportFile(CVARNView& view, const SampleReport& report, const std::filesystem::path& file,
                     std::string& error);

// The picture a --plot file name asks for: its kind by extension and the --dpi for a PNG; nothing
// (with the reason) for an extension that is not .png, .svg or .pdf.
std::optional<PictureOptions> plotOptionsFor(const std::filesystem::path& file, int dpi, std::string& error);

// purity --plot: the fit curve of a tumour cell fraction estimate as a PNG.
bool plotPurityCurve(const PurityEstimate& estimate, const std::filesystem::path& file, std::string& error);

// purity --plot with the alleles: the map of the joint fit of fraction and ploidy as a PNG.
bool plotPurityMap(const PurityPloidyFit& fit, const std::filesystem::path& file, std::string& error);

// cohort --plot: the cohort picture of the summary, the SNPs placed by the document's annotation.
bool plotCohort(const CVARNDoc& doc, const CohortSummary& summary, const std::filesystem::path& file,
                std::string& error);

// profile --plot, --plot-chromosomes and --report: the genome page of a profile, the page of
// chromosome c (1..23), and the PDF report, in the kinds and at the --dpi the options name. False
// with the reason when the file cannot be written (or the tool was built without the Qt drawing
// surface); a written file is confirmed through the user interface, as --plot confirms its own.
bool plotProfileGenome(const ProfilePicture& picture, const std::filesystem::path& file,
                       const PictureOptions& options, UserInterface& ui, std::string& error);
bool plotProfileChromosome(const ProfilePicture& picture, int chromosome, const std::filesystem::path& file,
                           const PictureOptions& options, UserInterface& ui, std::string& error);
bool writeProfileReportFile(const ProfilePicture& picture, const ProfileReport& report,
                            const std::filesystem::path& file, UserInterface& ui, std::string& error);

} // namespace varn::cli
