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

bool plotProfileGenome(const ProfilePicture&, const std::filesystem::path& file, const PictureOptions&,
                       UserInterface&, std::string& error) {
    error = "--plot " + file.string() + ": this varn-cli was built without Qt 6 and cannot draw";
    return false;
}

bool plotProfileChromosome(const ProfilePicture&, int, const std::filesystem::path& file,
                           const PictureOptions&, UserInterface&, std::string& error) {
    error = "--plot-chromosomes " + file.string() + ": this varn-cli was built without Qt 6 and cannot draw";
    return false;
}

bool writeProfileReportFile(const ProfilePicture&, const ProfileReport&, const std::filesystem::path& file,
                            UserInterface&, std::string& error) {
    error = "--report " + file.string() + ": this varn-cli was built without Qt 6 and cannot draw";
    return false;
}

} // namespace varn::cli
