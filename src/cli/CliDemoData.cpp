// demo-data: a synthetic installation to try every command on.
#include "CliCommands.h"
#include "CliSession.h"
#include "Commands.h"
#include "demo/DemoInstallation.h"

#include <ostream>

namespace varn::cli {

int runDemoData(const CommandContext& context, const std::vector<std::string>& args) {
    const std::string command = "demo-data";
    ParsedOptions options;
    const int parsed = parseCommandOptions(context, command, args, {{"--seed", "--refs"}, {}, 0}, options);
    if (parsed >= 0) return parsed;
    demo::DemoOptions demoOptions;
    if (auto text = options.single("--seed")) {
        int v = 0;
        if (!parseInt(*text, v) || v < 0) return usageError(context, command, "--seed takes a whole number");
        demoOptions.seed = static_cast<unsigned>(v);
    }
    if (auto text = options.single("--refs")) {
        if (!parseInt(*text, demoOptions.referenceCount) || demoOptions.referenceCount < 1 ||
            demoOptions.referenceCount > 199)
            return usageError(context, command, "--refs takes 1 to 199");
    }
    std::string report;
    if (!demo::writeDemoInstallation(context.root.root(), demoOptions, report, context.err))
        return kExitFailed;
    context.out << report;
    return kExitOk;
}

} // namespace varn::cli
