#include "document/profile/GenomeBuild.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>

namespace varn::test {
namespace {

constexpr GenomeBuild kBuilds[] = {GenomeBuild::Hg18, GenomeBuild::Hg19, GenomeBuild::Hg38};

TEST(GenomeBuild, NamesReadBackAndOthersAreRefused) {
    for (GenomeBuild build : kBuilds) EXPECT_EQ(parseGenomeBuild(genomeBuildName(build)), build);
    for (const char* text : {"", "HG19", "hg37", "GRCh37", "hg19 "})
        EXPECT_FALSE(parseGenomeBuild(text)) << text;
}

TEST(GenomeBuild, LengthsAreUcscChromInfoAsBedtoolsShipsIt) {
    // The table was copied by hand: every entry against the file it came from.
    for (GenomeBuild build : kBuilds) {
        const std::string file =
            std::string("/usr/share/bedtools/genomes/human.") + genomeBuildName(build) + ".genome";
        std::ifstream in(file);
        if (!in) GTEST_SKIP() << file << " not installed";
        std::map<std::string, int> lengths;
        std::string chrom;
        long long length = 0;
        while (in >> chrom >> length) lengths[chrom] = static_cast<int>(length);
        for (int c = 1; c <= 23; ++c) {
            const std::string name = c == 23 ? "chrX" : "chr" + std::to_string(c);
            EXPECT_EQ(chromosomeLength(build, c), lengths.at(name)) << genomeBuildName(build) << " " << name;
        }
    }
}

TEST(GenomeBuild, CentromeresLieInsideTheirChromosomesAndOthersAreEmpty) {
    for (GenomeBuild build : kBuilds) {
        for (int c = 1; c <= 23; ++c) {
            const Centromere centromere = centromereOf(build, c);
            EXPECT_LT(0, centromere.start) << c;
            EXPECT_LT(centromere.start, centromere.end) << c;
            // Every human centromere lies in the first half of its chromosome or near its middle;
            // a row shifted by one or a start and end swapped would not.
            EXPECT_LT(centromere.end, chromosomeLength(build, c) / 2 + 10'000'000) << c;
        }
        for (int c : {0, 24, -1}) {
            EXPECT_EQ(chromosomeLength(build, c), 0);
            EXPECT_EQ(centromereOf(build, c).end, 0);
        }
    }
    EXPECT_EQ(centromereOf(GenomeBuild::Hg19, 1).start, 121535434);
    EXPECT_EQ(centromereOf(GenomeBuild::Hg38, 23).end, 62412542);
}

} // namespace
} // namespace varn::test
