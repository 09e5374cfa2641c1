#include "demo/DemoFixture.h"

#include "demo/DemoAnnotation.h"
#include "demo/DemoInstallation.h"

#include <sstream>

namespace varn::test {

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

DemoInstallationFixture& demoInstallation() {
    static DemoInstallationFixture f;
    static bool ready = false;
    if (!ready) {
        ready = true;
        f.root = f.dir.path() / "VARN";
        demo::DemoOptions options;
        options.seed = kDemoSeed;
        options.referenceCount = kDemoReferences;
        options.reportSnps = kDemoReportSnps;
        std::ostringstream err;
        f.made = demo::writeDemoInstallation(f.root, options, f.report, err);
        f.errors = err.str();
        f.doc = std::make_unique<CVARNDoc>(InstallRoot(f.root), f.ui);
        f.loadMessages = f.ui.messages.size();
        f.view = std::make_unique<CVARNView>(*f.doc);
    }
    return f;
}

} // namespace varn::test
