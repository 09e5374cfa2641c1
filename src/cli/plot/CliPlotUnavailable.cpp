#include "cli/CliPlot.h"

namespace varn::cli {

// Built without Qt: there is no drawing surface to paint the display on.
bool plotDisplay(CVARNView&, const std::filesystem::path& file, const PictureOptions&, std::string& error) {
    error = "--plot " + file.string() + ": this varn-cli was built without Qt 6 and cannot draw";
    return false;
}

bool writeReportFile(CVARNView&, const SampleReport&, const std::filesystem::path& file, std::string& error) {
    error = "--out " + file.string() + ": this varn-cli was built without Qt 6 and cannot draw";
    return false;
}

bool plotPurityCurve(const PurityEstimate&, const std::filesystem::path& file, std::string& error) {
    error = "--plot " + file.string() + ": this varn-cli was built without Qt 6 and cannot draw";
    return false;
}

bool plotPurityMap(const PurityPloidyFit&, const std::filesystem::path& file, std::string& error) {
    error = "--plot " + file.string() + ": this varn-cli was built without Qt 6 and cannot draw";
    return false;
}

bool plotCohort(const CVARNDoc&, const CohortSummary&, const std::filesystem::path& file,
                std::string& error) {
    error = "--plot " + file.string() + ": this varn-cli was built without Qt 6 and cannot draw";
    return false;
}

} // namespace varn::cli
