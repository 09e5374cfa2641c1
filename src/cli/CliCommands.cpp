#include "CliCommands.h"

#include "CliHelp.h"
#include "CliSession.h"
#include "Commands.h"

#include <iostream>
#include <optional>
#include <ostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace varn::cli {

namespace {

using Runner = int (*)(const CommandContext&, const std::vector<std::string>&);

struct CommandEntry {
    const char* name;
    Runner run;
};

constexpr CommandEntry kCommands[] = {
    {"demo-data", runDemoData},     {"make-pool", runMakePool}, {"add-to-pool", runAddToPool},
    {"analyze", runAnalyze},        {"paired", runPaired},      {"reload", runReload},
    {"reload-self", runReloadSelf}, {"merged", runMerged},      {"batch-tracks", runBatchTracks},
    {"batch-segments", runBatchSegments}, {"sample-list", runSampleList}, {"report", runReport},
    {"purity", runPurity}, {"cohort", runCohort}, {"cohort-samples", runCohortSamples},
    {"allele-model", runAlleleModel}, {"demo-report", runDemoReport}, {"profile", runProfile},
};

} // namespace

int runCli(int argc, char** argv, std::ostream& out, std::ostream& err) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::optional<std::filesystem::path> rootOption;
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--root") {
            if (i + 1 >= args.size()) {
                err << "varn-cli: --root needs a folder\n";
                return kExitUsage;
            }
            rootOption = args[++i];
        } else if (a == "-h" || a == "--help") {
            out << kUsage;
            return kExitOk;
        } else if (a == "--version") {
            out << "varn-cli " << VARN_VERSION << "\n";
            return kExitOk;
        } else {
            break;
        }
    }
    if (i >= args.size()) {
        err << kUsage;
        return kExitUsage;
    }
    const std::string command = args[i];
    const std::vector<std::string> rest(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
    // Progress lines only on a terminal: redirected, stderr carries the message boxes alone.
    const bool progress = &err == &std::cerr && isatty(STDERR_FILENO) != 0;
    const CommandContext context{InstallRoot::fromOptionOrEnvironment(rootOption), out, err, progress};
    for (const CommandEntry& entry : kCommands)
        if (command == entry.name) return entry.run(context, rest);
    err << "varn-cli: unknown command " << command << "\n" << kUsage;
    return kExitUsage;
}

} // namespace varn::cli
