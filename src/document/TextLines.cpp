#include "TextLines.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace varn {

namespace {
struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
} // namespace

bool loadWholeFile(const std::filesystem::path& path, std::string& bytes) {
    bytes.clear();
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return false;
    // Size the buffer from the file length when it is known, then read on until the end in case
    // the file grew or is not a regular file.
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    std::size_t used = 0;
    bytes.resize(ec ? std::size_t{1} << 16 : static_cast<std::size_t>(size) + 1);
    for (;;) {
        if (used == bytes.size()) bytes.resize(bytes.size() * 2);
        const std::size_t got = std::fread(bytes.data() + used, 1, bytes.size() - used, file.get());
        used += got;
        if (got == 0) break;
    }
    const bool failed = std::ferror(file.get()) != 0;
    bytes.resize(failed ? 0 : used);
    return !failed;
}

bool FgetsLines::next(std::string_view& piece) {
    if (pos_ >= bytes_.size()) return false;
    const std::size_t room = std::min(limit_, bytes_.size() - pos_);
    const char* start = bytes_.data() + pos_;
    const void* newline = std::memchr(start, '\n', room);
    const std::size_t length = newline ? static_cast<std::size_t>(static_cast<const char*>(newline) - start) + 1 : room;
    piece = std::string_view(start, length);
    pos_ += length;
    return true;
}

std::string_view cText(std::string_view piece) {
    const void* zero = std::memchr(piece.data(), '\0', piece.size());
    return zero ? piece.substr(0, static_cast<std::size_t>(static_cast<const char*>(zero) - piece.data())) : piece;
}

} // namespace varn
