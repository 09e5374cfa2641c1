#pragma once

#include <filesystem>
#include <string>

namespace varn::demo {

struct DenseArray;
struct ReportSample;
class TextFileOut;

// A GenomeStudio final report of one sample, tab-separated:
//   [Header]
//   GSGT Version<TAB>2.0.4
//   Processing Date<TAB>3/14/2024 10:32 AM
//   Content<TAB><TAB>VARNDemo-700K_A.bpm
//   Num SNPs<TAB>N, Total SNPs<TAB>N, Num Samples<TAB>1, Total Samples<TAB>2
//   [Data]
//   SNP Name, Sample ID, Allele1 - AB, Allele2 - AB, GC Score, Chr, Position, Log R Ratio,
//   B Allele Freq
// then one row per SNP in the array's order (by SNP name): alleles "A"/"B" ("-" "-" for no
// call), the values with four decimals ("NaN" where none), chromosomes "1".."22", "X", "Y", "XY",
// "MT" and "0". The two samples of the demo were processed together, hence Total Samples 2.
bool writeFinalReport(const std::filesystem::path& path, const DenseArray& array, const ReportSample& sample);

// The manifest name the header's Content line gives, from the SNP count ("VARNDemo-700K_A.bpm").
std::string manifestName(std::size_t snpCount);

// A SNP's name ("rs12345678"), and its chromosome as the reports write it ("1".."22", "X", "Y",
// "XY", "MT", "0"), a tab and its position.
void putSnpName(TextFileOut& out, const DenseArray& array, std::size_t snp);
void putLocus(TextFileOut& out, const DenseArray& array, std::size_t snp);

} // namespace varn::demo
