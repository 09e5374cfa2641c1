#pragma once

// What the profile readers' harnesses share: the first input byte chooses whether the file is
// written gzipped (bit 0) and whether a sample is named (bit 1); the rest is the file.

#include "document/profile/ProfileReading.h"

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace varn::fuzz {

inline const std::filesystem::path& profileScratch() {
    static const std::filesystem::path folder = [] {
        std::error_code ec;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec)
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        const std::filesystem::path f = base / ("varn-fuzz-profile-" + std::to_string(::getpid()));
        std::filesystem::create_directories(f);
        std::atexit([] {
            std::error_code e;
            std::filesystem::remove_all(profileScratch(), e);
        });
        return f;
    }();
    return folder;
}

inline std::filesystem::path writeProfileInput(const std::string& name, const std::string& bytes, bool gzip) {
    const std::filesystem::path path = profileScratch() / name;
    if (gzip) {
        gzFile out = gzopen(path.c_str(), "wb1");
        if (!bytes.empty()) gzwrite(out, bytes.data(), static_cast<unsigned>(bytes.size()));
        gzclose(out);
    } else {
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    return path;
}

// One input through a reader of one file (readFinalReport, readPennCnv, ...), which must give a
// profile or a refusal and never both.
template <class Reader>
int fuzzProfileReader(const std::uint8_t* data, std::size_t size, const char* file, Reader read) {
    if (size < 1) return 0;
    ProfileOptions options;
    if (data[0] & 2) options.sample = "S2";
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const ProfileReading reading = read(writeProfileInput(file, bytes, data[0] & 1), options);
    if (reading.profile.has_value() == !reading.refusal.empty()) std::abort();
    return 0;
}

} // namespace varn::fuzz
