#include "FileBytes.h"

#include <cstdio>
#include <system_error>

namespace varn {

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
