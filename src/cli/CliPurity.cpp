// purity: the tumour cell fraction of stored analyses, with its interval and the fit curve.
#include "CliCommands.h"
#include "CliPlot.h"
#include "CliSession.h"
#include "Commands.h"
#include "engine/PurityEstimate.h"
#include "view/DisplayMode.h"

#include <cstdio>
#include <ostream>

namespace varn::cli {

namespace {

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
    std::snprintf(line, sizeof line, "\nsegments\t%d\nmarkers\t%d\nchanged markers\t%d\n", e.segments, e.markers,
                  e.changedMarkers);
    out << line << "purity\tmisfit\n";
    for (const PurityFitPoint& p : e.curve) {
        std::snprintf(line, sizeof line, "%.2f\t%.6f\n", p.purity, p.misfit);
        out << line;
    }
}

} // namespace

int runPurity(const CommandContext& context, const std::vector<std::string>& args) {
    const std::string command = "purity";
    ParsedOptions options;
    const OptionRules rules{{"--pool", "--self", "--plot"}, {}, 2};
    const int parsed = parseCommandOptions(context, command, args, rules, options);
    if (parsed >= 0) return parsed;
    std::string error;
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
    if (!estimatePurity(doc, shown, self.has_value(), e, error)) return session.fail(error);
    printEstimate(context.out, e);
    if (auto plot = options.single("--plot")) {
        if (!plotPurityCurve(e, *plot, error)) return session.fail(error);
    }
    return kExitOk;
}

} // namespace varn::cli
