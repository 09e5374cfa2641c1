// profile: a per-SNP profile of log ratio and B-allele fraction from any array (a final report, a
// PennCNV signal file, ASCAT's files, a plain table) through the allele engine: the joint fit of
// purity and ploidy with every solution, the allele-specific decoding, and analyze's outputs.
#include "CliCommands.h"
#include "CliMeansOptions.h"
#include "CliOutputs.h"
#include "CliPlot.h"
#include "CliProfileInput.h"
#include "CliProfileOutputs.h"
#include "CliSession.h"
#include "CliUserInterface.h"
#include "Commands.h"
#include "engine/analysis/ProfileAnalysis.h"
#include "engine/analysis/ProfileResult.h"
#include "export/StoredProfileFile.h"

#include <ostream>

namespace varn::cli {

namespace {

const OptionRules kRules{{"--normal", "--format", "--sample", "--build", "--pfb", "--purity", "--ploidy",
                          "--solution", "--sex", "--logr-file", "--baf-file", "--normal-baf-file",
                          "--normal-logr-file", "--plot", "--plot-chromosomes", "--report", "--dpi",
                          "--reload"},
                         {"--segments", "--baf", "--store"},
                         1};

// The input options, which --reload takes none of.
const char* const kInputOptions[] = {
    "--normal",   "--format",          "--sample",          "--build", "--pfb",
    "--purity",   "--ploidy",          "--solution",        "--sex",   "--logr-file",
    "--baf-file", "--normal-baf-file", "--normal-logr-file"};

bool readOutputs(const ParsedOptions& options, ProfileOutputs& o, std::string& error) {
    o.store = options.flag("--store");
    o.segments = options.flag("--segments");
    o.baf = options.flag("--baf");
    o.plot = options.single("--plot").value_or("");
    o.chromosomePlots = options.single("--plot-chromosomes").value_or("");
    o.report = options.single("--report").value_or("");
    if (!readPlotDpi(options, o.dpi, error)) return false;
    if (!o.plot.empty() && !plotOptionsFor(o.plot, o.dpi, error)) return false;
    if (const auto kind = pictureKindOf(o.chromosomePlots); kind && o.chromosomePlots.size() > 4) {
        o.chromosomePlotExtension = o.chromosomePlots.substr(o.chromosomePlots.size() - 4);
        o.chromosomePlots.resize(o.chromosomePlots.size() - 4);
    }
    if (!o.report.empty() && pictureKindOf(o.report) != PictureKind::Pdf) {
        error = "--report takes a file ending in .pdf";
        return false;
    }
    return true;
}

// FILE, or ASCAT's files by --logr-file and --baf-file, and the reading's other options; false
// with the reason on a usage mistake.
bool readInput(const ParsedOptions& options, std::filesystem::path& file, varn::ProfileOptions& read,
               std::string& error) {
    const auto logr = options.single("--logr-file");
    if (logr.has_value() == !options.words.empty()) {
        error = "give FILE, or ASCAT's files as --logr-file FILE --baf-file FILE";
        return false;
    }
    if (!readProfileReadOptions(options, read, error)) return false;
    if (!logr) {
        file = options.words.front();
        for (const char* o : {"--baf-file", "--normal-baf-file", "--normal-logr-file"})
            if (options.has(o)) {
                error = std::string(o) + " goes with --logr-file";
                return false;
            }
        return true;
    }
    const auto baf = options.single("--baf-file");
    if (!baf) {
        error = "--logr-file needs --baf-file";
        return false;
    }
    if (options.has("--normal") || options.has("--format")) {
        error = "--normal and --format go with FILE; ASCAT's normal comes as --normal-baf-file FILE";
        return false;
    }
    file = *logr;
    read.format = ProfileFormat::Ascat;
    read.baf = *baf;
    read.normal = options.single("--normal-logr-file").value_or("");
    read.normalBaf = options.single("--normal-baf-file").value_or("");
    // A germline's BAF file alone: read as both of its pair (its log ratio is not used).
    if (!read.normalBaf.empty() && read.normal.empty()) read.normal = read.normalBaf;
    return true;
}

bool readAnalysis(const ParsedOptions& options, ProfileAnalysisOptions& analysis, std::string& error) {
    MeansChoice choice;
    if (!readMeansChoice(options, choice, error)) return false;
    if (choice.purity) analysis.purity = *choice.purity;
    if (choice.ploidy) analysis.ploidy = *choice.ploidy;
    analysis.solution = choice.solution.value_or(0);
    if (auto text = options.single("--sex")) {
        if (*text == "female" || *text == "male") {
            analysis.male = *text == "male";
        } else if (*text != "auto") {
            error = "--sex takes auto, female or male";
            return false;
        }
    }
    return true;
}

int reload(const CommandContext& context, const std::string& command, const ParsedOptions& options,
           const ProfileOutputs& outputs) {
    for (const char* o : kInputOptions)
        if (options.has(o)) return usageError(context, command, std::string("--reload takes no ") + o);
    if (!options.words.empty()) return usageError(context, command, "--reload takes the stored file alone");
    if (outputs.store) return usageError(context, command, "--reload and --store exclude each other");
    ProfileResult result;
    std::string error;
    if (!readStoredProfile(*options.single("--reload"), result, error)) {
        context.err << "varn-cli " << command << ": " << error << "\n";
        return kExitFailed;
    }
    context.err << "varn-cli " << command << ": " << result.solutionLine << "\n";
    CliUserInterface ui(context.err, context.showProgress);
    ui.confirmWritesOn(context.out, context.root);
    return writeProfileOutputs(context, ui, result, outputs, {result.profile.source}) ? kExitOk : kExitFailed;
}

} // namespace

int runProfile(const CommandContext& context, const std::vector<std::string>& args) {
    const std::string command = "profile";
    ParsedOptions options;
    const int parsed = parseCommandOptions(context, command, args, kRules, options);
    if (parsed >= 0) return parsed;
    for (const auto& [name, values] : options.values)
        if (values.size() > 1) return usageError(context, command, name + " is given twice");
    std::string error;
    ProfileOutputs outputs;
    if (!readOutputs(options, outputs, error)) return usageError(context, command, error);
    if (options.has("--reload")) return reload(context, command, options, outputs);

    std::filesystem::path file;
    varn::ProfileOptions read;
    ProfileAnalysisOptions analysis;
    if (!readInput(options, file, read, error) || !readAnalysis(options, analysis, error))
        return usageError(context, command, error);

    const std::optional<Profile> reading = readProfileFor(file, read, command, context.err);
    if (!reading) return kExitFailed;
    const Profile& profile = *reading;
    const std::string prefix = "varn-cli " + command + ": ";

    const ProfileAnalysis a = analyseProfile(profile, analysis);
    if (!a.refusal.empty()) {
        context.err << prefix << a.refusal << "\n";
        return kExitFailed;
    }
    context.err << prefix << a.solutionLine << "\n";
    if (!a.decoding.warning.empty()) context.err << prefix << a.decoding.warning << "\n";
    const ProfileResult result = profileResult(profile, a, read.build);
    CliUserInterface ui(context.err, context.showProgress);
    ui.confirmWritesOn(context.out, context.root);
    return writeProfileOutputs(context, ui, result, outputs, {profile.source}) ? kExitOk : kExitFailed;
}

} // namespace varn::cli
