#include "StoredProfileFile.h"

#include "document/FileBytes.h"
#include "document/InstallRoot.h"
#include "document/SampleName.h"
#include "document/profile/TextStream.h"
#include "engine/analysis/ProfileResult.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <zlib.h>

namespace varn {

namespace {

constexpr const char* kFirstLine = "VARN profile analysis 1";

void append(std::string& out, const char* format, double value) {
    char text[40];
    if (std::isnan(value)) {
        out += "NaN";
        return;
    }
    std::snprintf(text, sizeof text, format, value);
    out += text;
}

std::string gzipped(const std::string& text) {
    z_stream z{};
    if (deflateInit2(&z, 6, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY) != Z_OK) return {};
    std::string out(deflateBound(&z, static_cast<uLong>(text.size())), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    z.avail_in = static_cast<uInt>(text.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    const int status = deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return status == Z_STREAM_END ? out : std::string();
}

// The fields of one tab-separated line.
std::vector<std::string_view> fieldsOf(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        out.push_back(
            line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) return out;
        start = tab + 1;
    }
}

bool toInt(std::string_view s, int& v) {
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return ec == std::errc() && p == s.data() + s.size();
}

bool toDouble(std::string_view s, double& v) {
    if (s == "NaN") {
        v = std::nan("");
        return true;
    }
    const std::string copy(s);
    char* end = nullptr;
    v = std::strtod(copy.c_str(), &end);
    return !copy.empty() && end == copy.c_str() + copy.size();
}

// "fit", fitted, decided, solutions, then the solution decoded with: purity and its interval,
// ploidy and its interval, the altered, LOH and doubled shares, the fit, doubled.
bool readFit(const std::vector<std::string_view>& f, ProfileResult& r) {
    if (f.size() != 15) return false;
    int fitted = 0, decided = 0, doubled = 0;
    PurityPloidySolution& s = r.decodedWith;
    double* figures[] = {&s.purity,       &s.purityLow, &s.purityHigh,   &s.ploidy, &s.ploidyLow,
                         &s.ploidyHigh,   &s.alteredShare, &s.lohShare, &s.doubledShare, &s.fit};
    for (std::size_t k = 0; k < std::size(figures); ++k)
        if (!toDouble(f[4 + k], *figures[k])) return false;
    if (!toInt(f[1], fitted) || !toInt(f[2], decided) || !toInt(f[3], r.solutions) || !toInt(f[14], doubled))
        return false;
    r.fitted = fitted != 0;
    r.decided = decided != 0;
    s.doubled = doubled != 0;
    return true;
}

} // namespace

std::filesystem::path storedProfileFile(const InstallRoot& root, const std::string& sample) {
    return root.map("c:\\VARN\\temporary files") / (fileNamePart(sample) + ".profile.gz");
}

std::string storedProfileText(const ProfileResult& r) {
    const Profile& p = r.profile;
    std::string out = std::string(kFirstLine) + "\n";
    out += "sample\t" + p.sample + "\nsource\t" + p.source + "\nplatform\t" + r.platform + "\n";
    out += "array\t" + (p.arrays.empty() ? std::string() : p.arrays.front().name) + "\t" +
           std::to_string(p.arrays.empty() ? 0 : static_cast<int>(p.arrays.front().platform)) + "\n";
    out += std::string("build\t") + genomeBuildName(r.build) + "\nlog_base\t" +
           (p.logBase == LogBase::Two ? "2" : "e") + "\n";
    out += "purity\t";
    append(out, "%.17g", r.purity);
    out += "\nploidy\t";
    append(out, "%.17g", r.ploidy);
    out += "\nsolution\t" + std::to_string(r.solution) + "\nsolution_line\t" + r.solutionLine + "\nfit\t" +
           (r.fitted ? "1" : "0") + "\t" + (r.decided ? "1" : "0") + "\t" + std::to_string(r.solutions);
    const PurityPloidySolution& s = r.decodedWith;
    for (double v : {s.purity, s.purityLow, s.purityHigh, s.ploidy, s.ploidyLow, s.ploidyHigh, s.alteredShare,
                     s.lohShare, s.doubledShare, s.fit}) {
        out += '\t';
        append(out, "%.17g", v);
    }
    out += std::string("\t") + (s.doubled ? "1" : "0") + "\nfit_why\t" + r.fitWhy + "\nlevels";
    for (float l : r.levelOfTotal) {
        out += '\t';
        append(out, "%.9g", l);
    }
    out += "\nsnps\t" + std::to_string(p.size()) + "\n";
    for (std::size_t i = 0; i < p.size(); ++i) {
        out +=
            std::string(p.name[i]) + "\t" + std::to_string(p.chromosome[i]) + "\t" + std::to_string(p.position[i]) + "\t";
        append(out, "%.9g", p.logRatio[i]);
        out += '\t';
        append(out, "%.9g", p.hasBaf() ? p.baf[i] : std::nan(""));
        out += "\t" + std::to_string(r.totalCopies[i]) + "\t" + std::to_string(r.minorCopies[i]) + "\t" +
               (!r.informative.empty() && r.informative[i] ? "1" : "0") + "\n";
    }
    out += "segments\t" + std::to_string(r.calls.size()) + "\n";
    for (const ProfileCall& c : r.calls) {
        const CopyNumberSegment& s = c.segment;
        out += std::to_string(s.chromosome) + "\t" + std::to_string(s.start) + "\t" + std::to_string(s.end) +
               "\t" + std::to_string(s.markers) + "\t";
        append(out, "%.17g", s.meanLn);
        out += "\t" + std::to_string(s.copyNumber) + "\t" + std::to_string(s.minorCopies) + "\t" +
               (s.loh ? "1" : "0") + "\t" + std::to_string(c.informative) + "\t";
        append(out, "%.17g", c.mirroredBaf);
        out += "\n";
    }
    return out;
}

bool writeStoredProfile(const std::filesystem::path& path, const ProfileResult& result) {
    const std::string bytes = gzipped(storedProfileText(result));
    return !bytes.empty() && replaceFileContents(path, bytes);
}

bool readStoredProfile(const std::filesystem::path& path, ProfileResult& r, std::string& error) {
    TextStream text(path);
    const std::string file = path.string();
    if (!text.isOpen()) {
        error = file + ": cannot be opened";
        return false;
    }
    auto refuse = [&](const std::string& why) {
        error = file + ", line " + std::to_string(text.lineNumber()) + ": " + why;
        return false;
    };
    std::string_view line;
    if (!text.next(line) || line != kFirstLine) return refuse("this is not a profile analysis VARN stored");
    r = ProfileResult{};
    Profile& p = r.profile;
    p.arrays = {{}};
    std::size_t snps = 0;
    while (text.next(line)) {
        const std::vector<std::string_view> f = fieldsOf(line);
        const std::string key(f[0]), value = f.size() > 1 ? std::string(f[1]) : std::string();
        int n = 0;
        if (key == "sample")
            p.sample = value;
        else if (key == "source")
            p.source = value;
        else if (key == "platform")
            r.platform = value;
        else if (key == "array" && f.size() == 3 && toInt(f[2], n))
            p.arrays = {{value, static_cast<Platform>(n)}};
        else if (key == "build")
            r.build = parseGenomeBuild(value).value_or(GenomeBuild::Hg19);
        else if (key == "log_base")
            p.logBase = value == "e" ? LogBase::Natural : LogBase::Two;
        else if (key == "purity" && toDouble(value, r.purity))
            continue;
        else if (key == "ploidy" && toDouble(value, r.ploidy))
            continue;
        else if (key == "solution" && toInt(value, r.solution))
            continue;
        else if (key == "solution_line")
            r.solutionLine = value;
        else if (key == "fit") {
            if (!readFit(f, r)) return refuse("this is not the fit's line of a stored profile analysis");
        } else if (key == "fit_why")
            r.fitWhy = value;
        else if (key == "levels") {
            for (std::size_t k = 1; k < f.size(); ++k) {
                double v = 0.0;
                if (!toDouble(f[k], v)) return refuse("a level is no number");
                r.levelOfTotal.push_back(static_cast<float>(v));
            }
        } else if (key == "snps" && toInt(value, n) && n >= 0) {
            snps = static_cast<std::size_t>(n);
            break;
        } else {
            return refuse("\"" + key + "\" is no field of a stored profile analysis");
        }
    }
    bool baf = false;
    for (std::size_t i = 0; i < snps; ++i) {
        if (!text.next(line)) return refuse("the file ends before its " + std::to_string(snps) + " SNPs");
        const std::vector<std::string_view> f = fieldsOf(line);
        int chromosome = 0, position = 0, total = 0, minor = 0, informative = 0;
        double logRatio = 0.0, b = 0.0;
        if (f.size() != 8 || !toInt(f[1], chromosome) || !toInt(f[2], position) ||
            !toDouble(f[3], logRatio) || !toDouble(f[4], b) || !toInt(f[5], total) || !toInt(f[6], minor) ||
            !toInt(f[7], informative) || chromosome < 1 || chromosome > 23)
            return refuse("this is not a SNP line of a stored profile analysis");
        p.name.push_back(f[0]);
        p.chromosome.push_back(static_cast<std::uint8_t>(chromosome));
        p.position.push_back(position);
        p.logRatio.push_back(static_cast<float>(logRatio));
        p.array.push_back(0);
        p.baf.push_back(static_cast<float>(b));
        baf = baf || std::isfinite(b);
        r.totalCopies.push_back(static_cast<std::int8_t>(total));
        r.minorCopies.push_back(static_cast<std::int8_t>(minor));
        r.informative.push_back(static_cast<std::uint8_t>(informative != 0));
    }
    if (!baf) p.baf.clear();
    int segments = 0;
    if (!text.next(line) || !line.starts_with("segments\t") || !toInt(line.substr(9), segments) ||
        segments < 0)
        return refuse("the segments' count is missing");
    for (int k = 0; k < segments; ++k) {
        if (!text.next(line))
            return refuse("the file ends before its " + std::to_string(segments) + " segments");
        const std::vector<std::string_view> f = fieldsOf(line);
        ProfileCall c;
        CopyNumberSegment& s = c.segment;
        int loh = 0;
        if (f.size() != 10 || !toInt(f[0], s.chromosome) || !toInt(f[1], s.start) || !toInt(f[2], s.end) ||
            !toInt(f[3], s.markers) || !toDouble(f[4], s.meanLn) || !toInt(f[5], s.copyNumber) ||
            !toInt(f[6], s.minorCopies) || !toInt(f[7], loh) || !toInt(f[8], c.informative) ||
            !toDouble(f[9], c.mirroredBaf))
            return refuse("this is not a segment line of a stored profile analysis");
        s.loh = loh != 0;
        r.calls.push_back(c);
    }
    if (!text.error().empty()) return refuse(text.error());
    return true;
}

} // namespace varn
