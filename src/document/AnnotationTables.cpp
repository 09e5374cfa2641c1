// The eight genome annotation tables of the installation's data folder. Each table is read line
// by line through a fixed buffer and a fixed scan format; a line is stored at a running index
// that advances for every line read, whether it scanned or not, so one damaged line never shifts
// the SNPs after it. Lines past the range of the table are ignored.
#include "CVARNDoc.h"

#include "TextLines.h"
#include "UserInterface.h"

#include <cstdio>
#include <cstring>

namespace varn {

namespace {

constexpr std::size_t kIdLineBuffer = 4096;
constexpr std::size_t kShortLineBuffer = 32;

// Copies a piece into a zero-terminated buffer the way fgets leaves it for sscanf.
template <std::size_t N>
void toCString(std::string_view piece, char (&buffer)[N]) {
    const std::string_view text = cText(piece).substr(0, N - 1);
    std::memcpy(buffer, text.data(), text.size());
    buffer[text.size()] = '\0';
}

} // namespace

// IDH3.txt / IDX3.txt: two header lines, then per SNP record an unused serial number, the
// chromosome, the base position, the restriction-fragment length and its GC content.
int CVARNDoc::loadIdTable(int t) {
    const char* name = t == kHind ? "c:\\VARN\\data\\IDH3.txt" : "c:\\VARN\\data\\IDX3.txt";
    std::string bytes;
    if (!loadWholeFile(fixedPath(name), bytes)) {
        ui().messageBox("errror");
        return 1;
    }
    FgetsLines lines(bytes, kIdLineBuffer);
    std::string_view piece;
    char line[kIdLineBuffer];
    // The index starts three below the first record and is counted up before each line, so the
    // two header lines fall below the range and line 3 becomes the first record.
    for (int snp = snpFirst[t] - 3; lines.next(piece);) {
        ++snp;
        if (snp < snpFirst[t]) continue;
        if (snp > snpLast[t]) break;
        toCString(piece, line);
        int chromosome = 0, position = 0, length = 0;
        float gc = 0.0f;
        const int got = std::sscanf(line, "%*d %d %d %d %f", &chromosome, &position, &length, &gc);
        if (got >= 1) snpChromosome[snp] = chromosome;
        if (got >= 2) snpPosition[snp] = position;
        if (got >= 3) snpFragmentLength[snp] = length;
        if (got >= 4) snpGcContent[snp] = gc;
    }
    return 0;
}

// arrange_data_H.txt / arrange_data_X.txt: the SNP record shown at each display position.
int CVARNDoc::loadArrangeTable(int t) {
    const char* name = t == kHind ? "c:\\VARN\\data\\arrange_data_H.txt" : "c:\\VARN\\data\\arrange_data_X.txt";
    std::string bytes;
    if (!loadWholeFile(fixedPath(name), bytes)) {
        ui().messageBox("arrange data cannot be loaded");
        return 1;
    }
    FgetsLines lines(bytes, kShortLineBuffer);
    std::string_view piece;
    char line[kShortLineBuffer];
    for (int pos = snpFirst[t]; pos <= snpLast[t] && lines.next(piece); ++pos) {
        toCString(piece, line);
        int snp = 0;
        // A record outside the slot space would send every later lookup past the arrays; such a
        // line is treated like one that does not scan.
        if (std::sscanf(line, "%d", &snp) == 1 && inSlots(snp)) arrangeOrder[pos] = snp;
    }
    return 0;
}

// cytoband_H.txt / cytoband_X.txt: stain class and name (at most 10 characters) of the band.
int CVARNDoc::loadCytobandTable(int t) {
    const char* name = t == kHind ? "c:\\VARN\\data\\cytoband_H.txt" : "c:\\VARN\\data\\cytoband_X.txt";
    std::string bytes;
    if (!loadWholeFile(fixedPath(name), bytes)) {
        ui().messageBox("cytoband data cannot be loaded");
        return 1;
    }
    FgetsLines lines(bytes, kShortLineBuffer);
    std::string_view piece;
    char line[kShortLineBuffer];
    for (int snp = snpFirst[t]; snp <= snpLast[t] && lines.next(piece); ++snp) {
        toCString(piece, line);
        int stain = 0;
        char band[16] = {};
        const int got = std::sscanf(line, "%d %10s", &stain, band);
        if (got >= 1) snpBandStain[snp] = stain;
        if (got >= 2) std::memcpy(snpBandName[snp], band, std::strlen(band) + 1);
    }
    return 0;
}

// combine.txt: the display position of each merged index, both arrays interleaved.
int CVARNDoc::loadCombineTable() {
    std::string bytes;
    if (!loadWholeFile(fixedPath("c:\\VARN\\data\\combine.txt"), bytes)) {
        ui().messageBox("cytoband data cannot be loaded");
        return 1;
    }
    FgetsLines lines(bytes, kShortLineBuffer);
    std::string_view piece;
    char line[kShortLineBuffer];
    for (int m = 0; m < kSlots && lines.next(piece); ++m) {
        toCString(piece, line);
        int pos = 0;
        if (std::sscanf(line, "%d ", &pos) == 1 && inSlots(pos)) combineOrder[m] = pos;
    }
    return 0;
}

// japanesehetero.txt: per display position an unused number and the population heterozygosity
// rate, the chance that a normal genome is heterozygous at the SNP.
int CVARNDoc::loadHeteroRateTable() {
    std::string bytes;
    if (!loadWholeFile(fixedPath("c:\\VARN\\data\\japanesehetero.txt"), bytes)) {
        ui().messageBox("hetero rate data cannot be loaded");
        return 1;
    }
    FgetsLines lines(bytes, kShortLineBuffer);
    std::string_view piece;
    char line[kShortLineBuffer];
    for (int pos = 0; pos < kSlots && lines.next(piece); ++pos) {
        toCString(piece, line);
        float rate = 0.0f;
        if (std::sscanf(line, "%*d%f ", &rate) == 1) heteroRate[pos] = rate;
    }
    return 0;
}

} // namespace varn
