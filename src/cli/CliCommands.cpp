#include "CliCommands.h"

#include "demo/DemoInstallation.h"
#include "document/InstallRoot.h"

#include <cstdlib>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace varn::cli {

namespace {

constexpr std::string_view kUsage =
    "Usage: varn-cli [--root DIR] COMMAND [OPTIONS]\n"
    "  --root DIR        the installation root standing for c:\\VARN\\ (default $VARN_ROOT, else ~/VARN)\n"
    "  -h, --help        usage of the tool or of one command;  --version\n"
    "Exit status: 0 success; 1 when the operation failed (its message is on stderr); 2 bad usage.\n"
    "\n"
    "Commands:\n"
    "  demo-data [--seed N] [--refs K]   write a synthetic demo installation into the root\n";

constexpr std::string_view kDemoUsage =
    "Usage: varn-cli [--root DIR] demo-data [--seed N] [--refs K]\n"
    "  Writes a complete synthetic installation into the root: the eight annotation tables,\n"
    "  K normal references per array (default 10) with sample lists and pools, two tumours on\n"
    "  both arrays with their paired normals, the empty output folders and per tumour a truth\n"
    "  file. The same seed (default 1) gives the same files.\n";

bool parseInt(std::string_view text, int& value) {
    try {
        std::size_t used = 0;
        value = std::stoi(std::string(text), &used);
        return used == text.size();
    } catch (...) {
        return false;
    }
}

int runDemoData(const InstallRoot& root, const std::vector<std::string>& args, std::ostream& out,
                std::ostream& err) {
    demo::DemoOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-h" || a == "--help") {
            out << kDemoUsage;
            return kExitOk;
        }
        if ((a == "--seed" || a == "--refs") && i + 1 < args.size()) {
            int v = 0;
            if (!parseInt(args[++i], v) || v < 0) {
                err << "varn-cli demo-data: " << a << " takes a whole number\n";
                return kExitUsage;
            }
            if (a == "--seed") options.seed = static_cast<unsigned>(v);
            else options.referenceCount = v;
            continue;
        }
        err << "varn-cli demo-data: unknown option " << a << "\n" << kDemoUsage;
        return kExitUsage;
    }
    if (options.referenceCount < 1 || options.referenceCount > 199) {
        err << "varn-cli demo-data: --refs takes 1 to 199\n";
        return kExitUsage;
    }
    std::string report;
    if (!demo::writeDemoInstallation(root.root(), options, report, err)) return kExitFailed;
    out << report;
    return kExitOk;
}

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
    const InstallRoot root = InstallRoot::fromOptionOrEnvironment(rootOption);
    if (command == "demo-data") return runDemoData(root, rest, out, err);
    err << "varn-cli: unknown command " << command << "\n" << kUsage;
    return kExitUsage;
}

} // namespace varn::cli
