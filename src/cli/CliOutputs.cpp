#include "CliOutputs.h"

#include "CliCommands.h"
#include "CliPlot.h"
#include "CliSession.h"
#include "view/CommandIds.h"
#include "view/DisplayMode.h"

#include <ctime>

namespace varn::cli {

namespace {

OutputChoice outputsFrom(const ParsedOptions& options) {
    OutputChoice o;
    o.store = options.flag("--store");
    o.tracks = options.flag("--tracks");
    o.rawData = options.flag("--raw-data");
    o.viewFile = options.flag("--view-file");
    o.segments = options.flag("--segments");
    o.baf = options.flag("--baf");
    o.plot = options.single("--plot").value_or("");
    o.chromosomePlots = options.single("--plot-chromosomes").value_or("");
    return o;
}

std::string modeName(int mode) {
    switch (mode) {
    case ModeGenomeBoth:
        return "the merged Xba + Hind genome (display mode 2)";
    case ModeGenomeSingle:
        return "a single-array genome against a pool (display mode 4)";
    case ModeGenomeSelf:
        return "a paired genome (display mode 21)";
    default:
        return "display mode " + std::to_string(mode);
    }
}

bool modeShowsAlleles(int mode) { return mode == ModeGenomeBoth || mode == ModeGenomeSingle || mode == ModeGenomeSelf; }

// The enable rules are the view's own, asked with the display mode the command will reach. The
// reason for the first output the window would not offer, else an empty text.
std::string unavailableOutput(CliSession& session, const OutputChoice& outputs, int mode,
                              const std::string& command) {
    CVARNView& view = *session.view;
    const int shown = view.displayMode;
    view.displayMode = mode;
    std::string option, offer;
    if (outputs.store && !view.isCommandEnabled(ID_STORE)) {
        option = "--store";
        offer = "Store is offered for a single-array analysis only (display mode 4 or 21)";
    } else if (outputs.tracks && !view.isCommandEnabled(ID_IGB_FILE_OUT)) {
        option = "--tracks";
        offer = "IGBFileOut is offered for a pool profile only (display mode 2 or 4)";
    } else if (outputs.rawData && !session.doc->OnUpdateRawDataOut()) {
        option = "--raw-data";
        offer = "RawDataOut is offered for a single-array pool profile only (display mode 4)";
    } else if (outputs.viewFile && !view.isCommandEnabled(ID_SAVE_VIEW_FILE)) {
        option = "--view-file";
        offer = "the view file is offered for a single-array pool profile only (display mode 4)";
    } else if (outputs.baf && !modeShowsAlleles(mode)) {
        option = "--baf";
        offer = "AlleleOut is offered in the genome views of an analysis only (display mode 2, 4 or 21)";
    } else if (outputs.segments && !view.isCommandEnabled(ID_SEGMENT_OUT)) {
        option = "--segments";
        offer = "SegmentOut is offered for a pool profile decoded by the HMM only (display mode 2 to 5); "
                "paired analyses have no HMM";
    }
    view.displayMode = shown;
    if (option.empty()) return {};
    return option + " is not available: " + command + " ends in " + modeName(mode) + ", and " + offer;
}

} // namespace

std::string reportMadeAt() {
    const std::time_t now = std::time(nullptr);
    char text[64];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", std::localtime(&now));
    return text;
}

OptionRules profileCommandRules(OptionRules::List ownOptions, int maxWords) {
    for (const char* shared : {"--average", "--plot", "--plot-chromosomes", "--dpi", "--annotate",
                                 "--baf-panel"})
        ownOptions.push_back(shared);
    OptionRules rules{std::move(ownOptions),
                      {"--store", "--tracks", "--raw-data", "--view-file", "--segments", "--baf", "--all-data"},
                      maxWords};
    return rules;
}

bool readPlotDpi(const ParsedOptions& options, int& dpi, std::string& error) {
    if (auto text = options.single("--dpi")) {
        if (!parseInt(*text, dpi) || dpi < 72 || dpi > 1200) {
            error = "--dpi takes a whole number 72..1200";
            return false;
        }
    }
    return true;
}

bool readAnnotate(const ParsedOptions& options, bool& annotate, std::string& error) {
    if (auto text = options.single("--annotate")) {
        if (*text != "yes" && *text != "no") {
            error = "--annotate takes yes or no";
            return false;
        }
        annotate = *text == "yes";
    }
    return true;
}

bool readProfileOptions(const ParsedOptions& options, ProfileOptions& shared, std::string& error) {
    shared.outputs = outputsFrom(options);
    OutputChoice& o = shared.outputs;
    if (!readPlotDpi(options, o.dpi, error)) return false;
    if (!readAnnotate(options, o.annotate, error)) return false;
    if (auto panel = options.single("--baf-panel")) {
        if (*panel != "yes" && *panel != "no") {
            error = "--baf-panel takes yes or no";
            return false;
        }
        o.bafPanel = *panel == "yes";
    }
    if (!o.plot.empty() && !plotOptionsFor(o.plot, o.dpi, error)) return false;
    // A prefix that ends in a picture's extension names the kind of every chromosome's picture.
    if (const auto kind = pictureKindOf(o.chromosomePlots); kind && o.chromosomePlots.size() > 4) {
        o.chromosomePlotExtension = o.chromosomePlots.substr(o.chromosomePlots.size() - 4);
        o.chromosomePlots.resize(o.chromosomePlots.size() - 4);
    }
    return readAveraging(options, shared.averaging, error);
}

int checkSessionAndOutputs(const CommandContext& context, CliSession& session, const OutputChoice& outputs,
                           int mode, const std::string& command) {
    if (!session.ready()) return kExitFailed;
    session.view->annotate = outputs.annotate;
    const std::string unavailable = unavailableOutput(session, outputs, mode, command);
    if (!unavailable.empty()) return usageError(context, command, unavailable);
    return -1;
}

int writeOutputs(CliSession& session, const OutputChoice& outputs) {
    CVARNDoc& doc = *session.doc;
    // Asked for before Store, which then keeps the sample's allele sums beside the stored analysis;
    // the panel asks for it as the window's toggle does.
    doc.alleleAnalysisAsked = outputs.baf || outputs.bafPanel;
    session.view->bafPanel = outputs.bafPanel;
    if (outputs.bafPanel && !session.view->bafPanelShown()) {
        const std::string why = session.view->bafPanelUnavailable();
        session.fail("the B-allele fraction panel cannot be drawn: " +
                     (why.empty() ? std::string("the display shows no analysis") : why));
    }
    if (outputs.store) doc.OnStore();
    if (outputs.tracks) doc.OnIgbFileOut();
    if (outputs.rawData) doc.OnRawDataOut();
    if (outputs.viewFile) doc.OnSaveViewFile();
    if (outputs.segments) doc.OnSegmentOut();
    if (outputs.baf) doc.OnAlleleOut();
    if (!outputs.plot.empty()) {
        std::string error;
        const auto picture = plotOptionsFor(outputs.plot, outputs.dpi, error);
        if (!picture || !plotDisplay(*session.view, outputs.plot, *picture, error)) session.fail(error);
    }
    if (!outputs.chromosomePlots.empty()) {
        CVARNView& view = *session.view;
        for (int c = 1; c <= 23; ++c) {
            session.ui.chromosomeAnswer = c;
            view.OnEachChromosome();
            const std::string file =
                outputs.chromosomePlots + "-ch" + (c == 23 ? std::string("X") : std::to_string(c)) +
                outputs.chromosomePlotExtension;
            std::string error;
            const PictureOptions picture{pictureKindOf(file).value_or(PictureKind::Png), outputs.dpi};
            const bool drawn = plotDisplay(view, file, picture, error);
            view.OnAllGenome();
            if (!drawn) {
                session.fail(error);
                break;
            }
        }
        session.ui.chromosomeAnswer.reset();
    }
    return session.ui.failed ? kExitFailed : kExitOk;
}

} // namespace varn::cli
