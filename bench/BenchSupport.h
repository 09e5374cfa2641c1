#pragma once

// Shared by the benchmark programs: a user interface that answers nothing, a scratch folder and
// generators for full-size input files.

#include "document/CollectingUserInterface.h"
#include "document/DocumentLimits.h"
#include "document/UserInterface.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>

namespace varn::bench {


class ScratchFolder {
public:
    ScratchFolder()
        : path_(std::filesystem::temp_directory_path() / ("varn-bench-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline void writeText(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// A signal file of the array as the array software writes it: two header lines, then per SNP a
// serial number, the identifier and 40 intensities with one decimal, 16 "null" fields scattered
// among them.
inline void writeSignalFile(const std::filesystem::path& path, int snpCount, unsigned seed) {
    std::mt19937 random(seed);
    std::lognormal_distribution<double> intensity(7.0, 0.8);
    std::string text = "Probe Set Name\tSerial\tintensities\nSNP\tid\tA0\tB0\tA0'\tB0'\n";
    text.reserve(static_cast<std::size_t>(snpCount) * 400);
    char line[1024];
    for (int k = 0; k < snpCount; ++k) {
        char* p = line + std::snprintf(line, 64, "%d\tSNP_A-%07d", k + 1, 1650000 + k);
        int nulls = 0;
        for (int i = 0; i < kProbes; ++i) {
            // Twelve nulls among the values, the other four at the end of the line.
            if (i % 5 == 1 || i % 10 == 3) {
                for (char c : std::string_view("\tnull")) *p++ = c;
                ++nulls;
            }
            *p++ = '\t';
            p = std::to_chars(p, line + sizeof line, intensity(random), std::chars_format::fixed, 1).ptr;
        }
        for (; nulls < 16; ++nulls) {
            for (char c : std::string_view("\tnull")) *p++ = c;
        }
        *p++ = '\n';
        text.append(line, static_cast<std::size_t>(p - line));
    }
    writeText(path, text);
}

// The eight annotation tables of a whole installation, display order equal to record order.
inline void writeAnnotationTables(const std::filesystem::path& root) {
    const auto data = root / "data";
    const char* suffix[3] = {"", "X", "H"};
    const int first[3] = {0, 57244, 0};
    const int last[3] = {0, 116203, 57243};
    char line[128];
    for (int t = 1; t <= 2; ++t) {
        std::string id = "h\nh\n", arrange, cytoband;
        for (int k = first[t]; k <= last[t]; ++k) {
            id.append(line, static_cast<std::size_t>(std::snprintf(line, sizeof line, "%d\t%d\t%d\t%d\t%.3f\n", k,
                                                                   1 + (k - first[t]) / 2600, (k - first[t]) * 25000,
                                                                   300 + k % 1900, 0.35 + (k % 20) / 100.0)));
            arrange.append(line, static_cast<std::size_t>(std::snprintf(line, sizeof line, "%d\n", k)));
            cytoband.append(line, static_cast<std::size_t>(std::snprintf(line, sizeof line, "%d p%d.%d\n", 1 + k % 8,
                                                                         k % 30, k % 7)));
        }
        writeText(data / (std::string("ID") + suffix[t] + "3.txt"), id);
        writeText(data / (std::string("arrange_data_") + suffix[t] + ".txt"), arrange);
        writeText(data / (std::string("cytoband_") + suffix[t] + ".txt"), cytoband);
    }
    std::string combine, hetero;
    for (int m = 0; m < kSlots; ++m) {
        combine.append(line, static_cast<std::size_t>(std::snprintf(line, sizeof line, "%d\n", m)));
        hetero.append(line, static_cast<std::size_t>(std::snprintf(line, sizeof line, "%d %.3f\n", m, 0.2 + (m % 30) / 100.0)));
    }
    writeText(data / "combine.txt", combine);
    writeText(data / "japanesehetero.txt", hetero);
}

} // namespace varn::bench
