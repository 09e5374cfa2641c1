#pragma once

#include "support/TempDir.h"

#include <filesystem>
#include <string>
#include <vector>

namespace varn::test {

// What one run of the built varn-cli left: its exit status and both streams.
struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
    // stderr split into lines, one message box each.
    std::vector<std::string> errLines() const;
};

CliRun runCli(const std::vector<std::string>& args);

// The demo installation (three references per array), generated once by the built tool and kept
// beside it for every later test process; regenerated when the tool is newer than it.
const std::filesystem::path& sharedDemoRoot();

// A root of its own for one test: the demo's inputs linked in, empty output folders, and the
// "VARN View" folder beside it, so that tests never see each other's outputs.
class ScratchRoot {
  public:
    ScratchRoot();
    const std::filesystem::path& root() const { return root_; }
    std::string rootOption() const { return root_.string(); }
    std::filesystem::path operator/(const std::string& relative) const { return root_ / relative; }

  private:
    TempDir dir_;
    std::filesystem::path root_;
};

// The arguments of a run on a scratch root: --root ROOT followed by args.
std::vector<std::string> on(const ScratchRoot& root, std::vector<std::string> args);

// A text file's lines without their line ends.
std::vector<std::string> readLines(const std::filesystem::path& path);

} // namespace varn::test
