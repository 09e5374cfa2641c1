#include "TruthFile.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace varn::demo {

namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

File openForReading(const std::filesystem::path& path) { return File(std::fopen(path.c_str(), "rb"), std::fclose); }

} // namespace

bool readTruthFile(const std::filesystem::path& path, std::vector<TruthSegment>& segments) {
    segments.clear();
    File file = openForReading(path);
    if (!file) return false;
    char line[512];
    while (std::fgets(line, sizeof line, file.get()) != nullptr) {
        TruthSegment s;
        const int fields = std::sscanf(line, "%d %d %d %d %d %d %d %d %lf", &s.chromosome, &s.start, &s.end,
                                       &s.copyNumber, &s.loh, &s.minorCopies, &s.subcloneCopyNumber,
                                       &s.subcloneMinorCopies, &s.subcloneFraction);
        if (fields < 5) continue;
        if (fields < 9) {
            if (fields < 6) s.minorCopies = -1;
            s.subcloneCopyNumber = s.copyNumber;
            s.subcloneMinorCopies = s.minorCopies;
            s.subcloneFraction = 1.0;
        }
        segments.push_back(s);
    }
    return !segments.empty();
}

bool readTruthHeader(const std::filesystem::path& path, TruthHeader& header) {
    header = TruthHeader{};
    File file = openForReading(path);
    if (!file) return false;
    char line[512];
    if (std::fgets(line, sizeof line, file.get()) == nullptr) return true;
    if (const char* field = std::strstr(line, "normal_cells=")) std::sscanf(field + 13, "%lf", &header.normalFraction);
    if (const char* field = std::strstr(line, "ploidy=")) std::sscanf(field + 7, "%lf", &header.ploidy);
    int doubled = 0;
    if (const char* field = std::strstr(line, "genome_doubled=")) std::sscanf(field + 15, "%d", &doubled);
    header.genomeDoubled = doubled == 1;
    header.male = std::strstr(line, "sex=male") != nullptr;
    return true;
}

bool readTruthNormalFraction(const std::filesystem::path& path, double& normalFraction) {
    TruthHeader header;
    const bool read = readTruthHeader(path, header);
    normalFraction = header.normalFraction;
    return read;
}

const TruthSegment* truthAt(const std::vector<TruthSegment>& segments, int chromosome, int position) {
    for (const TruthSegment& s : segments)
        if (s.chromosome == chromosome && position >= s.start && position <= s.end) return &s;
    return nullptr;
}

} // namespace varn::demo
