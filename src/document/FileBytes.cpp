#include "FileBytes.h"

#include <cstdio>
#include <system_error>

namespace varn {

bool readWholeFile(const std::filesystem::path& path, std::string& bytes) {
    bytes.clear();
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return false;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) return false;
    char chunk[1 << 16];
    std::size_t n = 0;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) bytes.append(chunk, n);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) bytes.clear();
    return !failed;
}

bool replaceFileContents(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::path partial = path;
    partial += ".partial";
    std::FILE* f = std::fopen(partial.c_str(), "wb");
    if (f == nullptr) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const bool closed = std::fclose(f) == 0;
    std::error_code ec;
    if (written && closed) {
        std::filesystem::rename(partial, path, ec);
        if (!ec) return true;
    }
    std::filesystem::remove(partial, ec);
    return false;
}

} // namespace varn
