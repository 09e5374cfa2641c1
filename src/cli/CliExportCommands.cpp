// batch-tracks and sample-list: the two exports that need no analysis on screen.
#include "CliCommands.h"
#include "CliSession.h"
#include "Commands.h"

#include <ostream>

namespace varn::cli {

int runBatchTracks(const CommandContext& context, const std::vector<std::string>& args) {
    const std::string command = "batch-tracks";
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
    session.doc->OnBatchIgbFileOut();
    return session.ui.failed ? kExitFailed : kExitOk;
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
