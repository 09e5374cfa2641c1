// SegmentOut and its batch: the segment table, SEG and BED files of a decoded pool-mode profile
// in segments/ beside IGBfiles/, named after the sample as the tracks are.
#include "document/CVARNDoc.h"

#include "AlleleFiles.h"
#include "ProfileOutputs.h"
#include "SegmentFiles.h"
#include "StoredAnalysisFiles.h"
#include "StoredProfileWalk.h"
#include "document/FileBytes.h"
#include "document/SampleName.h"
#include "document/UserInterface.h"
#include "engine/analysis/AlleleAnalysis.h"
#include "engine/analysis/ProfileResult.h"
#include "view/CVARNView.h"

#include <filesystem>
#include <string>
#include <vector>

namespace varn {

namespace {

constexpr const char* kSegmentFailure = "Segment file cannot be written";

// The folder is made when missing, as RawData is; a missing root stays missing and the write
// fails with the program's message.
std::filesystem::path segmentFolder(const CVARNDoc& doc) {
    const std::filesystem::path folder = doc.fixedPath("c:\\VARN\\segments");
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) std::filesystem::create_directory(folder, ec);
    return folder;
}

bool writeOne(CVARNDoc& doc, const std::filesystem::path& path, const std::string& bytes) {
    if (!replaceFileContents(path, bytes)) {
        doc.ui().messageBox(kSegmentFailure);
        return false;
    }
    doc.ui().fileWritten("Wrote", path);
    return true;
}

// The three files of one sample; stops at the first that cannot be written.
bool writeSegmentFiles(CVARNDoc& doc, const SegmentedSample& sample) {
    const std::filesystem::path folder = segmentFolder(doc);
    const std::string stem = fileNamePart(sample.name);
    return writeOne(doc, folder / (stem + ".seg"), segFileText({sample})) &&
           writeOne(doc, folder / (stem + ".segments.tsv"), segmentTableText(sample)) &&
           writeOne(doc, folder / (stem + ".bed"), segmentBedText(sample));
}

// The array type whose profile a display shows, or -1 where no decoded pool profile is shown.
int segmentedArrayType(const CVARNDoc& doc) {
    if (doc.view == nullptr) return -1;
    const int m = doc.view->displayMode;
    if (m == ModeGenomeBoth || m == ModeChromosomeBoth) return kCombined;
    if ((m == ModeGenomeSingle || m == ModeChromosomeSingle) &&
        (doc.arrayType == kXba || doc.arrayType == kHind))
        return doc.arrayType;
    return -1;
}

} // namespace

// An analysis that asked for the allele analysis writes its segments cut where the alleles step,
// with their allele columns; when the allele analysis cannot run, AlleleOut says why and the
// segments are those of the log ratio alone.
void CVARNDoc::OnSegmentOut() {
    const int t = segmentedArrayType(*this);
    if (t < 0) return;
    if (alleleAnalysisAsked) {
        const AlleleAnalysis alleles = analyseAlleles(*this, t, false);
        if (alleles.available) {
            writeSegmentFiles(*this, alleleSegmentedSample(*this, alleles));
            return;
        }
    }
    writeSegmentFiles(*this, segmentedSample(*this, t));
}

// As the batch track export: every stored pool analysis reloaded and recomputed without
// averaging, its three files written, and then every sample in one cohort SEG file (GISTIC and
// cBioPortal take one file per cohort). A stored analysis that kept its allele sums beside it
// is an allele analysis: its segments carry the allele columns and its ASCAT files are written.
// The stored profile analyses of any array (*.profile.gz) join the cohort file after them, with
// their segments as they were stored; a folder of those alone is a cohort too.
void CVARNDoc::OnBatchSegmentOut() {
    const std::filesystem::path folder = fixedPath("c:\\VARN\\temporary files");
    const bool profilesOnly = storedAnalysisFiles(folder).empty() && !storedProfileFiles(folder).empty();
    std::vector<SegmentedSample> cohort;
    bool walked = profilesOnly || forEachStoredAnalysis(*this, "Exporting segments", [&](int t) {
        SegmentedSample sample;
        if (sampleAllelesHeld[t]) {
            const AlleleAnalysis alleles = analyseAlleles(*this, t, false);
            if (alleles.available) {
                sample = alleleSegmentedSample(*this, alleles);
                if (!writeAscatFiles(*this, alleles)) return false;
            } else {
                ui().messageBox(alleles.sample + ": " + alleleAnalysisRefusal(alleles.why));
            }
        }
        if (sample.name.empty()) sample = segmentedSample(*this, t);
        if (!writeSegmentFiles(*this, sample)) return false;
        cohort.push_back(std::move(sample));
        return true;
    });
    walked = walked && forEachStoredProfile(folder, ui(), [&](const ProfileResult& r) {
                 cohort.push_back(profileSegmentedSample(r));
                 return true;
             });
    if (walked && !cohort.empty()) writeOne(*this, segmentFolder(*this) / "cohort.seg", segFileText(cohort));
}

} // namespace varn
