#pragma once

#include "DemoFinalReports.h"

#include <filesystem>
#include <iosfwd>
#include <string>

namespace varn::demo {

struct DemoOptions {
    unsigned seed = 1;
    int referenceCount = 10; // normal references per array
    int reportSnps = kDemoReportSnps; // SNPs of the final reports
};

// Writes a complete synthetic installation into root (see the README). Deterministic for a seed.
// On success fills report with what was made and returns true; on failure writes the reason to err.
bool writeDemoInstallation(const std::filesystem::path& root, const DemoOptions& options, std::string& report,
                           std::ostream& err);

// The SNP-call file of a reference (Normal01 ..) on array type t (1 Xba, 2 Hind), as the array
// software called it: referencecallsX/<name>X_snp.txt or referencecallsH/<name>H_snp.txt. It
// lies apart from the reference's signal file, so that a pool built from sampledataX|H learns
// its genotype clusters from the signals alone and the calls can check what it learned.
std::filesystem::path referenceCallFile(const std::filesystem::path& root, int arrayType, const std::string& name);

} // namespace varn::demo
