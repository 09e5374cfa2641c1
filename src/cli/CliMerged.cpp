// merged: the Xba + Hind analysis of two stored pool analyses of one sample.
#include "CliCommands.h"
#include "CliDecoderOption.h"
#include "CliMeansOptions.h"
#include "CliOutputs.h"
#include "CliSession.h"
#include "Commands.h"
#include "view/DisplayMode.h"

#include <ostream>

namespace varn::cli {

int runMerged(const CommandContext& context, const std::vector<std::string>& args) {
    const std::string command = "merged";
    ParsedOptions options;
    OptionRules::List own = {"--pool", "--xba-temp", "--hind-temp"};
    addMeansOptions(own);
    addDecoderOption(own);
    const OptionRules rules = profileCommandRules(own, 0);
    const int parsed = parseCommandOptions(context, command, args, rules, options);
    if (parsed >= 0) return parsed;
    const auto xbaTemp = options.single("--xba-temp");
    const auto hindTemp = options.single("--hind-temp");
    if (!options.has("--pool") || !xbaTemp || !hindTemp)
        return usageError(context, command,
                          "--pool (the Xba and the Hind pool), --xba-temp and --hind-temp are required");
    const auto& pools = options.values.at("--pool");
    if (pools.size() > 2) return usageError(context, command, "--pool is given more than twice");
    std::string error;
    ProfileOptions shared;
    if (!readProfileOptions(options, shared, error)) return usageError(context, command, error);
    MeansChoice means;
    if (!readMeansChoice(options, means, error)) return usageError(context, command, error);
    DecoderChoice decoder;
    if (!readDecoderChoice(options, decoder, error)) return usageError(context, command, error);
    fillMeansForDecoder(decoder, means);

    CliSession session(context, command);
    const int refused = checkSessionAndOutputs(context, session, shared.outputs, ModeGenomeBoth, command);
    if (refused >= 0) return refused;
    for (const std::string& pool : pools)
        if (session.loadPool(pool) == 0) return kExitFailed;

    // File New: "Non self reference" and "Xba + Hind"; the flow asks for the Xba temporary file
    // and then for the Hind one. A pool that is missing is the flow's own message.
    session.ui.basicModeAnswer = CliUserInterface::BasicModeAnswer{kNonSelfReference, kCombined};
    session.ui.openFiles.push_back(*xbaTemp);
    session.ui.openFiles.push_back(*hindTemp);
    session.ui.averageAnswer = shared.averaging;
    session.doc->OnFileNew();
    const int status = session.finish(ModeGenomeBoth, "File New");
    if (status != kExitOk) return status;
    reportStoredDecoding(*session.doc, command, context.err);
    applyMeansChoice(session, means, command, context.err);
    if (const int failed = applyDecoderChoice(session, decoder, command, context.err); failed >= 0) return failed;
    return writeOutputs(session, shared.outputs);
}

} // namespace varn::cli
