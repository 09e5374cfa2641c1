// analyze: the road of a new sample against a reference pool, as the window takes it.
#include "CliCommands.h"
#include "CliDecoderOption.h"
#include "CliMeansOptions.h"
#include "CliOutputs.h"
#include "CliPlot.h"
#include "CliSession.h"
#include "Commands.h"
#include "RegionOption.h"
#include "view/DisplayMode.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

namespace varn::cli {

namespace {

bool parseReferenceChoice(const std::string& text, ReferenceChoice& choice, std::string& error) {
    error = "--refs takes all, best:K or pool rows as 1,4,7";
    if (text == "all") {
        choice.kind = ReferenceChoice::All;
        return true;
    }
    if (text.rfind("best:", 0) == 0) {
        choice.kind = ReferenceChoice::Best;
        return parseInt(std::string_view(text).substr(5), choice.best) && choice.best >= 1;
    }
    choice.kind = ReferenceChoice::Rows;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        int row = 0;
        if (!parseInt(std::string_view(text).substr(start, comma - start), row) || row < 1) return false;
        choice.rows.push_back(row);
        start = comma + 1;
    }
    return true;
}

// The choice against the pool that was loaded: rows and counts must name references it holds.
bool checkReferenceChoice(const ReferenceChoice& choice, int references, std::string& error) {
    const std::string holds = "the pool holds " + std::to_string(references) + " references";
    if (choice.kind == ReferenceChoice::Best && choice.best > references) {
        error = "--refs best:" + std::to_string(choice.best) + ": " + holds;
        return false;
    }
    for (int row : choice.rows) {
        if (row > references) {
            error = "--refs: there is no pool row " + std::to_string(row) + "; " + holds + " (rows 1.." +
                    std::to_string(references) + ")";
            return false;
        }
    }
    return true;
}

} // namespace

int runAnalyze(const CommandContext& context, const std::vector<std::string>& args) {
    const std::string command = "analyze";
    ParsedOptions options;
    OptionRules::List own = {"--pool", "--signal", "--calls", "--region", "--base-copy", "--refs", "--plot-compensation"};
    addMeansOptions(own);
    addDecoderOption(own);
    const OptionRules rules = profileCommandRules(own, 0);
    const int parsed = parseCommandOptions(context, command, args, rules, options);
    if (parsed >= 0) return parsed;

    const auto pool = options.single("--pool");
    const auto signal = options.single("--signal");
    const auto calls = options.single("--calls");
    if (!pool || !signal || !calls)
        return usageError(context, command, "--pool, --signal and --calls are required");
    if (options.values.at("--pool").size() > 1) return usageError(context, command, "--pool is given twice");
    std::string error;
    std::optional<RegionOption> region;
    if (auto text = options.single("--region")) {
        region = parseRegion(*text, error);
        if (!region) return usageError(context, command, error);
    }
    int baseCopy = 2;
    if (auto text = options.single("--base-copy")) {
        if (!parseInt(*text, baseCopy) || baseCopy < 1 || baseCopy > 4)
            return usageError(context, command, "--base-copy takes 1, 2, 3 or 4");
    }
    ReferenceChoice references;
    if (auto text = options.single("--refs")) {
        if (!parseReferenceChoice(*text, references, error)) return usageError(context, command, error);
    }
    ProfileOptions shared;
    if (!readProfileOptions(options, shared, error)) return usageError(context, command, error);
    std::optional<PictureOptions> compensationPicture;
    if (auto file = options.single("--plot-compensation")) {
        compensationPicture = plotOptionsFor(*file, shared.outputs.dpi, error);
        if (!compensationPicture) return usageError(context, command, error);
    }
    MeansChoice means;
    if (!readMeansChoice(options, means, error)) return usageError(context, command, error);
    DecoderChoice decoder;
    if (!readDecoderChoice(options, decoder, error)) return usageError(context, command, error);
    fillMeansForDecoder(decoder, means);

    CliSession session(context, command);
    const int refused = checkSessionAndOutputs(context, session, shared.outputs, ModeGenomeSingle, command);
    if (refused >= 0) return refused;

    const int t = session.loadPool(*pool);
    if (t == 0) return kExitFailed;
    CVARNDoc& doc = *session.doc;
    if (!checkReferenceChoice(references, doc.refCount[t] - 1, error))
        return usageError(context, command, error);
    int first = 0, last = 0;
    if (region) {
        if (!resolveRegion(*region, doc, t, first, last, error)) return usageError(context, command, error);
    } else {
        defaultRegion(doc, t, first, last);
    }

    // File New: "Non self reference" on the pool's array, "New Sample" with the two files.
    session.ui.basicModeAnswer = CliUserInterface::BasicModeAnswer{kNonSelfReference, t};
    session.ui.sampleAnswer = CliUserInterface::SampleAnswer{*signal, *calls};
    doc.OnFileNew();
    if (session.ui.failed) return kExitFailed;
    if (session.view->displayMode != ModeCompensation)
        return session.fail("File New did not complete: the compensation plots of " + std::filesystem::path(*signal).filename().string() +
                            " were not reached");
    if (auto file = options.single("--plot-compensation")) {
        // Painting this display recomputes the one-reference ratio, exactly as the window's paint
        // does before the person drags the region, so the analysis goes on from the same state.
        if (!plotDisplay(*session.view, *file, *compensationPicture, error)) return session.fail(error);
    }

    // The baseline region and its copy number, as a Range Set release sets them; then Sort.
    session.view->applyRegionBaseline(t, first, last, baseCopy);
    session.ui.referenceAnswer = references;
    session.ui.averageAnswer = shared.averaging;
    session.view->OnSort();
    const int status = session.finish(ModeGenomeSingle, "Sort");
    if (status != kExitOk) return status;
    applyMeansChoice(session, means, command, context.err);
    if (const int failed = applyDecoderChoice(session, decoder, command, context.err); failed >= 0) return failed;
    return writeOutputs(session, shared.outputs);
}

} // namespace varn::cli
