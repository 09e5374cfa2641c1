#include "FinalReportWriter.h"

#include "DenseArray.h"
#include "FinalReportSample.h"
#include "TextFileOut.h"
#include "document/DocumentLimits.h"

#include <cmath>

namespace varn::demo {

namespace {

void putValue(TextFileOut& out, float value) {
    if (std::isnan(value))
        out.put("NaN");
    else
        out.putFourDecimals(value);
}

const char* alleles(int call) {
    switch (call) {
    case kCallAA:
        return "A\tA";
    case kCallAB:
        return "A\tB";
    case kCallBB:
        return "B\tB";
    default:
        return "-\t-";
    }
}

} // namespace

std::string manifestName(std::size_t snpCount) {
    const std::size_t thousands = (snpCount + 500) / 1000;
    return "VARNDemo-" + std::to_string(thousands) + "K_A.bpm";
}

void putSnpName(TextFileOut& out, const DenseArray& array, std::size_t snp) {
    out.put(array.namePrefix[snp] == 0 ? "kgp" : "rs");
    out.putInt(array.nameNumber[snp]);
}

void putLocus(TextFileOut& out, const DenseArray& array, std::size_t snp) {
    static const char* const kNames[] = {"0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",
                                         "9",  "10", "11", "12", "13", "14", "15", "16", "17",
                                         "18", "19", "20", "21", "22", "X",  "Y",  "XY", "MT"};
    const int c = array.chromosome[snp];
    out.put(c >= 0 && c <= kDenseMitochondrial ? kNames[c] : "0");
    out.put('\t');
    out.putInt(array.position[snp]);
}

bool writeFinalReport(const std::filesystem::path& path, const DenseArray& array,
                      const ReportSample& sample) {
    TextFileOut out(path);
    if (!out.isOpen()) return false;
    const std::string content = manifestName(array.size());
    out.printf("[Header]\nGSGT Version\t2.0.4\nProcessing Date\t3/14/2024 10:32 AM\nContent\t\t%s\n",
               content.c_str());
    out.printf("Num SNPs\t%zu\nTotal SNPs\t%zu\nNum Samples\t1\nTotal Samples\t2\n", array.size(),
               array.size());
    out.put("[Data]\nSNP Name\tSample ID\tAllele1 - AB\tAllele2 - AB\tGC Score\tChr\tPosition\tLog R Ratio\t"
            "B Allele Freq\n");
    for (std::size_t i = 0; i < array.size(); ++i) {
        putSnpName(out, array, i);
        out.put('\t');
        out.put(sample.name);
        out.put('\t');
        out.put(alleles(sample.call[i]));
        out.put('\t');
        out.putFourDecimals(sample.gcScore[i]);
        out.put('\t');
        putLocus(out, array, i);
        out.put('\t');
        putValue(out, sample.logRRatio[i]);
        out.put('\t');
        putValue(out, sample.bAlleleFreq[i]);
        out.put('\n');
    }
    return out.close();
}

} // namespace varn::demo
