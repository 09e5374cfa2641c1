#include "cli/CliRunner.h"

#include "support/SharedDemo.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace varn::test {

namespace fs = std::filesystem;

std::vector<std::string> CliRun::errLines() const {
    std::vector<std::string> lines;
    std::istringstream in(err);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

CliRun runCli(const std::vector<std::string>& args) {
    TempDir streams;
    const std::string outPath = (streams / "out").string();
    const std::string errPath = (streams / "err").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> words{VARN_CLI_BINARY};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, VARN_CLI_BINARY, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) throw std::runtime_error("cannot start " VARN_CLI_BINARY);
    int wstatus = 0;
    waitpid(pid, &wstatus, 0);
    CliRun run;
    run.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 128 + WTERMSIG(wstatus);
    run.out = readFileBytes(outPath);
    run.err = readFileBytes(errPath);
    return run;
}

namespace {

constexpr const char* kDemoFolders[] = {"data",         "sampledataX",     "sampledataH",     "tumorsampleX",
                                        "tumorsampleH", "SNPtumorsampleX", "SNPtumorsampleH", "truth"};
constexpr const char* kOutputFolders[] = {"temporary files", "Self temporary files", "IGBfiles", "RawData"};

} // namespace

// The cache is named after the tool's build time, so a rebuilt tool makes a new one and a cache in
// use by a running test is never replaced under it.
const fs::path& sharedDemoRoot() {
    static const fs::path root = keptDemoInstallation(
        fs::path(VARN_CLI_BINARY).parent_path(), "cli-test-demo-", buildStamp(VARN_CLI_BINARY),
        [](const fs::path& made, std::string& problem) {
            const CliRun run = runCli({"--root", made.string(), "demo-data", "--refs", "3"});
            problem = run.err;
            return run.status == 0;
        });
    return root;
}

ScratchRoot::ScratchRoot() : root_(dir_.path() / "VARN") {
    const fs::path& demo = sharedDemoRoot();
    fs::create_directories(root_);
    for (const char* folder : kDemoFolders) fs::create_directory_symlink(demo / folder, root_ / folder);
    for (const char* pool : {"XbaPool.ref", "HindPool.ref", "XbaPool.alleles", "HindPool.alleles"})
        fs::create_symlink(demo / pool, root_ / pool);
    for (const char* folder : kOutputFolders) fs::create_directories(root_ / folder);
    fs::create_directories(dir_.path() / "VARN View");
}

std::vector<std::string> on(const ScratchRoot& root, std::vector<std::string> args) {
    args.insert(args.begin(), {"--root", root.rootOption()});
    return args;
}

std::vector<std::string> readLines(const fs::path& path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

} // namespace varn::test
