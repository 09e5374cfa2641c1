#pragma once

#include "CliOptions.h"
#include "CliUserInterface.h"
#include "document/CVARNDoc.h"
#include "view/CVARNView.h"

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace varn::cli {

// What every command receives: the installation root and the two streams.
struct CommandContext {
    InstallRoot root;
    std::ostream& out;
    std::ostream& err;
    bool showProgress = false;
};

// Prints "varn-cli COMMAND: reason" and a pointer to the command's help; returns the usage status.
int usageError(const CommandContext& context, const std::string& command, const std::string& reason);

// Parses a command's options; prints the help (status 0) or the usage error (status 2) itself.
// Returns -1 when the command should go on.
int parseCommandOptions(const CommandContext& context, const std::string& command,
                        const std::vector<std::string>& args, const OptionRules& rules,
                        ParsedOptions& parsed);

// --average N and --all-data.
bool readAveraging(const ParsedOptions& options, CliUserInterface::AverageAnswer& answer, std::string& error);

// One document and its view over the installation root, their questions answered from the
// command's options. Constructing it reads the genome annotation.
class CliSession {
  public:
    CliSession(const CommandContext& context, std::string command);

    CliUserInterface ui;
    std::unique_ptr<CVARNDoc> doc;
    std::unique_ptr<CVARNView> view;

    // False when the annotation tables could not be read (their messages are on stderr).
    bool ready() const { return !ui.failed; }

    // Load Ref: reads a reference pool file; returns its array type (1 or 2), or 0 when it did not
    // load (the reason is on stderr).
    int loadPool(const std::filesystem::path& path);

    // A failure of the tool that no message box of the program explains: one line on stderr,
    // status 1.
    int fail(const std::string& reason);

    // The display mode reached decides success when the flow's own messages said nothing.
    int finish(int expectedMode, const std::string& what);

  private:
    std::ostream& err_;
    std::string command_;
};

} // namespace varn::cli
