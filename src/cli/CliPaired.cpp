// paired: a tumour against the patient's own normal sample.
#include "CliCommands.h"
#include "CliDecoderOption.h"
#include "CliOutputs.h"
#include "CliSession.h"
#include "Commands.h"
#include "RegionOption.h"
#include "view/DisplayMode.h"

#include <ostream>

namespace varn::cli {

int runPaired(const CommandContext& context, const std::vector<std::string>& args) {
    const std::string command = "paired";
    ParsedOptions options;
    OptionRules::List own = {"--array",        "--tumor-signal", "--tumor-calls", "--normal-signal",
                             "--normal-calls", "--region",       "--base-copy"};
    addDecoderOption(own);
    const OptionRules rules = profileCommandRules(own, 0);
    const int parsed = parseCommandOptions(context, command, args, rules, options);
    if (parsed >= 0) return parsed;

    const auto array = options.single("--array");
    const auto tumorSignal = options.single("--tumor-signal");
    const auto tumorCalls = options.single("--tumor-calls");
    const auto normalSignal = options.single("--normal-signal");
    const auto normalCalls = options.single("--normal-calls");
    if (!array || !tumorSignal || !tumorCalls || !normalSignal || !normalCalls)
        return usageError(
            context, command,
            "--array, --tumor-signal, --tumor-calls, --normal-signal and --normal-calls are required");
    const int t = parseArrayName(*array);
    if (t == 0) return usageError(context, command, "--array takes xba or hind");
    std::string error;
    std::optional<RegionOption> region;
    if (auto text = options.single("--region")) {
        region = parseRegion(*text, error);
        if (!region) return usageError(context, command, error);
    }
    int baseCopy = 2;
    if (auto text = options.single("--base-copy")) {
        if (!region)
            return usageError(context, command, "--base-copy needs --region: it is the region's copy number");
        if (!parseInt(*text, baseCopy) || baseCopy < 1 || baseCopy > 4)
            return usageError(context, command, "--base-copy takes 1, 2, 3 or 4");
    }
    ProfileOptions shared;
    if (!readProfileOptions(options, shared, error)) return usageError(context, command, error);
    DecoderChoice decoder;
    if (!readDecoderChoice(options, decoder, error)) return usageError(context, command, error);

    CliSession session(context, command);
    const int refused = checkSessionAndOutputs(context, session, shared.outputs, ModeGenomeSelf, command);
    if (refused >= 0) return refused;
    CVARNDoc& doc = *session.doc;
    int first = 0, last = 0;
    if (region && !resolveRegion(*region, doc, t, first, last, error))
        return usageError(context, command, error);

    // File New: "Self reference" on the array, "New Sample" with the four files; the paired
    // profile is fitted on the whole array.
    session.ui.basicModeAnswer = CliUserInterface::BasicModeAnswer{kSelfReference, t};
    session.ui.pairedAnswer =
        CliUserInterface::PairedAnswer{*tumorSignal, *tumorCalls, *normalSignal, *normalCalls};
    session.ui.averageAnswer = shared.averaging;
    doc.OnFileNew();
    int status = session.finish(ModeGenomeSelf, "File New");
    if (status != kExitOk) return status;

    // A Range Set release in the paired genome view: recomputed on the region.
    if (region) {
        session.view->applyRegionBaseline(t, first, last, baseCopy);
        status = session.finish(ModeGenomeSelf, "the region's recomputation");
        if (status != kExitOk) return status;
    }
    applyPairedFit(session, decoder, command, context.err);
    if (const int failed = applyDecoderChoice(session, decoder, command, context.err); failed >= 0) return failed;
    return writeOutputs(session, shared.outputs);
}

} // namespace varn::cli
