// The cohort summary over the samples' segment tables: which tables, their reading, the table.
#include "CohortSummary.h"

#include "document/FileBytes.h"
#include "document/UserInterface.h"

#include <algorithm>
#include <set>
#include <system_error>

namespace varn {

namespace {

constexpr std::string_view kTableSuffix = ".segments.tsv";

std::string sampleOfTable(const std::string& fileName) {
    return fileName.substr(0, fileName.size() - kTableSuffix.size());
}

} // namespace

std::vector<std::filesystem::path> defaultCohortTables(const std::filesystem::path& segmentsFolder) {
    std::vector<std::filesystem::path> tables;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(segmentsFolder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > kTableSuffix.size() && name.ends_with(kTableSuffix) && entry.is_regular_file(ec))
            tables.push_back(entry.path());
    }
    std::set<std::string> inMerged;
    for (const auto& table : tables) {
        const std::string sample = sampleOfTable(table.filename().string());
        // A merged name is the Xba sample's name, "and", the Hind sample's name; a sample whose own
        // name holds "and" is only covered when both halves have their tables here.
        for (std::size_t at = sample.find("and"); at != std::string::npos; at = sample.find("and", at + 1)) {
            const std::string xba = sample.substr(0, at), hind = sample.substr(at + 3);
            auto present = [&](const std::string& s) {
                return std::find_if(tables.begin(), tables.end(), [&](const auto& p) {
                           return p.filename().string() == s + std::string(kTableSuffix);
                       }) != tables.end();
            };
            if (!xba.empty() && !hind.empty() && present(xba) && present(hind)) {
                inMerged.insert(xba);
                inMerged.insert(hind);
            }
        }
    }
    std::erase_if(tables,
                  [&](const auto& p) { return inMerged.count(sampleOfTable(p.filename().string())) != 0; });
    std::sort(tables.begin(), tables.end());
    return tables;
}

bool makeCohortSummary(UserInterface& ui, const std::vector<std::filesystem::path>& tables,
                       CohortSummary& summary) {
    summary = {};
    std::vector<SegmentTable> samples(tables.size());
    for (std::size_t k = 0; k < tables.size(); ++k) {
        std::string error;
        if (!readSegmentTable(tables[k], samples[k], error)) {
            ui.messageBox("Segment table " + error);
            return false;
        }
        // A table without a segment still names its sample, by its file.
        if (samples[k].sample.empty()) {
            const std::string name = tables[k].filename().string();
            samples[k].sample =
                name.ends_with(kTableSuffix) ? sampleOfTable(name) : tables[k].stem().string();
        }
        const auto& names = summary.samples;
        if (std::find(names.begin(), names.end(), samples[k].sample) != names.end()) {
            ui.messageBox("Segment table " + tables[k].string() + ": the sample " + samples[k].sample +
                          " is already in the cohort");
            return false;
        }
        summary.samples.push_back(samples[k].sample);
    }
    summary.rows = cohortFrequency(samples);
    return true;
}

bool writeCohortFrequencyTable(UserInterface& ui, const std::filesystem::path& path,
                               const CohortSummary& summary) {
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    if (!replaceFileContents(path, cohortFrequencyText(summary.rows))) {
        ui.messageBox("Cohort frequency file cannot be written\n" + path.string());
        return false;
    }
    ui.fileWritten("Wrote", path);
    return true;
}

} // namespace varn
