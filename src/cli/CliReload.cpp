// reload and reload-self: NonSelfLoad and SelfLoad of a stored analysis.
#include "CliCommands.h"
#include "CliOutputs.h"
#include "CliSession.h"
#include "Commands.h"
#include "view/DisplayMode.h"

#include <ostream>

namespace varn::cli {

int runReload(const CommandContext& context, const std::vector<std::string>& args) {
    const std::string command = "reload";
    ParsedOptions options;
    OptionRules rules{{"--pool", "--average", "--plot", "--plot-chromosomes"}, kOutputFlags, 1};
    rules.flagOptions.push_back("--all-data");
    const int parsed = parseCommandOptions(context, command, args, rules, options);
    if (parsed >= 0) return parsed;
    const auto pool = options.single("--pool");
    if (options.words.size() != 1 || !pool)
        return usageError(context, command, "TEMPFILE and --pool are required");
    if (options.values.at("--pool").size() > 1) return usageError(context, command, "--pool is given twice");
    std::string error;
    CliUserInterface::AverageAnswer averaging;
    if (!readAveraging(options, averaging, error)) return usageError(context, command, error);
    const OutputChoice outputs = outputsFrom(options);

    CliSession session(context, command);
    if (!session.ready()) return kExitFailed;
    const std::string unavailable = unavailableOutput(session, outputs, ModeGenomeSingle, command);
    if (!unavailable.empty()) return usageError(context, command, unavailable);
    if (session.loadPool(*pool) == 0) return kExitFailed;

    session.ui.openFiles.push_back(options.words.front());
    session.ui.averageAnswer = averaging;
    session.doc->OnNonSelfLoad();
    const int status = session.finish(ModeGenomeSingle, "NonSelfLoad");
    if (status != kExitOk) return status;
    return writeOutputs(session, outputs);
}

int runReloadSelf(const CommandContext& context, const std::vector<std::string>& args) {
    const std::string command = "reload-self";
    ParsedOptions options;
    OptionRules rules{{"--average", "--plot", "--plot-chromosomes"}, kOutputFlags, 1};
    rules.flagOptions.push_back("--all-data");
    const int parsed = parseCommandOptions(context, command, args, rules, options);
    if (parsed >= 0) return parsed;
    if (options.words.size() != 1) return usageError(context, command, "TEMPFILE is required");
    std::string error;
    CliUserInterface::AverageAnswer averaging;
    if (!readAveraging(options, averaging, error)) return usageError(context, command, error);
    const OutputChoice outputs = outputsFrom(options);

    CliSession session(context, command);
    if (!session.ready()) return kExitFailed;
    const std::string unavailable = unavailableOutput(session, outputs, ModeGenomeSelf, command);
    if (!unavailable.empty()) return usageError(context, command, unavailable);

    session.ui.openFiles.push_back(options.words.front());
    session.ui.averageAnswer = averaging;
    session.doc->OnSelfLoad();
    const int status = session.finish(ModeGenomeSelf, "SelfLoad");
    if (status != kExitOk) return status;
    return writeOutputs(session, outputs);
}

} // namespace varn::cli
