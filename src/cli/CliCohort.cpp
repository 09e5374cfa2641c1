// cohort: the gain, loss and LOH frequencies of the cohort's segment tables, as a table and a
// picture.
#include "CliCommands.h"
#include "CliPlot.h"
#include "CliSession.h"
#include "Commands.h"
#include "export/CohortSummary.h"

#include <climits>
#include <memory>
#include <ostream>

namespace varn::cli {

int runCohort(const CommandContext& context, const std::vector<std::string>& args) {
    const std::string command = "cohort";
    ParsedOptions options;
    const int parsed = parseCommandOptions(context, command, args, {{"--plot"}, {}, INT_MAX}, options);
    if (parsed >= 0) return parsed;

    const std::filesystem::path folder = context.root.root() / "segments";
    std::vector<std::filesystem::path> tables(options.words.begin(), options.words.end());
    if (tables.empty()) tables = defaultCohortTables(folder);
    if (tables.empty()) {
        context.err << "varn-cli cohort: no sample's segment table (*.segments.tsv) in " << folder.string()
                    << "\n";
        return kExitFailed;
    }

    // The annotation (and so a document) is needed only to place the SNPs on the picture.
    const auto plot = options.single("--plot");
    std::unique_ptr<CliSession> session;
    std::unique_ptr<CliUserInterface> plainUi;
    if (plot) {
        session = std::make_unique<CliSession>(context, command);
        if (!session->ready()) return kExitFailed;
    } else {
        plainUi = std::make_unique<CliUserInterface>(context.err, context.showProgress);
    }
    CliUserInterface& ui = session ? session->ui : *plainUi;

    CohortSummary summary;
    if (!makeCohortSummary(ui, tables, summary)) return kExitFailed;
    if (!writeCohortFrequencyTable(ui, folder / "cohort-frequency.tsv", summary)) return kExitFailed;
    if (plot) {
        std::string error;
        if (!plotCohort(*session->doc, summary, *plot, error)) {
            context.err << "varn-cli cohort: " << error << "\n";
            return kExitFailed;
        }
        ui.fileWritten("Wrote", *plot);
    }
    return ui.failed ? kExitFailed : kExitOk;
}

} // namespace varn::cli
