#include "CliSession.h"

#include "CliCommands.h"
#include "CliHelp.h"
#include "view/DisplayMode.h"

#include <ostream>

namespace varn::cli {

int usageError(const CommandContext& context, const std::string& command, const std::string& reason) {
    context.err << "varn-cli " << command << ": " << reason << "\n"
                << "Try 'varn-cli " << command << " --help'.\n";
    return kExitUsage;
}

int parseCommandOptions(const CommandContext& context, const std::string& command,
                        const std::vector<std::string>& args, const OptionRules& rules,
                        ParsedOptions& parsed) {
    std::string error;
    if (!parseOptions(args, rules, parsed, error)) return usageError(context, command, error);
    if (parsed.help) {
        context.out << commandHelp(command);
        return kExitOk;
    }
    for (const auto& [name, list] : parsed.values) {
        if (list.size() > 1 && name != "--pool")
            return usageError(context, command, name + " is given twice");
    }
    return -1;
}

bool readAveraging(const ParsedOptions& options, CliUserInterface::AverageAnswer& answer,
                   std::string& error) {
    answer.allData = options.flag("--all-data");
    if (auto text = options.single("--average")) {
        if (!parseInt(*text, answer.number) || answer.number < 1 || answer.number > 10) {
            error = "--average takes a whole number 1..10";
            return false;
        }
    }
    return true;
}

CliSession::CliSession(const CommandContext& context, std::string command)
    : ui(context.err, context.showProgress), err_(context.err), command_(std::move(command)) {
    doc = std::make_unique<CVARNDoc>(context.root, ui);
    view = std::make_unique<CVARNView>(*doc);
    ui.view = view.get();
    ui.confirmWritesOn(context.out, context.root);
}

int CliSession::loadPool(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        fail("the reference pool file " + path.string() + " does not exist");
        return 0;
    }
    ui.lastMessage.clear();
    const bool loaded = doc->OnOpenDocument(path);
    // A pool that loads announces its array type.
    int t = 0;
    if (ui.lastMessage == "Correct Xba reference data loaded!") t = kXba;
    if (ui.lastMessage == "Correct Hind reference data loaded!") t = kHind;
    if (!loaded || t == 0) {
        if (!ui.failed) fail("the reference pool file " + path.string() + " could not be loaded");
        ui.failed = true;
        return 0;
    }
    return t;
}

int CliSession::fail(const std::string& reason) {
    err_ << "varn-cli " << command_ << ": " << reason << "\n";
    ui.failed = true;
    return kExitFailed;
}

int CliSession::finish(int expectedMode, const std::string& what) {
    if (ui.failed) return kExitFailed;
    if (view->displayMode != expectedMode)
        return fail(what + " did not complete: it stopped in display mode " + std::to_string(view->displayMode) +
                    " before reaching mode " + std::to_string(expectedMode));
    return kExitOk;
}

} // namespace varn::cli
