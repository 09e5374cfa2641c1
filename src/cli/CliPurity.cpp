// purity: the tumour cell fraction of stored analyses, with its interval and the fit curve; where
// the alleles can be read, fitted together with the ploidy, every solution listed and the map
// over both drawn.
#include "CliCommands.h"
#include "CliMeansOptions.h"
#include "CliPlot.h"
#include "CliProfileInput.h"
#include "CliSession.h"
#include "Commands.h"
#include "engine/analysis/ProfileAnalysis.h"
#include "engine/analysis/ResultWording.h"
#include "engine/purity/JointFitEstimate.h"
#include "engine/purity/PurityEstimate.h"
#include "view/DisplayMode.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace varn::cli {

namespace {

// The joint fit: the baseline, then one row per solution, the best first.
void printSolutions(std::ostream& out, const PurityPloidyFit& fit) {
    char line[240];
    out << "baseline\t" << (fit.baselineConstrained ? "the region's copy number" : "decided by the data")
        << "\n";
    out << "solution\tpurity\tpurity.low\tpurity.high\tploidy\tploidy.low\tploidy.high\tfit\tdoubled\t"
           "loh.share\tdoubled.share\taltered.share\texplained\n";
    // The fit to the decimals that tell the solutions apart, as the window's list gives it.
    const int digits = std::max(3, fitDigits(fit.solutions) + 2);
    for (std::size_t n = 0; n < fit.solutions.size(); ++n) {
        const PurityPloidySolution& s = fit.solutions[n];
        std::snprintf(line, sizeof line,
                      "%zu\t%.2f\t%.2f\t%.2f\t%.2f\t%.2f\t%.2f\t%.*f\t%s\t%.3f\t%.3f\t%.3f\t%.3f\n", n + 1,
                      s.purity, s.purityLow, s.purityHigh, s.ploidy, s.ploidyLow, s.ploidyHigh, digits, s.fit,
                      s.doubled ? "yes" : "no", s.lohShare, s.doubledShare, s.alteredShare, s.explainedShare);
        out << line;
    }
}

void printEstimate(std::ostream& out, const PurityEstimate& e) {
    char line[160];
    out << purityText(e) << "\n";
    std::snprintf(line, sizeof line, "estimate\t%.2f\ninterval\t%.2f\t%.2f\n", e.purity, e.low, e.high);
    out << line;
    out << "decided\t" << (e.decided ? "yes" : "no: " + e.why) << "\n";
    out << "next-best";
    for (const PurityFitPoint& c : e.candidates) {
        std::snprintf(line, sizeof line, "\t%.2f (%.6f)", c.purity, c.misfit);
        out << line;
    }
    std::snprintf(line, sizeof line, "\nsegments\t%d\nmarkers\t%d\nchanged markers\t%d\n", e.segments,
                  e.markers, e.changedMarkers);
    out << line;
    if (e.joint) printSolutions(out, e.fit);
    out << "purity\tmisfit\n";
    for (const PurityFitPoint& p : e.curve) {
        std::snprintf(line, sizeof line, "%.2f\t%.6f\n", p.purity, p.misfit);
        out << line;
    }
}

// purity --profile: the joint fit of an array's profile, as profile fits it.
int profilePurity(const CommandContext& context, const std::string& command, const ParsedOptions& options,
                  const MeansChoice& choice) {
    varn::ProfileOptions read;
    std::string error;
    if (!readProfileReadOptions(options, read, error)) return usageError(context, command, error);
    if (!options.words.empty() || options.has("--pool") || options.has("--self"))
        return usageError(context, command, "--profile takes neither TEMPFILE nor --pool nor --self");
    const std::optional<Profile> profile =
        readProfileFor(*options.single("--profile"), read, command, context.err);
    if (!profile) return kExitFailed;
    ProfileAnalysisOptions analysis;
    if (choice.ploidy) analysis.ploidy = *choice.ploidy;
    const ProfileAnalysis a = analyseProfile(*profile, analysis);
    if (!a.fit.available) {
        context.err << "varn-cli " << command
                    << ": tumour cells and ploidy cannot be fitted together: " << a.fitWhy << "\n";
        return kExitFailed;
    }
    int markers = 0;
    for (const ProfileCall& c : a.calls) markers += c.segment.chromosome <= 22 ? c.segment.markers : 0;
    const PurityEstimate e = estimateOfJointFit(a.fit, markers);
    printEstimate(context.out, e);
    if (auto plot = options.single("--plot"); plot && !plotPurityMap(e.fit, *plot, error)) {
        context.err << "varn-cli " << command << ": " << error << "\n";
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace

int runPurity(const CommandContext& context, const std::vector<std::string>& args) {
    const std::string command = "purity";
    ParsedOptions options;
    const OptionRules rules{{"--pool", "--self", "--plot", "--ploidy", "--profile", "--normal", "--format",
                             "--sample", "--build", "--pfb"},
                            {},
                            2};
    const int parsed = parseCommandOptions(context, command, args, rules, options);
    if (parsed >= 0) return parsed;
    std::string error;
    MeansChoice choice;
    if (!readMeansChoice(options, choice, error)) return usageError(context, command, error);
    if (options.has("--profile")) return profilePurity(context, command, options, choice);
    for (const char* o : {"--normal", "--format", "--sample", "--build", "--pfb"})
        if (options.has(o)) return usageError(context, command, std::string(o) + " goes with --profile");
    const auto self = options.single("--self");
    const std::size_t temps = options.words.size();
    const std::size_t pools = options.has("--pool") ? options.values.at("--pool").size() : 0;
    if (self ? (temps != 0 || pools != 0) : (temps < 1 || temps > 2 || pools != temps))
        return usageError(context, command,
                          "give TEMPFILE --pool POOL, or XBATEMP HINDTEMP with the Xba and the Hind pool, "
                          "or --self SELFTEMP");

    CliSession session(context, command);
    if (!session.ready()) return kExitFailed;
    CVARNDoc& doc = *session.doc;
    int shown = 0;
    session.ui.averageAnswer = CliUserInterface::AverageAnswer{};
    if (self) {
        session.ui.openFiles.push_back(*self);
        doc.OnSelfLoad();
        const int status = session.finish(ModeGenomeSelf, "SelfLoad");
        if (status != kExitOk) return status;
    } else {
        for (const std::string& pool : options.values.at("--pool"))
            if (session.loadPool(pool) == 0) return kExitFailed;
        for (const std::string& temp : options.words) session.ui.openFiles.push_back(temp);
        if (temps == 1) {
            doc.OnNonSelfLoad();
            const int status = session.finish(ModeGenomeSingle, "NonSelfLoad");
            if (status != kExitOk) return status;
        } else {
            // File New "Xba + Hind": the flow asks for the Xba stored analysis, then the Hind one.
            session.ui.basicModeAnswer = CliUserInterface::BasicModeAnswer{kNonSelfReference, kCombined};
            doc.OnFileNew();
            const int status = session.finish(ModeGenomeBoth, "File New");
            if (status != kExitOk) return status;
        }
    }
    shown = session.view->shownArrayType;

    PurityEstimate e;
    PurityFitOptions fitOptions;
    fitOptions.dataDecideBaseline = choice.autoPloidy;
    fitOptions.listMapBest = true;
    if (choice.ploidy) fitOptions.fixedPloidy = *choice.ploidy;
    if (!estimatePurity(doc, shown, self.has_value(), e, error, fitOptions)) return session.fail(error);
    // Asked for the ploidy, a profile without alleles says why it has only the levels' estimate.
    if (choice.joint() && !e.joint)
        context.err << "varn-cli " << command
                    << ": tumour cells and ploidy cannot be fitted together: " << e.alleleReason
                    << "; the estimate is the levels' alone\n";
    printEstimate(context.out, e);
    if (auto plot = options.single("--plot")) {
        if (!(e.joint ? plotPurityMap(e.fit, *plot, error) : plotPurityCurve(e, *plot, error)))
            return session.fail(error);
    }
    return kExitOk;
}

} // namespace varn::cli
