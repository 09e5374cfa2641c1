#include "ProfileFiles.h"

#include <zlib.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>

namespace varn::test {

void writeProfileFile(const std::filesystem::path& path, const std::string& bytes, bool gzip) {
    if (!gzip) {
        std::ofstream(path, std::ios::binary) << bytes;
        return;
    }
    gzFile file = gzopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    if (!bytes.empty()) {
        ASSERT_EQ(gzwrite(file, bytes.data(), static_cast<unsigned>(bytes.size())),
                  static_cast<int>(bytes.size()));
    }
    gzclose(file);
}

std::string rowsOf(const ProfileReading& reading) {
    if (!reading.profile) return "refused: " + reading.refusal;
    const Profile& p = *reading.profile;
    std::string text;
    char line[160];
    for (std::size_t i = 0; i < p.size(); ++i) {
        std::snprintf(line, sizeof line, "%d:%d %.*s %.3f", p.chromosome[i], p.position[i],
                      static_cast<int>(p.name[i].size()), p.name[i].data(),
                      static_cast<double>(p.logRatio[i]));
        text += line;
        if (p.hasBaf()) {
            std::snprintf(line, sizeof line, " %.3f", static_cast<double>(p.baf[i]));
            text += line;
        }
        if (!p.genotype.empty()) text += " " + std::to_string(p.genotype[i]);
        text += "\n";
    }
    return text;
}

} // namespace varn::test
