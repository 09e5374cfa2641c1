#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>

namespace varn::demo {

struct DemoOptions {
    unsigned seed = 1;
    int referenceCount = 10; // normal references per array
};

// Writes a complete synthetic installation into root (see the README). Deterministic for a seed.
// On success fills report with what was made and returns true; on failure writes the reason to err.
bool writeDemoInstallation(const std::filesystem::path& root, const DemoOptions& options, std::string& report,
                           std::ostream& err);

} // namespace varn::demo
