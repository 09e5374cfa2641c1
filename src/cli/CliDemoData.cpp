// demo-data: a synthetic installation to try every command on; demo-report: the final-report
// tumour alone, at any density.
#include "CliCommands.h"
#include "CliSession.h"
#include "Commands.h"
#include "demo/DemoFinalReports.h"
#include "demo/DemoInstallation.h"

#include <ostream>

namespace varn::cli {

namespace {

bool parseSeed(const ParsedOptions& options, unsigned& seed) {
    if (auto text = options.single("--seed")) {
        int v = 0;
        if (!parseInt(*text, v) || v < 0) return false;
        seed = static_cast<unsigned>(v);
    }
    return true;
}

} // namespace

int runDemoData(const CommandContext& context, const std::vector<std::string>& args) {
    const std::string command = "demo-data";
    ParsedOptions options;
    const int parsed = parseCommandOptions(context, command, args, {{"--seed", "--refs"}, {}, 0}, options);
    if (parsed >= 0) return parsed;
    demo::DemoOptions demoOptions;
    if (!parseSeed(options, demoOptions.seed))
        return usageError(context, command, "--seed takes a whole number");
    if (auto text = options.single("--refs")) {
        if (!parseInt(*text, demoOptions.referenceCount) || demoOptions.referenceCount < 1 ||
            demoOptions.referenceCount > 199)
            return usageError(context, command, "--refs takes 1 to 199");
    }
    std::string report;
    if (!demo::writeDemoInstallation(context.root.root(), demoOptions, report, context.err))
        return kExitFailed;
    context.out << report;
    return kExitOk;
}

int runDemoReport(const CommandContext& context, const std::vector<std::string>& args) {
    const std::string command = "demo-report";
    ParsedOptions options;
    const int parsed =
        parseCommandOptions(context, command, args,
                            {{"--snps", "--out", "--normal", "--truth", "--pfb", "--seed"}, {}, 0}, options);
    if (parsed >= 0) return parsed;
    const auto out = options.single("--out");
    if (!out) return usageError(context, command, "--out is required");
    unsigned seed = 1;
    if (!parseSeed(options, seed)) return usageError(context, command, "--seed takes a whole number");
    int snps = demo::kDemoReportSnps;
    if (auto text = options.single("--snps")) {
        if (!parseInt(*text, snps) || snps < demo::kFewestReportSnps || snps > demo::kMostReportSnps)
            return usageError(context, command, "--snps takes 1000 to 5000000");
    }
    demo::FinalReportFiles files;
    files.tumour = *out;
    files.normal = options.single("--normal").value_or("");
    files.truth = options.single("--truth").value_or("");
    files.pfb = options.single("--pfb").value_or("");
    if (!demo::writeDemoFinalReports(files, seed, snps, command, context.err)) return kExitFailed;
    for (const auto& path : {files.tumour, files.normal, files.truth, files.pfb})
        if (!path.empty()) context.out << "Wrote " << path.string() << "\n";
    return kExitOk;
}

} // namespace varn::cli
