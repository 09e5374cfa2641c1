#include "SampleSummary.h"

#include "StoredAnalysisFiles.h"
#include "StoredProfileWalk.h"
#include "document/CVARNDoc.h"
#include "document/FileBytes.h"
#include "document/SampleName.h"
#include "document/UserInterface.h"
#include "engine/analysis/ProfileResult.h"
#include "engine/analysis/ResultWording.h"

#include <cstdio>

namespace varn {

namespace {

std::string arrayName(int t) {
    return t == kXba ? "xba" : t == kHind ? "hind" : t == kProfileSummary ? "profile" : "both";
}

// Tabs and line ends would break the table's columns.
std::string plain(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return text;
}

} // namespace

SampleSummary summariseSample(const std::string& sample, int arrayType, const PurityEstimate& e) {
    SampleSummary s;
    s.sample = sample;
    s.arrayType = arrayType;
    s.joint = e.joint;
    s.decided = e.decided;
    s.purity = e.purity;
    s.purityLow = e.low;
    s.purityHigh = e.high;
    if (e.joint) {
        s.best = e.fit.solutions.front();
        s.solutions = static_cast<int>(e.fit.solutions.size());
    }
    s.note = !e.why.empty() ? e.why : e.joint ? std::string() : e.alleleReason;
    return s;
}

SampleSummary summariseProfile(const ProfileResult& r) {
    SampleSummary s;
    s.sample = r.profile.sample;
    s.arrayType = kProfileSummary;
    s.joint = r.fitted && r.solution > 0;
    s.decided = r.decided;
    s.purity = s.purityLow = s.purityHigh = r.purity;
    if (s.joint) {
        s.best = r.decodedWith;
        s.solutions = r.solutions;
    }
    s.note = r.fitWhy;
    return s;
}

std::string sampleSummaryLine(const SampleSummary& s) {
    char text[320];
    if (!s.joint)
        return "Tumour cells " + figureText(Figure::TumourCells, s.purity, s.purityLow, s.purityHigh) +
               "; ploidy not fitted (" + s.note + ")";
    const PurityPloidySolution& b = s.best;
    std::snprintf(text, sizeof text, ", genome doubled: %s, altered %.0f %%, LOH %.0f %%, doubled %.0f %% (fit %.0f %%%s%s)",
                  b.doubled ? "yes" : "no", 100 * b.alteredShare, 100 * b.lohShare, 100 * b.doubledShare, 100 * b.fit,
                  s.decided ? "" : "; cannot tell: ", s.decided ? "" : s.note.c_str());
    return "Tumour cells " + figureText(Figure::TumourCells, b.purity, b.purityLow, b.purityHigh) + ", ploidy " +
           figureText(Figure::Ploidy, b.ploidy, b.ploidyLow, b.ploidyHigh) + text;
}

std::string cohortSamplesText(const std::vector<SampleSummary>& samples) {
    std::string out = kCohortSamplesHeader;
    char line[512];
    for (const SampleSummary& s : samples) {
        if (s.joint) {
            const PurityPloidySolution& b = s.best;
            std::snprintf(line, sizeof line, "%s\t%s\t%.2f\t%.2f\t%.2f\t%.2f\t%.2f\t%.2f\t%s\t%.3f\t%.3f\t%.3f\t%.3f\t%d\t%s\t",
                          plain(s.sample).c_str(), arrayName(s.arrayType).c_str(), b.purity, b.purityLow, b.purityHigh,
                          b.ploidy, b.ploidyLow, b.ploidyHigh, b.doubled ? "yes" : "no", b.alteredShare, b.lohShare,
                          b.doubledShare, b.fit, s.solutions, s.decided ? "yes" : "no");
        } else if (!s.estimated) {
            std::snprintf(line, sizeof line, "%s\t%s\tNA\tNA\tNA\tNA\tNA\tNA\tNA\tNA\tNA\tNA\tNA\t0\tno\t",
                          plain(s.sample).c_str(), arrayName(s.arrayType).c_str());
        } else {
            std::snprintf(line, sizeof line, "%s\t%s\t%.2f\t%.2f\t%.2f\tNA\tNA\tNA\tNA\tNA\tNA\tNA\tNA\t0\t%s\t",
                          plain(s.sample).c_str(), arrayName(s.arrayType).c_str(), s.purity, s.purityLow, s.purityHigh,
                          s.decided ? "yes" : "no");
        }
        out += line;
        out += plain(s.note);
        out += "\n";
    }
    return out;
}

bool writeCohortSamples(CVARNDoc& doc, const PurityFitOptions& options) {
    std::vector<SampleSummary> rows;
    const std::filesystem::path stored = doc.fixedPath("c:\\VARN\\temporary files");
    const bool profilesOnly = storedAnalysisFiles(stored).empty() && !storedProfileFiles(stored).empty();
    bool walked = profilesOnly || forEachStoredAnalysis(doc, "Fitting purity and ploidy", [&](int t) {
        PurityEstimate e;
        std::string reason;
        const std::string sample(sampleName(doc.poolSampleName[t][0]));
        if (!estimatePurity(doc, t, false, e, reason, options)) {
            SampleSummary none;
            none.sample = sample;
            none.arrayType = t;
            none.note = reason;
            none.estimated = false;
            rows.push_back(none);
            return true;
        }
        rows.push_back(summariseSample(sample, t, e));
        return true;
    });
    walked = walked && forEachStoredProfile(stored, doc.ui(), [&](const ProfileResult& r) {
                 rows.push_back(summariseProfile(r));
                 return true;
             });
    if (!walked) return false;
    const std::filesystem::path folder = doc.fixedPath("c:\\VARN\\segments");
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) std::filesystem::create_directory(folder, ec);
    const std::filesystem::path path = folder / "cohort-samples.tsv";
    if (!replaceFileContents(path, cohortSamplesText(rows))) {
        doc.ui().messageBox("Segment file cannot be written");
        return false;
    }
    doc.ui().fileWritten("Wrote", path);
    return true;
}

} // namespace varn
