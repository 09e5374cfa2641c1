#include "CliProfileOutputs.h"

#include "CliOutputs.h"

#include "CliPlot.h"
#include "CliSession.h"
#include "CliUserInterface.h"
#include "document/profile/CytoBandFile.h"
#include "engine/analysis/ProfileResult.h"
#include "export/ProfileOutputs.h"
#include "export/StoredProfileFile.h"

#include <ostream>

namespace varn::cli {

namespace {

// The bands of the root's data folder for the build, when it has them.
std::vector<CytoBand> cytobandsOf(const CommandContext& context, GenomeBuild build, std::ostream& err) {
    const auto file = findCytoBandFile(context.root.map("c:\\VARN\\data"), build);
    if (!file) return {};
    CytoBandReading reading = readCytoBandFile(*file);
    if (!reading.refusal.empty()) {
        err << "varn-cli profile: " << reading.refusal << "; the chromosomes are drawn without bands\n";
        return {};
    }
    return std::move(reading.bands);
}

} // namespace

bool writeProfileOutputs(const CommandContext& context, CliUserInterface& ui, const ProfileResult& result,
                         const ProfileOutputs& outputs, const std::vector<std::string>& sources) {
    bool ok = true;
    auto fail = [&](const std::string& why) {
        context.err << "varn-cli profile: " << why << "\n";
        ok = false;
    };
    if (outputs.store) {
        const std::filesystem::path path = storedProfileFile(context.root, result.profile.sample);
        std::error_code ec;
        std::filesystem::create_directories(path.parent_path(), ec);
        if (writeStoredProfile(path, result))
            ui.fileWritten("Stored", path);
        else
            fail("the analysis cannot be stored in " + path.string());
    }
    if (outputs.segments && !writeProfileSegmentFiles(context.root, result, ui)) ok = false;
    if (outputs.baf) {
        if (!result.profile.hasBaf())
            fail("--baf: the profile has no B-allele fraction, so there are no ASCAT files to write");
        else if (!writeProfileAscatFiles(context.root, result, ui))
            ok = false;
    }
    if (outputs.plot.empty() && outputs.chromosomePlots.empty() && outputs.report.empty()) return ok;

    const ProfilePicture picture = profilePictureOf(result, cytobandsOf(context, result.build, context.err));
    std::string error;
    if (!outputs.plot.empty()) {
        const auto options = plotOptionsFor(outputs.plot, outputs.dpi, error);
        if (!options || !plotProfileGenome(picture, outputs.plot, *options, ui, error)) fail(error);
    }
    if (!outputs.chromosomePlots.empty()) {
        for (int c : profileChromosomes(picture)) {
            const std::string file = outputs.chromosomePlots + "-ch" +
                                     (c == 23 ? std::string("X") : std::to_string(c)) +
                                     outputs.chromosomePlotExtension;
            const PictureOptions options{pictureKindOf(file).value_or(PictureKind::Png), outputs.dpi};
            if (!plotProfileChromosome(picture, c, file, options, ui, error)) {
                fail(error);
                break;
            }
        }
    }
    if (!outputs.report.empty()) {
        std::vector<std::string> record = {std::string("VARN ") + VARN_VERSION + ", report made " + reportMadeAt()};
        for (const std::string& s : sources) record.push_back("From " + s);
        if (!writeProfileReportFile(picture, profileReportOf(result, record), outputs.report, ui, error))
            fail(error);
    }
    return ok;
}

} // namespace varn::cli
