#include "ProfileOutputs.h"

#include "SegmentFiles.h"
#include "document/ChromosomeTable.h"
#include "document/DocumentLimits.h"
#include "document/FileBytes.h"
#include "document/InstallRoot.h"
#include "document/SampleName.h"
#include "document/UserInterface.h"
#include "engine/alleles/BAlleleFraction.h"
#include "engine/analysis/ProfileResult.h"

#include <cmath>
#include <cstdio>

namespace varn {

namespace {

bool writeInto(const InstallRoot& root, const char* folderName, const std::string& stem,
               const std::vector<std::pair<const char*, const std::string*>>& files, const char* failure,
               UserInterface& ui) {
    const std::filesystem::path folder = root.map(folderName);
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) std::filesystem::create_directory(folder, ec);
    for (const auto& [extension, bytes] : files) {
        const std::filesystem::path path = folder / (stem + extension);
        if (!replaceFileContents(path, *bytes)) {
            ui.messageBox(failure);
            return false;
        }
        ui.fileWritten("Wrote", path);
    }
    return true;
}

} // namespace

SegmentedSample profileSegmentedSample(const ProfileResult& r) {
    SegmentedSample sample;
    sample.name = r.profile.sample;
    sample.purity = static_cast<float>(r.purity);
    const bool alleles = r.profile.hasBaf();
    for (const ProfileCall& c : r.calls) {
        sample.segments.push_back(c.segment);
        if (!alleles) continue;
        const int total = c.segment.copyNumber, minor = c.segment.minorCopies;
        sample.alleles.push_back({total >= 0 ? total - minor : -1, total >= 0 ? minor : -1,
                                  c.informative > 0 ? c.mirroredBaf : std::nan(""), c.segment.loh, false});
    }
    return sample;
}

AscatFiles profileAscatFiles(const ProfileResult& r) {
    const Profile& p = r.profile;
    AscatFiles out;
    const std::string header = "\tChr\tPosition\t" + p.sample + "\n";
    out.logR = header;
    out.baf = header;
    if (!p.hasBaf()) return out;
    const double toLog2 = p.logBase == LogBase::Two ? 1.0 : 1.0 / std::log(2.0);
    char place[96], value[32];
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (!std::isfinite(p.logRatio[i]) || !std::isfinite(p.baf[i])) continue;
        const std::string name = p.name[i].empty() ? "SNP_" + std::to_string(i + 1) : std::string(p.name[i]);
        if (p.chromosome[i] == kChromosomeX)
            std::snprintf(place, sizeof place, "\tX\t%d\t", p.position[i]);
        else
            std::snprintf(place, sizeof place, "\t%d\t%d\t", p.chromosome[i], p.position[i]);
        std::snprintf(value, sizeof value, "%.6f\n", p.logRatio[i] * toLog2);
        out.logR += name + place + value;
        std::snprintf(value, sizeof value, "%.6f\n", static_cast<double>(clippedBaf(p.baf[i])));
        out.baf += name + place + value;
        ++out.snps;
    }
    return out;
}

ProfilePicture profilePictureOf(const ProfileResult& r, std::vector<CytoBand> cytobands) {
    ProfilePicture picture;
    picture.profile = &r.profile;
    picture.build = r.build;
    picture.totalCopies = r.totalCopies;
    picture.minorCopies = r.minorCopies;
    picture.levelOfTotal = r.levelOfTotal;
    picture.informative = r.informative;
    picture.cytobands = std::move(cytobands);
    picture.sample = r.profile.sample;
    if (r.solution > 0) {
        char text[96];
        std::snprintf(text, sizeof text, "solution %d: tumour cells=%.0f%%, ploidy %.2f", r.solution,
                      100 * r.purity, r.ploidy);
        picture.solution = text;
    }
    const double toProfile = r.profile.logBase == LogBase::Two ? 1.0 / std::log(2.0) : 1.0;
    for (const ProfileCall& c : r.calls) {
        PictureSegment s;
        s.chromosome = c.segment.chromosome;
        s.start = c.segment.start;
        s.end = c.segment.end;
        s.markers = c.segment.markers;
        s.meanLogRatio = c.segment.meanLn * toProfile;
        s.totalCopies = c.segment.copyNumber;
        s.minorCopies = c.segment.minorCopies;
        s.measuredBand = c.mirroredBaf;
        s.loh = c.segment.loh;
        picture.segments.push_back(s);
    }
    return picture;
}

ProfileReport profileReportOf(const ProfileResult& r, std::vector<std::string> record) {
    ProfileReport report;
    report.platform = r.platform;
    report.solutionLine = r.solutionLine;
    report.record = std::move(record);
    if (r.solution > 0) {
        report.tumourFraction = r.purity;
        report.ploidy = r.ploidy;
    }
    return report;
}

bool writeProfileSegmentFiles(const InstallRoot& root, const ProfileResult& r, UserInterface& ui) {
    const SegmentedSample sample = profileSegmentedSample(r);
    const std::string seg = segFileText({sample}), table = segmentTableText(sample),
                      bed = segmentBedText(sample);
    return writeInto(root, "c:\\VARN\\segments", fileNamePart(sample.name),
                     {{".seg", &seg}, {".segments.tsv", &table}, {".bed", &bed}},
                     "Segment file cannot be written", ui);
}

bool writeProfileAscatFiles(const InstallRoot& root, const ProfileResult& r, UserInterface& ui) {
    const AscatFiles files = profileAscatFiles(r);
    return writeInto(root, "c:\\VARN\\alleles", fileNamePart(r.profile.sample),
                     {{".LogR.txt", &files.logR}, {".BAF.txt", &files.baf}}, "Allele file cannot be written",
                     ui);
}

} // namespace varn
