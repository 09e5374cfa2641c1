#include "document/profile/GenomeBuild.h"

namespace varn {

namespace {

constexpr int kChromosomes = 23; // 1..22, 23 = X

// Lengths of chromosomes 1..22 and X in bases, UCSC's chromInfo as Debian's bedtools ships it
// (/usr/share/bedtools/genomes/human.hg18.genome, human.hg19.genome, human.hg38.genome).
constexpr int kLength[3][kChromosomes] = {
    {247249719, 242951149, 199501827, 191273063, 180857866, 170899992, 158821424, 146274826,
     140273252, 135374737, 134452384, 132349534, 114142980, 106368585, 100338915, 88827254,
     78774742,  76117153,  63811651,  62435964,  46944323,  49691432,  154913754},
    {249250621, 243199373, 198022430, 191154276, 180915260, 171115067, 159138663, 146364022,
     141213431, 135534747, 135006516, 133851895, 115169878, 107349540, 102531392, 90354753,
     81195210,  78077248,  59128983,  63025520,  48129895,  51304566,  155270560},
    {248956422, 242193529, 198295559, 190214555, 181538259, 170805979, 159345973, 145138636,
     138394717, 133797422, 135086622, 133275309, 114364328, 107043718, 101991189, 90338345,
     83257441,  80373285,  58617616,  64444167,  46709983,  50818468,  156040895},
};

// Centromeres of chromosomes 1..22 and X, from Debian's r-bioc-purecn, data/centromeres.rda
// (/usr/lib/R/site-library/PureCN/data/centromeres.rda): for hg18 and hg19 the span of the
// "centromere" rows of UCSC's gap table, for hg38 the span of UCSC's Centromeres track (the
// modelled alpha-satellite arrays), each chromosome from its first start to its last end. Debian
// ships UCSC's cytoBand "acen" bands only for hg19 (r-bioc-biovizbase); one source for all three
// builds keeps them alike, and a cytoBand file the user gives takes precedence in pictures. The
// gap-table spans of hg18 are the placeholders of that assembly, 3 Mb where the sequence was
// unknown (and only 100 kb on chromosome 17).
constexpr Centromere kCentromere[3][kChromosomes] = {
    {{121236957, 123476957}, {91689898, 94689898}, {90587544, 93487544}, {49354874, 52354874},
     {46441398, 49441398},   {58938125, 61938125}, {58058273, 61058273}, {43958052, 46958052},
     {47107499, 50107499},   {39244941, 41624941}, {51450781, 54450781}, {34747961, 36142961},
     {16000000, 17868000},   {15070000, 18070000}, {15260000, 18260000}, {35143302, 36943302},
     {22187133, 22287133},   {15400898, 16764896}, {26923622, 29923622}, {26267569, 28033230},
     {10260000, 13260000},   {11330000, 14330000}, {58598737, 61598737}},
    {{121535434, 124535434}, {92326171, 95326171}, {90504854, 93504854}, {49660117, 52660117},
     {46405641, 49405641},   {58830166, 61830166}, {58054331, 61054331}, {43838887, 46838887},
     {47367679, 50367679},   {39254935, 42254935}, {51644205, 54644205}, {34856694, 37856694},
     {16000000, 19000000},   {16000000, 19000000}, {17000000, 20000000}, {35335801, 38335801},
     {22263006, 25263006},   {15460898, 18460898}, {24681782, 27681782}, {26369569, 29369569},
     {11288129, 14288129},   {13000000, 16000000}, {58632012, 61632012}},
    {{122026459, 124932724}, {92188145, 94090557}, {90772458, 93655574}, {49712061, 51743951},
     {46485900, 50059807},   {58553888, 59829934}, {58169653, 61528020}, {44033744, 45877265},
     {43389635, 45518558},   {39686682, 41593521}, {51078348, 54425074}, {34769407, 37185252},
     {16000000, 18051248},   {16000000, 18173523}, {17083673, 19725254}, {36311158, 38265669},
     {22813679, 26616164},   {15460899, 20861206}, {24498980, 27190874}, {26436232, 30038348},
     {10864560, 12915808},   {12954788, 15054318}, {58605579, 62412542}},
};

int buildIndex(GenomeBuild build) {
    return static_cast<int>(build);
}

} // namespace

std::optional<GenomeBuild> parseGenomeBuild(std::string_view text) {
    if (text == "hg18") return GenomeBuild::Hg18;
    if (text == "hg19") return GenomeBuild::Hg19;
    if (text == "hg38") return GenomeBuild::Hg38;
    return std::nullopt;
}

const char* genomeBuildName(GenomeBuild build) {
    switch (build) {
    case GenomeBuild::Hg18:
        return "hg18";
    case GenomeBuild::Hg19:
        return "hg19";
    case GenomeBuild::Hg38:
        return "hg38";
    }
    return "hg19";
}

int chromosomeLength(GenomeBuild build, int chromosome) {
    if (chromosome < 1 || chromosome > kChromosomes) return 0;
    return kLength[buildIndex(build)][chromosome - 1];
}

Centromere centromereOf(GenomeBuild build, int chromosome) {
    if (chromosome < 1 || chromosome > kChromosomes) return {};
    return kCentromere[buildIndex(build)][chromosome - 1];
}

} // namespace varn
