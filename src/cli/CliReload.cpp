// reload and reload-self: NonSelfLoad and SelfLoad of a stored analysis.
#include "CliCommands.h"
#include "CliDecoderOption.h"
#include "CliMeansOptions.h"
#include "CliOutputs.h"
#include "CliSession.h"
#include "Commands.h"
#include "view/DisplayMode.h"

#include <ostream>

namespace varn::cli {

int runReload(const CommandContext& context, const std::vector<std::string>& args) {
    const std::string command = "reload";
    ParsedOptions options;
    OptionRules::List own = {"--pool"};
    addMeansOptions(own);
    addDecoderOption(own);
    const OptionRules rules = profileCommandRules(own, 1);
    const int parsed = parseCommandOptions(context, command, args, rules, options);
    if (parsed >= 0) return parsed;
    const auto pool = options.single("--pool");
    if (options.words.size() != 1 || !pool)
        return usageError(context, command, "TEMPFILE and --pool are required");
    if (options.values.at("--pool").size() > 1) return usageError(context, command, "--pool is given twice");
    std::string error;
    ProfileOptions shared;
    if (!readProfileOptions(options, shared, error)) return usageError(context, command, error);
    MeansChoice means;
    if (!readMeansChoice(options, means, error)) return usageError(context, command, error);
    DecoderChoice decoder;
    if (!readDecoderChoice(options, decoder, error)) return usageError(context, command, error);
    fillMeansForDecoder(decoder, means);

    CliSession session(context, command);
    const int refused = checkSessionAndOutputs(context, session, shared.outputs, ModeGenomeSingle, command);
    if (refused >= 0) return refused;
    if (session.loadPool(*pool) == 0) return kExitFailed;

    session.ui.openFiles.push_back(options.words.front());
    session.ui.averageAnswer = shared.averaging;
    session.doc->OnNonSelfLoad();
    const int status = session.finish(ModeGenomeSingle, "NonSelfLoad");
    if (status != kExitOk) return status;
    reportStoredDecoding(*session.doc, command, context.err);
    applyMeansChoice(session, means, command, context.err);
    if (const int failed = applyDecoderChoice(session, decoder, command, context.err); failed >= 0) return failed;
    return writeOutputs(session, shared.outputs);
}

int runReloadSelf(const CommandContext& context, const std::vector<std::string>& args) {
    const std::string command = "reload-self";
    ParsedOptions options;
    const OptionRules rules = profileCommandRules({}, 1);
    const int parsed = parseCommandOptions(context, command, args, rules, options);
    if (parsed >= 0) return parsed;
    if (options.words.size() != 1) return usageError(context, command, "TEMPFILE is required");
    std::string error;
    ProfileOptions shared;
    if (!readProfileOptions(options, shared, error)) return usageError(context, command, error);

    CliSession session(context, command);
    const int refused = checkSessionAndOutputs(context, session, shared.outputs, ModeGenomeSelf, command);
    if (refused >= 0) return refused;

    session.ui.openFiles.push_back(options.words.front());
    session.ui.averageAnswer = shared.averaging;
    session.doc->OnSelfLoad();
    const int status = session.finish(ModeGenomeSelf, "SelfLoad");
    if (status != kExitOk) return status;
    return writeOutputs(session, shared.outputs);
}

} // namespace varn::cli
