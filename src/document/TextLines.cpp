#include "TextLines.h"

#include <algorithm>
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

namespace {
// Blocks of this size keep the buffer in the processor's caches while a large file streams through.
constexpr std::size_t kFileBlock = std::size_t{1} << 18;
} // namespace

FileLines::FileLines(const std::filesystem::path& path, std::size_t bufferSize, std::size_t readAhead)
    : file_(std::fopen(path.c_str(), "rb")), limit_(bufferSize - 1), capacity_(std::max(kFileBlock, 2 * bufferSize)) {
    if (file_ != nullptr) buffer_.resize(capacity_ + readAhead);
}

FileLines::~FileLines() {
    if (file_ != nullptr) std::fclose(file_);
}

void FileLines::refill() {
    // The unfinished line moves to the front; the block behind it fills from the file.
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
    const std::size_t got = std::fread(buffer_.data() + end_, 1, capacity_ - end_, file_);
    end_ += got;
    if (got == 0) {
        atEnd_ = true;
        failed_ = std::ferror(file_) != 0;
    }
}

bool FileLines::next(std::string_view& piece) {
    if (file_ == nullptr || failed_) return false;
    for (;;) {
        const std::size_t available = end_ - begin_;
        const std::size_t room = std::min(limit_, available);
        const char* start = buffer_.data() + begin_;
        const void* newline = std::memchr(start, '\n', room);
        if (newline != nullptr || available >= limit_ || atEnd_) {
            if (available == 0 || failed_) return false;
            const std::size_t length =
                newline ? static_cast<std::size_t>(static_cast<const char*>(newline) - start) + 1 : room;
            piece = std::string_view(start, length);
            begin_ += length;
            return true;
        }
        refill();
    }
}

std::string_view cText(std::string_view piece) {
    const void* zero = std::memchr(piece.data(), '\0', piece.size());
    return zero ? piece.substr(0, static_cast<std::size_t>(static_cast<const char*>(zero) - piece.data())) : piece;
}

} // namespace varn
