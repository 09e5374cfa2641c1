// AlleleOut: the log ratio and B-allele fraction of the analysis shown as the two files ASCAT
// reads, in alleles/ beside segments/, named after the sample.
#include "document/CVARNDoc.h"

#include "AlleleFiles.h"
#include "document/FileBytes.h"
#include "document/SampleName.h"
#include "document/UserInterface.h"
#include "view/CVARNView.h"
#include "view/ShownAlleleAnalysis.h"
#include "view/profile/ShownProfile.h"

#include <filesystem>

namespace varn {

namespace {

constexpr const char* kAlleleFailure = "Allele file cannot be written";

bool writeOne(CVARNDoc& doc, const std::filesystem::path& path, const std::string& bytes) {
    if (!replaceFileContents(path, bytes)) {
        doc.ui().messageBox(kAlleleFailure);
        return false;
    }
    doc.ui().fileWritten("Wrote", path);
    return true;
}

} // namespace

bool writeAscatFiles(CVARNDoc& doc, const AlleleAnalysis& analysis) {
    // The folder is made when missing, as segments/ is.
    const std::filesystem::path folder = doc.fixedPath("c:\\VARN\\alleles");
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) std::filesystem::create_directory(folder, ec);
    const AscatFiles files = ascatFilesText(doc, analysis);
    const std::string stem = fileNamePart(analysis.sample);
    return writeOne(doc, folder / (stem + ".LogR.txt"), files.logR) &&
           writeOne(doc, folder / (stem + ".BAF.txt"), files.baf);
}

std::string alleleAnalysisRefusal(const std::string& why) { return "The allele analysis cannot run: " + why; }

void CVARNDoc::OnAlleleOut() {
    int t = 0;
    bool paired = false;
    if (!shownAlleleAnalysis(*this, t, paired)) return;
    const AlleleAnalysis analysis = analyseAlleles(*this, t, paired);
    if (!analysis.available) {
        ui().messageBox(alleleAnalysisRefusal(analysis.why));
        return;
    }
    writeAscatFiles(*this, analysis);
}

bool CVARNDoc::OnUpdateAlleleOut() const {
    if (view != nullptr && isProfileMode(view->displayMode))
        return shownProfile != nullptr && shownProfile->result.profile.hasBaf();
    int t = 0;
    bool paired = false;
    return shownAlleleAnalysis(*this, t, paired) && alleleAnalysisMissing(*this, t, paired).empty();
}

} // namespace varn
