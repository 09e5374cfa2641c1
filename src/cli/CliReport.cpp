// report: the PDF report of a stored pool analysis (ReportOut after NonSelfLoad), or of the
// Xba + Hind analysis of two.
#include "CliCommands.h"
#include "CliOutputs.h"
#include "CliPlot.h"
#include "CliSession.h"
#include "Commands.h"
#include "export/ReportSegments.h"
#include "export/SampleReport.h"
#include "view/DisplayMode.h"

#include <ostream>

namespace varn::cli {

int runReport(const CommandContext& context, const std::vector<std::string>& args) {
    const std::string command = "report";
    ParsedOptions options;
    const OptionRules rules{{"--pool", "--hind-temp", "--out", "--average", "--annotate"}, {"--all-data"}, 1};
    const int parsed = parseCommandOptions(context, command, args, rules, options);
    if (parsed >= 0) return parsed;
    const auto out = options.single("--out");
    if (options.words.size() != 1 || !options.has("--pool") || !out)
        return usageError(context, command, "TEMPFILE, --pool and --out are required");
    if (pictureKindOf(*out) != PictureKind::Pdf) return usageError(context, command, "--out must end in .pdf");
    const auto& pools = options.values.at("--pool");
    const auto hindTemp = options.single("--hind-temp");
    if (pools.size() > (hindTemp ? 2u : 1u))
        return usageError(context, command, hindTemp ? "--pool is given more than twice" : "--pool is given twice");
    CliUserInterface::AverageAnswer averaging;
    std::string error;
    if (!readAveraging(options, averaging, error)) return usageError(context, command, error);
    bool annotate = true;
    if (!readAnnotate(options, annotate, error)) return usageError(context, command, error);

    CliSession session(context, command);
    if (!session.ready()) return kExitFailed;
    session.view->annotate = annotate;
    for (const std::string& pool : pools)
        if (session.loadPool(pool) == 0) return kExitFailed;
    const std::string temp = options.words.front();
    session.ui.averageAnswer = averaging;
    // The pools are named by the report itself, from the files they were loaded from.
    std::vector<std::filesystem::path> sources{temp};
    int expected = ModeGenomeSingle;
    if (hindTemp) {
        session.ui.basicModeAnswer = CliUserInterface::BasicModeAnswer{kNonSelfReference, kCombined};
        session.ui.openFiles.push_back(temp);
        session.ui.openFiles.push_back(*hindTemp);
        session.doc->OnFileNew();
        sources.emplace_back(*hindTemp);
        expected = ModeGenomeBoth;
    } else {
        session.ui.openFiles.push_back(temp);
        session.doc->OnNonSelfLoad();
    }
    const int status = session.finish(expected, hindTemp ? "File New" : "NonSelfLoad");
    if (status != kExitOk) return status;

    CVARNDoc& doc = *session.doc;
    const int t = expected == ModeGenomeBoth ? kCombined : doc.arrayType;
    const SampleReport report = buildSampleReport(doc, *session.view, sources, reportMadeAt(), reportSegments(doc, t));
    if (!writeReportFile(*session.view, report, *out, error)) return session.fail(error);
    return session.ui.failed ? kExitFailed : kExitOk;
}

} // namespace varn::cli
