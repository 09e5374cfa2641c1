#include "TruthFile.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace varn::demo {

bool readTruthFile(const std::filesystem::path& path, std::vector<TruthSegment>& segments) {
    segments.clear();
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!file) return false;
    char line[256];
    while (std::fgets(line, sizeof line, file.get()) != nullptr) {
        TruthSegment s;
        if (std::sscanf(line, "%d %d %d %d %d", &s.chromosome, &s.start, &s.end, &s.copyNumber, &s.loh) == 5)
            segments.push_back(s);
    }
    return !segments.empty();
}

bool readTruthNormalFraction(const std::filesystem::path& path, double& normalFraction) {
    normalFraction = 0.0;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!file) return false;
    char line[256];
    if (std::fgets(line, sizeof line, file.get()) == nullptr) return true;
    if (const char* field = std::strstr(line, "normal_cells=")) std::sscanf(field + 13, "%lf", &normalFraction);
    return true;
}

const TruthSegment* truthAt(const std::vector<TruthSegment>& segments, int chromosome, int position) {
    for (const TruthSegment& s : segments)
        if (s.chromosome == chromosome && position >= s.start && position <= s.end) return &s;
    return nullptr;
}

} // namespace varn::demo
