#include "demo/DemoFixture.h"

#include "demo/DemoAnnotation.h"
#include "demo/DemoInstallation.h"

#include "support/SharedDemo.h"

#include <fstream>
#include <sstream>

namespace varn::test {

namespace fs = std::filesystem;

DemoAnnotationFixture& demoAnnotation() {
    static DemoAnnotationFixture f;
    static bool ready = false;
    if (!ready) {
        ready = true;
        f.root = f.dir.path() / "VARN";
        std::filesystem::create_directories(f.root / "data");
        f.genome = demo::makeDemoGenome(kDemoSeed);
        std::ostringstream err;
        f.written = demo::writeDemoAnnotation(f.root / "data", f.genome, err);
        f.doc = std::make_unique<CVARNDoc>(InstallRoot(f.root), f.ui);
        f.view = std::make_unique<CVARNView>(*f.doc);
    }
    return f;
}

// Kept beside the test program and named after its build time: the generator is linked into it.
DemoInstallationFixture& demoInstallation() {
    static DemoInstallationFixture f;
    static bool ready = false;
    if (!ready) {
        ready = true;
        const fs::path self = fs::read_symlink("/proc/self/exe");
        f.root = f.dir.path() / "VARN";
        try {
            const fs::path kept = keptDemoInstallation(
                self.parent_path(), "core-test-demo-", buildStamp(self), [](const fs::path& root, std::string& problem) {
                    demo::DemoOptions options;
                    options.seed = kDemoSeed;
                    options.referenceCount = kDemoReferences;
                    options.reportSnps = kDemoReportSnps;
                    std::string report;
                    std::ostringstream err;
                    const bool made = demo::writeDemoInstallation(root, options, report, err);
                    problem = err.str();
                    std::ofstream(root / "demo-report.txt", std::ios::binary) << report;
                    return made && problem.empty();
                });
            linkDemoInputs(kept, f.root);
            f.report = readFileBytes(kept / "demo-report.txt");
            f.made = true;
        } catch (const std::exception& e) {
            f.errors = e.what();
        }
        f.doc = std::make_unique<CVARNDoc>(InstallRoot(f.root), f.ui);
        f.loadMessages = f.ui.messages.size();
        f.view = std::make_unique<CVARNView>(*f.doc);
    }
    return f;
}

} // namespace varn::test
