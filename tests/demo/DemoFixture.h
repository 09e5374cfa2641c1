#pragma once

#include "demo/DemoGenome.h"
#include "document/CVARNDoc.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "view/CVARNView.h"

#include <filesystem>
#include <memory>
#include <string>

namespace varn::test {

inline constexpr unsigned kDemoSeed = 5;
inline constexpr int kDemoReferences = 3;
inline constexpr int kDemoReportSnps = 20000; // the final reports, small so that the fixture is quick

// The demo annotation of seed 5 in memory and written to a temporary root, with a document and
// view constructed over it (any loader message is in ui.messages). Made once per test program.
struct DemoAnnotationFixture {
    TempDir dir;
    std::filesystem::path root;
    demo::DemoGenome genome;
    bool written = false;
    ScriptedUi ui;
    std::unique_ptr<CVARNDoc> doc;
    std::unique_ptr<CVARNView> view;
};
DemoAnnotationFixture& demoAnnotation();

// A whole demo installation (seed 5, three references and final reports of 20,000 SNPs, so that
// it is quick), with the generator's report and errors and a document and view constructed over
// it. Made once per test program.
struct DemoInstallationFixture {
    TempDir dir;
    std::filesystem::path root;
    bool made = false;
    std::string report;
    std::string errors;
    ScriptedUi ui;
    std::size_t loadMessages = 0; // messages while the document loaded the installation
    std::unique_ptr<CVARNDoc> doc;
    std::unique_ptr<CVARNView> view;
};
DemoInstallationFixture& demoInstallation();

} // namespace varn::test
