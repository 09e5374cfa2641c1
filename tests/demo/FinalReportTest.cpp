#include "demo/DemoFinalReports.h"
#include "demo/DenseArray.h"
#include "demo/FinalReportSample.h"
#include "demo/ReportTumour.h"
#include "demo/TruthFile.h"
#include "document/ChromosomeTable.h"
#include "document/DocumentLimits.h"
#include "document/profile/GenomeBuild.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace varn::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> fieldsOf(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    for (std::string f; std::getline(in, f, '\t');) fields.push_back(f);
    return fields;
}

std::vector<std::string> linesOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

int chromosomeOf(const std::string& name) {
    if (name == "X") return kChromosomeX;
    if (name == "Y" || name == "XY" || name == "MT" || name == "0") return 0;
    return std::stoi(name);
}

double median(std::vector<double> v) {
    if (v.empty()) return NAN;
    std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2), v.end());
    return v[v.size() / 2];
}

constexpr int kSnps = 20000;
constexpr unsigned kSeed = 5;

// What a GenomeStudio reader needs: the header with its counts, the nine columns by name, one row
// per SNP listed by name as text, each SNP once, on hg19 bases outside the gaps; the tumour and
// its normal list the same SNPs in the same order; the rows off 1..23 are there to be left out.
TEST(FinalReport, HeaderColumnsAndRowsAreGenomeStudios) {
    TempDir dir;
    std::ostringstream err;
    const demo::FinalReportFiles files{dir / "t.txt", dir / "n.txt", dir / "truth.txt", dir / "a.pfb"};
    ASSERT_TRUE(demo::writeDemoFinalReports(files, kSeed, kSnps, "test", err)) << err.str();
    const auto tumour = linesOf(files.tumour);
    const auto normal = linesOf(files.normal);
    const std::vector<std::string> header = {
        "[Header]",
        "GSGT Version\t2.0.4",
        "Processing Date\t3/14/2024 10:32 AM",
        "Content\t\tVARNDemo-20K_A.bpm",
        "Num SNPs\t20000",
        "Total SNPs\t20000",
        "Num Samples\t1",
        "Total Samples\t2",
        "[Data]",
        "SNP Name\tSample ID\tAllele1 - AB\tAllele2 - AB\tGC Score\tChr\t"
        "Position\tLog R Ratio\tB Allele Freq"};
    ASSERT_EQ(tumour.size(), header.size() + kSnps);
    ASSERT_EQ(normal.size(), tumour.size());
    EXPECT_EQ(std::vector<std::string>(tumour.begin(), tumour.begin() + 10), header);
    std::set<std::pair<int, int>> sites;
    std::map<std::string, int> offGenome;
    const std::set<std::string> alleles = {"A\tA", "A\tB", "B\tB", "-\t-"};
    for (std::size_t i = header.size(); i < tumour.size(); ++i) {
        const auto t = fieldsOf(tumour[i]);
        const auto n = fieldsOf(normal[i]);
        ASSERT_EQ(t.size(), 9u) << tumour[i];
        EXPECT_EQ(t[0], n[0]);
        if (i > header.size()) {
            ASSERT_LT(fieldsOf(tumour[i - 1])[0], t[0]);
        }
        EXPECT_EQ(t[1], "Tumor8");
        EXPECT_EQ(n[1], "Tumor8N");
        EXPECT_TRUE(alleles.count(t[2] + "\t" + t[3])) << tumour[i];
        const int c = chromosomeOf(t[5]);
        if (c == 0) {
            ++offGenome[t[5]];
            continue;
        }
        const int base = std::stoi(t[6]);
        const Centromere cen = centromereOf(GenomeBuild::Hg19, c);
        ASSERT_TRUE(base >= 1 && base <= chromosomeLength(GenomeBuild::Hg19, c)) << tumour[i];
        ASSERT_TRUE(base < cen.start || base >= cen.end) << tumour[i];
        const bool acrocentric = c == 13 || c == 14 || c == 15 || c == 21 || c == 22;
        if (acrocentric) {
            ASSERT_GE(base, cen.end) << tumour[i];
        }
        if (c == kChromosomeX) {
            ASSERT_TRUE(base > 2699520 && base < 154931044) << "pseudoautosomal: " << tumour[i];
        }
        ASSERT_TRUE(sites.insert({c, base}).second) << "twice: " << tumour[i];
        EXPECT_FALSE(std::isnan(std::stod(t[7])));
        const double baf = std::stod(t[8]);
        ASSERT_TRUE(baf >= 0.0 && baf <= 1.0) << tumour[i];
    }
    for (const char* name : {"Y", "XY", "MT", "0"}) EXPECT_GT(offGenome[name], 0) << name;
    // Every chromosome carries SNPs, about in proportion to its length.
    std::map<int, int> perChromosome;
    for (const auto& [c, base] : sites) ++perChromosome[c];
    EXPECT_EQ(perChromosome.size(), 23u);
    EXPECT_GT(perChromosome[1], perChromosome[21] * 4);
    const auto pfb = linesOf(files.pfb);
    ASSERT_EQ(pfb.size(), 1u + kSnps);
    EXPECT_EQ(pfb[0], "Name\tChr\tPosition\tPFB");
}

// The normal looks like a good Infinium sample: about a third of its autosomal SNPs called
// heterozygous, their B allele frequency centred at 0.55 with an SD near 0.04, homozygotes within
// hundredths of 0 and 1, and few no-calls.
TEST(FinalReport, NormalClustersSitWhereARealArraysDo) {
    const demo::DenseArray array = demo::makeDenseArray(kSeed, 100000);
    const demo::ReportTumour patient = demo::reportTumour();
    const auto germline = demo::drawDenseGermline(array, patient, kSeed);
    const demo::ReportSample normal = demo::synthesiseReportSample(array, patient, germline, false, kSeed);
    std::map<int, std::vector<double>> bafOfCall;
    std::vector<double> logR;
    for (std::size_t i = 0; i < array.size(); ++i) {
        if (array.chromosome[i] < 1 || array.chromosome[i] > 22) continue;
        bafOfCall[normal.call[i]].push_back(normal.bAlleleFreq[i]);
        logR.push_back(normal.logRRatio[i]);
    }
    const double autosomal = static_cast<double>(logR.size());
    EXPECT_NEAR(bafOfCall[kCallAB].size() / autosomal, 0.32, 0.04);
    EXPECT_LT(bafOfCall[kNoCall].size() / autosomal, 0.01);
    EXPECT_NEAR(median(bafOfCall[kCallAB]), 0.55, 0.005);
    double squares = 0.0;
    for (const double b : bafOfCall[kCallAB]) squares += (b - 0.55) * (b - 0.55);
    EXPECT_NEAR(std::sqrt(squares / static_cast<double>(bafOfCall[kCallAB].size())), 0.04, 0.005);
    EXPECT_LT(median(bafOfCall[kCallAA]), 0.02);
    EXPECT_GT(median(bafOfCall[kCallBB]), 0.98);
    EXPECT_NEAR(median(logR), 0.0, 0.03);
}

// The biopsy mixes half tumour, half normal cells, allele copies on the linear scale, and the array
// reads log2 of the mixture's copies compressed by 0.48, the B fraction b as k b / (k b + 1 - b)
// with k = 0.55 / 0.45. Each row: a planted stretch (hg19), the tumour cells' copies and the copies
// of the allele the normal's heterozygotes carry more of; the log R ratio is read against the
// diploid, heterozygous 1p of the same sample.
TEST(FinalReport, TheBiopsyMixesItsCellsAsPlanted) {
    const demo::DenseArray array = demo::makeDenseArray(kSeed, 300000);
    const demo::ReportTumour patient = demo::reportTumour();
    const auto germline = demo::drawDenseGermline(array, patient, kSeed);
    const demo::ReportSample tumour = demo::synthesiseReportSample(array, patient, germline, true, kSeed);
    const demo::ReportSample normal = demo::synthesiseReportSample(array, patient, germline, false, kSeed);
    struct Row {
        const char* what;
        int chromosome, start, end;
        double tumourCopies, tumourMajor; // of the normal's heterozygotes' alleles
        double normalCopies;
    };
    const std::vector<Row> rows = {
        {"whole chromosome 4 lost", 4, 1, 191154276, 1, 1, 2},
        {"6q copy-neutral LOH", 6, 102000000, 171115067, 2, 2, 2},
        {"15q LOH with a duplicated homologue", 15, 32000000, 80000000, 3, 3, 2},
        {"11q focal amplification", 11, 66000000, 75000000, 6, 4, 2},
        {"9p21 homozygous deletion", 9, 21900001, 22000000, 0, 0, 2},
        {"7q germline loss", 7, 110000001, 110050000, 1, 1, 1},
        {"the man's X", kChromosomeX, 1, 155270560, 1, 1, 1},
    };
    auto within = [&](std::size_t i, int c, int start, int end) {
        return array.chromosome[i] == c && array.position[i] >= start && array.position[i] <= end;
    };
    std::vector<double> tumourBase, normalBase;
    for (std::size_t i = 0; i < array.size(); ++i)
        if (within(i, 1, 1, 120000000)) {
            tumourBase.push_back(tumour.logRRatio[i]);
            normalBase.push_back(normal.logRRatio[i]);
        }
    const double k = 0.55 / 0.45;
    auto read = [&](double b) { return k * b / (k * b + 1.0 - b); };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        std::vector<double> t, n, upper, lower;
        for (std::size_t i = 0; i < array.size(); ++i) {
            if (!within(i, r.chromosome, r.start, r.end)) continue;
            t.push_back(tumour.logRRatio[i]);
            n.push_back(normal.logRRatio[i]);
            if (normal.call[i] != kCallAB) continue;
            (tumour.bAlleleFreq[i] > 0.55 ? upper : lower).push_back(tumour.bAlleleFreq[i]);
        }
        ASSERT_GE(t.size(), 5u);
        const double total = 0.5 * r.tumourCopies + 0.5 * r.normalCopies;
        // The genomic waves shift a stretch's median by a few hundredths; few SNPs in the small
        // changes loosen it further.
        const double tolerance = t.size() > 200 ? 0.05 : 0.15;
        EXPECT_NEAR(median(t) - median(tumourBase), 0.48 * std::log2(total / 2.0), tolerance);
        EXPECT_NEAR(median(n) - median(normalBase), 0.48 * std::log2(r.normalCopies / 2.0), tolerance);
        if (r.normalCopies < 2) {
            EXPECT_LT(upper.size() + lower.size(), t.size() / 50 + 1); // no heterozygote left
            continue;
        }
        if (t.size() < 200) continue;
        const double major = (0.5 * r.tumourMajor + 0.5) / total;
        EXPECT_NEAR(median(upper), read(std::max(major, 1.0 - major)), 0.015);
        EXPECT_NEAR(median(lower), read(std::min(major, 1.0 - major)), 0.015);
    }
}

// The truth of Tumor8 tiles chromosomes 1..23 of hg19 and holds every SNP of its array; Tumor4's
// changes keep their arm when moved from the 2006 assembly, and every demo tumour's segments stay
// in order, inside their chromosome, on their arm.
TEST(FinalReport, TruthCoversTheReportOnHg19AndChangesKeepTheirArm) {
    TempDir dir;
    const demo::ReportTumour patient = demo::reportTumour();
    ASSERT_TRUE(demo::writeTruthFile(dir / "truth.txt", patient.tumour));
    std::vector<demo::TruthSegment> truth;
    ASSERT_TRUE(demo::readTruthFile(dir / "truth.txt", truth));
    demo::TruthHeader header;
    ASSERT_TRUE(demo::readTruthHeader(dir / "truth.txt", header));
    EXPECT_DOUBLE_EQ(header.normalFraction, 0.5);
    EXPECT_TRUE(header.male);
    int next = 1, chromosome = 1;
    for (const demo::TruthSegment& s : truth) {
        if (s.chromosome != chromosome) {
            ASSERT_EQ(next, chromosomeLength(GenomeBuild::Hg19, chromosome) + 1) << chromosome;
            chromosome = s.chromosome;
            next = 1;
        }
        ASSERT_EQ(s.start, next);
        next = s.end + 1;
    }
    EXPECT_EQ(chromosome, kChromosomeX);
    EXPECT_EQ(next, chromosomeLength(GenomeBuild::Hg19, kChromosomeX) + 1);
    const demo::DenseArray array = demo::makeDenseArray(kSeed, kSnps);
    for (std::size_t i = 0; i < array.size(); ++i)
        if (array.chromosome[i] >= 1 && array.chromosome[i] <= kChromosomeX) {
            ASSERT_NE(demo::truthAt(truth, array.chromosome[i], array.position[i]), nullptr);
        }
    EXPECT_EQ(demo::truthAt(truth, 9, 21950000)->copyNumber, 0);
    EXPECT_EQ(demo::truthAt(truth, 7, 110025000)->copyNumber, 1);
    EXPECT_EQ(demo::truthAt(truth, 6, 150000000)->loh, 1);

    auto arm = [](GenomeBuild build, int c, int base) {
        const Centromere cen = centromereOf(build, c);
        return base <= cen.start + (cen.end - cen.start) / 2 ? 'p' : 'q';
    };
    for (const demo::DemoTumour& t : demo::demoTumours()) {
        const demo::DemoTumour lifted = demo::liftToHg19(t);
        ASSERT_EQ(lifted.segments.size(), t.segments.size());
        for (std::size_t s = 0; s < t.segments.size(); ++s) {
            const demo::PlantedSegment& from = t.segments[s];
            const demo::PlantedSegment& to = lifted.segments[s];
            SCOPED_TRACE(t.name + " chromosome " + std::to_string(from.chromosome));
            EXPECT_EQ(arm(GenomeBuild::Hg19, to.chromosome, to.start),
                      arm(GenomeBuild::Hg18, from.chromosome, from.start));
            EXPECT_EQ(arm(GenomeBuild::Hg19, to.chromosome, to.end),
                      arm(GenomeBuild::Hg18, from.chromosome, from.end));
            EXPECT_LE(to.end, chromosomeLength(GenomeBuild::Hg19, to.chromosome));
            if (from.end == chromosomeLength(GenomeBuild::Hg18, from.chromosome)) {
                EXPECT_EQ(to.end, chromosomeLength(GenomeBuild::Hg19, to.chromosome));
            }
            if (s > 0 && t.segments[s - 1].chromosome == from.chromosome) {
                const bool adjacent = from.start == t.segments[s - 1].end + 1;
                EXPECT_EQ(to.start == lifted.segments[s - 1].end + 1, adjacent);
                EXPECT_GT(to.start, lifted.segments[s - 1].end);
            }
        }
    }
}

} // namespace
} // namespace varn::test
