#include "document/profile/ProfileFormatDetection.h"

#include "document/SampleFileCheck.h"
#include "document/profile/ProfileFields.h"
#include "document/profile/TextStream.h"

#include <algorithm>
#include <vector>

namespace varn {

namespace {

constexpr std::size_t kHeadBytes = 64u << 10;

std::string_view firstLine(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3); // a byte-order mark of some Windows writers
    text = text.substr(0, text.find('\n'));
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    return text;
}

bool isBinary(std::string_view head) {
    const std::size_t controls = static_cast<std::size_t>(std::count_if(head.begin(), head.end(), [](char c) {
        const unsigned char u = static_cast<unsigned char>(c);
        return u < 8 || (u > 13 && u < 32 && u != 27);
    }));
    return controls > 0 && controls * 100 >= head.size();
}

bool hasColumns(const std::vector<std::string_view>& header, std::initializer_list<std::string_view> names) {
    return std::all_of(names.begin(), names.end(),
                       [&](std::string_view n) { return findColumn(header, n) >= 0; });
}

bool hasLogRatioSuffix(const std::vector<std::string_view>& header) {
    return std::any_of(header.begin(), header.end(),
                       [](std::string_view f) { return trimmed(f).ends_with("Log R Ratio"); });
}

// What a header that none of the readers takes looks like.
std::string otherKind(std::string_view head, std::string_view line,
                      const std::vector<std::string_view>& header) {
    if (line.starts_with("##fileformat=VCF")) return "a VCF";
    if (line.starts_with("@HD") || line.starts_with("@SQ")) return "a SAM file";
    if (hasColumns(header, {"Name", "Chr", "Position", "PFB"})) return "a PennCNV PFB file";
    if ((hasColumns(header, {"loc.start", "loc.end"}) ||
         hasColumns(header, {"Start", "End", "Segment_Mean"})))
        return "a SEG file";
    if (line.starts_with("track") || line.starts_with("browser")) return "a BED file";
    if (hasColumns(header, {"chromosome", "position"}) || hasColumns(header, {"Chr", "Position"}))
        return "a table without a log ratio column";
    const SampleFileSurvey survey = surveySampleText(head, kSampleLineBuffer);
    if (survey.sampledLines > 0 && 2 * survey.signalLines > survey.sampledLines) return "a 50K signal file";
    if (survey.sampledLines > 0 && 2 * survey.callLines > survey.sampledLines) return "a 50K SNP-call file";
    return "a text file of no kind VARN reads (its first line begins \"" + std::string(line.substr(0, 40)) +
           "\")";
}

} // namespace

DetectedFormat detectProfileText(std::string_view head, bool gzipped) {
    DetectedFormat d;
    d.gzipped = gzipped;
    auto kind = [&](std::string what) {
        d.looksLike = gzipped && what.starts_with("a ") ? "a gzipped " + what.substr(2) : what;
    };
    if (head.empty()) {
        kind("an empty file");
        return d;
    }
    if (head.starts_with("BAM\1")) {
        d.looksLike = "a BAM file"; // always gzipped (BGZF), so no need to say so
        return d;
    }
    if (isBinary(head)) {
        kind("a binary file");
        return d;
    }
    const std::string_view line = firstLine(head);
    std::vector<std::string_view> header;
    splitFields(line, separatorOf(line), header);
    if (trimmed(header[0]) == "[Header]" || trimmed(header[0]) == "[Data]") {
        d.format = ProfileFormat::FinalReport;
        kind("an Illumina final report");
    } else if (hasColumns(header, {"Name", "Chr", "Position"}) && hasLogRatioSuffix(header)) {
        d.format = ProfileFormat::PennCnv;
        kind("a PennCNV signal file");
    } else if (header.size() >= 3 && trimmed(header[0]).empty() &&
               (hasColumns(header, {"Chr", "Position"}) || hasColumns(header, {"chrs", "pos"}))) {
        d.format = ProfileFormat::Ascat;
        kind("an ASCAT LogR/BAF file");
    } else if (hasColumns(header, {"chromosome", "position", "logr"})) {
        d.format = ProfileFormat::Table;
        kind("a profile table");
    } else {
        kind(otherKind(head, line, header));
    }
    return d;
}

DetectedFormat detectProfileFormat(const std::filesystem::path& path) {
    std::string head;
    bool gzipped = false;
    if (!readTextHead(path, kHeadBytes, head, gzipped)) {
        DetectedFormat d;
        d.opened = false;
        d.looksLike = "a file that cannot be opened";
        return d;
    }
    return detectProfileText(head, gzipped);
}

} // namespace varn
