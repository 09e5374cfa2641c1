// batch-tracks, batch-segments, cohort-samples and sample-list: the exports that need no
// analysis on screen.
#include "CliCommands.h"
#include "CliMeansOptions.h"
#include "CliSession.h"
#include "Commands.h"
#include "export/SampleSummary.h"

#include <ostream>

namespace varn::cli {

namespace {

// Both batches load up to two pools and then run over "temporary files/".
int runBatch(const CommandContext& context, const std::vector<std::string>& args, const std::string& command,
             void (CVARNDoc::*batch)()) {
    ParsedOptions options;
    const int parsed = parseCommandOptions(context, command, args, {{"--pool"}, {}, 0}, options);
    if (parsed >= 0) return parsed;
    if (!options.has("--pool")) return usageError(context, command, "--pool is required");
    const auto& pools = options.values.at("--pool");
    if (pools.size() > 2) return usageError(context, command, "--pool is given more than twice");

    CliSession session(context, command);
    if (!session.ready()) return kExitFailed;
    for (const std::string& pool : pools)
        if (session.loadPool(pool) == 0) return kExitFailed;
    // A file whose pool is not loaded is skipped with its message; the others are still written.
    (session.doc.get()->*batch)();
    return session.ui.failed ? kExitFailed : kExitOk;
}

} // namespace

int runBatchTracks(const CommandContext& context, const std::vector<std::string>& args) {
    return runBatch(context, args, "batch-tracks", &CVARNDoc::OnBatchIgbFileOut);
}

int runBatchSegments(const CommandContext& context, const std::vector<std::string>& args) {
    return runBatch(context, args, "batch-segments", &CVARNDoc::OnBatchSegmentOut);
}

int runCohortSamples(const CommandContext& context, const std::vector<std::string>& args) {
    const std::string command = "cohort-samples";
    ParsedOptions options;
    const int parsed = parseCommandOptions(context, command, args, {{"--pool", "--ploidy"}, {}, 0}, options);
    if (parsed >= 0) return parsed;
    if (!options.has("--pool")) return usageError(context, command, "--pool is required");
    const auto& pools = options.values.at("--pool");
    if (pools.size() > 2) return usageError(context, command, "--pool is given more than twice");
    MeansChoice choice;
    std::string error;
    if (!readMeansChoice(options, choice, error)) return usageError(context, command, error);

    CliSession session(context, command);
    if (!session.ready()) return kExitFailed;
    for (const std::string& pool : pools)
        if (session.loadPool(pool) == 0) return kExitFailed;
    PurityFitOptions fit;
    fit.dataDecideBaseline = choice.autoPloidy;
    if (choice.ploidy) fit.fixedPloidy = *choice.ploidy;
    const bool written = writeCohortSamples(*session.doc, fit);
    return written && !session.ui.failed ? kExitOk : kExitFailed;
}

int runSampleList(const CommandContext& context, const std::vector<std::string>& args) {
    const std::string command = "sample-list";
    ParsedOptions options;
    const int parsed = parseCommandOptions(context, command, args, {{"--pool"}, {}, 0}, options);
    if (parsed >= 0) return parsed;

    CliSession session(context, command);
    if (!session.ready()) return kExitFailed;
    if (options.has("--pool"))
        for (const std::string& pool : options.values.at("--pool"))
            if (session.loadPool(pool) == 0) return kExitFailed;
    session.doc->OnDebug();
    return session.ui.failed ? kExitFailed : kExitOk;
}

} // namespace varn::cli
