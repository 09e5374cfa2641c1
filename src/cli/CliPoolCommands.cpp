// make-pool, add-to-pool and allele-model: MakeReference, AddReference and AlleleModel with their
// dialogs answered.
#include "CliCommands.h"
#include "CliSession.h"
#include "Commands.h"
#include "engine/alleles/AlleleModel.h"

#include <ostream>

namespace varn::cli {

namespace {

std::filesystem::file_time_type modifiedAt(const std::filesystem::path& path) {
    std::error_code ec;
    const auto time = std::filesystem::last_write_time(path, ec);
    return ec ? std::filesystem::file_time_type::min() : time;
}

// The pool is saved through Save As; a run that leaves the file as it was has failed.
int finishPool(CliSession& session, const std::filesystem::path& out,
               std::filesystem::file_time_type before) {
    if (session.ui.failed) return kExitFailed;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(out, ec) || modifiedAt(out) == before)
        return session.fail("the pool was not saved to " + out.string());
    return kExitOk;
}

} // namespace

int runMakePool(const CommandContext& context, const std::vector<std::string>& args) {
    const std::string command = "make-pool";
    ParsedOptions options;
    const int parsed =
        parseCommandOptions(context, command, args, {{"--array", "--list", "--out"}, {}, 0}, options);
    if (parsed >= 0) return parsed;
    const auto array = options.single("--array");
    const auto list = options.single("--list");
    const auto out = options.single("--out");
    if (!array || !list || !out)
        return usageError(context, command, "--array, --list and --out are required");
    const int t = parseArrayName(*array);
    if (t == 0) return usageError(context, command, "--array takes xba or hind");

    CliSession session(context, command);
    if (!session.ready()) return kExitFailed;
    session.ui.sampleTypeAnswer = t;
    session.ui.openFiles.push_back(*list);
    session.ui.saveFiles.push_back(*out);
    const auto before = modifiedAt(*out);
    session.doc->OnMakeReference();
    return finishPool(session, *out, before);
}

int runAddToPool(const CommandContext& context, const std::vector<std::string>& args) {
    const std::string command = "add-to-pool";
    ParsedOptions options;
    const int parsed =
        parseCommandOptions(context, command, args, {{"--pool", "--list", "--out"}, {}, 0}, options);
    if (parsed >= 0) return parsed;
    const auto pool = options.single("--pool");
    const auto list = options.single("--list");
    const auto out = options.single("--out");
    if (!pool || !list || !out) return usageError(context, command, "--pool, --list and --out are required");
    if (options.values.at("--pool").size() > 1) return usageError(context, command, "--pool is given twice");

    CliSession session(context, command);
    if (!session.ready()) return kExitFailed;
    const int t = session.loadPool(*pool);
    if (t == 0) return kExitFailed;
    session.ui.sampleTypeAnswer = t;
    session.ui.openFiles.push_back(*list);
    session.ui.saveFiles.push_back(*out);
    const auto before = modifiedAt(*out);
    session.doc->OnAddReference();
    return finishPool(session, *out, before);
}

int runAlleleModel(const CommandContext& context, const std::vector<std::string>& args) {
    const std::string command = "allele-model";
    ParsedOptions options;
    const int parsed = parseCommandOptions(context, command, args, {{"--pool"}, {}, 0}, options);
    if (parsed >= 0) return parsed;
    const auto pool = options.single("--pool");
    if (!pool) return usageError(context, command, "--pool is required");
    if (options.values.at("--pool").size() > 1) return usageError(context, command, "--pool is given twice");

    CliSession session(context, command);
    if (!session.ready()) return kExitFailed;
    const int t = session.loadPool(*pool);
    if (t == 0) return kExitFailed;
    session.ui.sampleTypeAnswer = t;
    session.doc->OnAlleleModel();
    if (session.ui.failed) return kExitFailed;
    const std::string reason = alleleModelUnavailableReason(*session.doc, t);
    return reason.empty() ? kExitOk : session.fail(reason);
}

} // namespace varn::cli
