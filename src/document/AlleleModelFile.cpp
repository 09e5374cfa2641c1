#include "AlleleModelFile.h"

#include "CVARNDoc.h"
#include "SampleFileCheck.h"
#include "TextLines.h"

#include <charconv>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

namespace varn {

namespace {

constexpr std::string_view kMagic = "VARN allele model";
constexpr int kVersion = 1;
// The longest line the format writes is a SNP line of about 110 characters; anything near this
// is not the format.
constexpr std::size_t kLineBuffer = 512;
constexpr std::string_view kColumns =
    "centreAA\tcentreAB\tcentreBB\tcountAA\tcountAB\tcountBB\tmeanAA\tmeanAB\tmeanBB\tsdAA\tsdAB\tsdBB";
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
// The records of each array: Hind 0..57243, Xba 57244..116203.
constexpr int kHindRecords = 57244;
constexpr int kXbaRecords = kSlots - kHindRecords;

struct RelationField {
    const char* name;
    float AlleleRelation::*member;
};
constexpr RelationField kRelationFields[] = {
    {"spacingAA", &AlleleRelation::spacingAA},       {"spacingBB", &AlleleRelation::spacingBB},
    {"spacingSd", &AlleleRelation::spacingSd},       {"spreadAA", &AlleleRelation::spreadAA},
    {"spreadAB", &AlleleRelation::spreadAB},         {"spreadBB", &AlleleRelation::spreadBB},
    {"centreABMean", &AlleleRelation::centreABMean}, {"centreABSd", &AlleleRelation::centreABSd},
};

// "%.4f" of the float (to_chars rounds the exact binary value as printf does), or "-" for NaN.
void appendNumber(std::string& out, float v) {
    if (std::isnan(v)) {
        out += '-';
        return;
    }
    char text[64];
    const auto end =
        std::to_chars(text, text + sizeof text, static_cast<double>(v), std::chars_format::fixed, 4).ptr;
    out.append(text, end);
}

void appendCount(std::string& out, unsigned short n) {
    char text[8];
    out.append(text, std::to_chars(text, text + sizeof text, n).ptr);
}

int arrayOfName(std::string_view name) {
    if (name == arrayName(kXba)) return kXba;
    if (name == arrayName(kHind)) return kHind;
    return 0;
}

// The lines of the file, each without its line end; a line longer than the buffer is reported.
class ModelLines {
  public:
    ModelLines(std::string_view text) : lines_(text, kLineBuffer) {}

    bool next(std::string_view& line) {
        std::string_view piece;
        if (!lines_.next(piece)) return false;
        ++number_;
        overLong_ = piece.size() == kLineBuffer - 1 && piece.back() != '\n';
        if (!piece.empty() && piece.back() == '\n') piece.remove_suffix(1);
        if (!piece.empty() && piece.back() == '\r') piece.remove_suffix(1);
        line = piece;
        return true;
    }
    int number() const { return number_; }
    bool overLong() const { return overLong_; }

  private:
    FgetsLines lines_;
    int number_ = 0;
    bool overLong_ = false;
};

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        out.push_back(
            line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) return out;
        start = tab + 1;
    }
}

bool parseFloat(std::string_view text, float& v) {
    if (text == "-") {
        v = kNaN;
        return true;
    }
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    return ec == std::errc() && end == text.data() + text.size() && std::isfinite(v);
}

template <typename Int> bool parseInt(std::string_view text, Int& v) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    return ec == std::errc() && end == text.data() + text.size();
}

// One SNP line into index i of the model; false when it does not scan or breaks the rules: counts
// within the references, a mean and an SD exactly for a cluster with members, ordered centres.
bool parseSnpLine(std::string_view line, AlleleModel& m, std::size_t i) {
    const auto f = fields(line);
    if (f.size() != 12) return false;
    float centre[3], mean[3], sd[3];
    unsigned short count[3];
    for (int g = 0; g < 3; ++g) {
        if (!parseFloat(f[static_cast<std::size_t>(g)], centre[g]) ||
            !parseInt(f[static_cast<std::size_t>(3 + g)], count[g]) ||
            !parseFloat(f[static_cast<std::size_t>(6 + g)], mean[g]) ||
            !parseFloat(f[static_cast<std::size_t>(9 + g)], sd[g]))
            return false;
    }
    int members = 0;
    for (int g = 0; g < 3; ++g) {
        members += count[g];
        if (std::isnan(mean[g]) != (count[g] == 0) || std::isnan(sd[g]) != (count[g] == 0)) return false;
        if (count[g] > 0 && sd[g] < 0.0f) return false;
    }
    if (members > m.references) return false;
    const bool none = members == 0;
    for (int g = 0; g < 3; ++g)
        if (std::isnan(centre[g]) != none) return false;
    if (!none && !(centre[0] < centre[1] && centre[1] < centre[2])) return false;
    m.centreAA[i] = centre[0];
    m.centreAB[i] = centre[1];
    m.centreBB[i] = centre[2];
    m.countAA[i] = count[0];
    m.countAB[i] = count[1];
    m.countBB[i] = count[2];
    m.meanAA[i] = mean[0];
    m.meanAB[i] = mean[1];
    m.meanBB[i] = mean[2];
    m.sdAA[i] = count[0] > 0 ? sd[0] : 0.0f;
    m.sdAB[i] = count[1] > 0 ? sd[1] : 0.0f;
    m.sdBB[i] = count[2] > 0 ? sd[2] : 0.0f;
    return true;
}

} // namespace

std::filesystem::path alleleModelPathOf(const std::filesystem::path& poolPath) {
    return std::filesystem::path(poolPath).replace_extension(".alleles");
}

std::string formatAlleleModelFile(const AlleleModel& m, const std::string& poolFileName) {
    std::string out;
    out.reserve(static_cast<std::size_t>(m.size()) * 100 + 1024);
    char line[256];
    out += kMagic;
    out += '\n';
    std::snprintf(line, sizeof line,
                  "version\t%d\narray\t%s\npool\t%s\nreferences\t%d\nkey\t%016" PRIx64 "\n", kVersion,
                  arrayName(m.arrayType), poolFileName.c_str(), m.references, m.poolKey);
    out += line;
    out += "learned\t" + m.learned + "\n";
    for (const RelationField& r : kRelationFields) {
        std::snprintf(line, sizeof line, "%s\t%.6f\n", r.name, static_cast<double>(m.relation.*r.member));
        out += line;
    }
    out += "records\t" + std::to_string(m.size()) + "\n";
    out += kColumns;
    out += '\n';
    for (std::size_t i = 0; i < static_cast<std::size_t>(m.size()); ++i) {
        const bool empty[3] = {m.countAA[i] == 0, m.countAB[i] == 0, m.countBB[i] == 0};
        appendNumber(out, m.centreAA[i]);
        out += '\t';
        appendNumber(out, m.centreAB[i]);
        out += '\t';
        appendNumber(out, m.centreBB[i]);
        for (const unsigned short n : {m.countAA[i], m.countAB[i], m.countBB[i]}) {
            out += '\t';
            appendCount(out, n);
        }
        out += '\t';
        const float mean[3] = {m.meanAA[i], m.meanAB[i], m.meanBB[i]};
        const float sd[3] = {m.sdAA[i], m.sdAB[i], m.sdBB[i]};
        for (int g = 0; g < 3; ++g) {
            appendNumber(out, empty[g] ? kNaN : mean[g]);
            out += '\t';
        }
        for (int g = 0; g < 3; ++g) {
            appendNumber(out, empty[g] ? kNaN : sd[g]);
            out += g < 2 ? '\t' : '\n';
        }
    }
    return out;
}

bool parseAlleleModelFile(std::string_view text, const std::string& fileName, AlleleModel& model,
                          std::string& reason) {
    if (text.empty()) {
        reason = fileName + " is empty";
        return false;
    }
    ModelLines lines(text);
    std::string_view line;
    if (!lines.next(line) || line != kMagic || text.find('\0') != std::string_view::npos) {
        reason = fileName + " is not an allele model file";
        return false;
    }
    auto broken = [&](const std::string& what) {
        reason = fileName + ": " +
                 (lines.overLong() ? "line " + std::to_string(lines.number()) + " is too long" : what);
        return false;
    };
    // The header: one "name<TAB>value" line each, in this order.
    auto header = [&](std::string_view name, std::string_view& value) {
        if (!lines.next(line) || lines.overLong()) return false;
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos || line.substr(0, tab) != name) return false;
        value = line.substr(tab + 1);
        return true;
    };
    AlleleModel m;
    std::string_view value;
    int version = 0;
    if (!header("version", value) || !parseInt(value, version)) return broken("the version line is missing");
    if (version != kVersion) {
        reason = fileName + " is an allele model file of version " + std::string(value) +
                 "; this program reads version " + std::to_string(kVersion);
        return false;
    }
    if (!header("array", value) || (m.arrayType = arrayOfName(value)) == 0)
        return broken("the array line names no array (Xba 50K or Hind 50K)");
    if (!header("pool", value)) return broken("the pool line is missing");
    if (!header("references", value) || !parseInt(value, m.references) || m.references < 1 ||
        m.references >= kPoolRows)
        return broken("the references line does not give 1..199 references");
    if (!header("key", value) || value.size() != 16 ||
        std::from_chars(value.data(), value.data() + 16, m.poolKey, 16).ptr != value.data() + 16)
        return broken("the key line does not hold 16 hexadecimal digits");
    if (!header("learned", value)) return broken("the learned line is missing");
    m.learned = std::string(value);
    for (const RelationField& r : kRelationFields) {
        float v = 0.0f;
        if (!header(r.name, value) || !parseFloat(value, v) || std::isnan(v))
            return broken(std::string("the ") + r.name + " line is missing or not a number");
        m.relation.*r.member = v;
    }
    const int first = m.arrayType == kXba ? kHindRecords : 0;
    const int count = m.arrayType == kXba ? kXbaRecords : kHindRecords;
    int records = 0;
    if (!header("records", value) || !parseInt(value, records)) return broken("the records line is missing");
    if (!lines.next(line) || line != kColumns) return broken("the column header line is missing");
    m.first = first;
    const auto n = static_cast<std::size_t>(count);
    for (auto* v :
         {&m.centreAA, &m.centreAB, &m.centreBB, &m.meanAA, &m.meanAB, &m.meanBB, &m.sdAA, &m.sdAB, &m.sdBB})
        v->assign(n, 0.0f);
    for (auto* v : {&m.countAA, &m.countAB, &m.countBB}) v->assign(n, 0);
    int snpLines = 0;
    while (lines.next(line)) {
        if (lines.overLong()) return broken("");
        if (snpLines < count && !parseSnpLine(line, m, static_cast<std::size_t>(snpLines)))
            return broken("line " + std::to_string(lines.number()) + " does not hold a SNP's three clusters");
        ++snpLines;
    }
    if (snpLines != count || records != count) {
        reason = fileName + " holds " + std::to_string(snpLines) + " SNP lines; " +
                 (m.arrayType == kXba ? "an " : "a ") + arrayName(m.arrayType) + " allele model holds " +
                 std::to_string(count);
        return false;
    }
    model = std::move(m);
    return true;
}

std::string alleleModelMismatch(const AlleleModel& m, const CVARNDoc& doc, int t, const std::string& fileName,
                                const std::string& poolName) {
    if (m.arrayType != t)
        return fileName + " is the allele model of " + (m.arrayType == kXba ? "an " : "a ") +
               arrayName(m.arrayType) + " pool; " + poolName + " is " + (t == kXba ? "an " : "a ") +
               arrayName(t) + " pool";
    const int references = doc.refCount[t] - 1;
    if (m.references != references)
        return fileName + " was learned from " + std::to_string(m.references) + " references; " + poolName +
               " has " + std::to_string(references);
    if (m.poolKey != poolKeyOf(doc, t))
        return fileName + " was learned from other references than those of " + poolName;
    return {};
}

} // namespace varn
