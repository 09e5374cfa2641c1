#include "document/profile/TextStream.h"

#include "document/profile/GzipText.h"

#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace varn {

namespace {

// Bytes read at a time. For a gzipped file this also decides how much of a damaged file's text is
// handed out before its error (the failing read's bytes are not), so it stays as it was.
constexpr std::size_t kChunk = 1u << 20;
constexpr std::size_t kWindow = TextStream::kMaxLine + 1; // a block's lines all lie in its first kWindow bytes
constexpr std::size_t kCapacity = kWindow + kChunk;
constexpr std::size_t kBlocks = 4;

std::string_view withoutCarriageReturn(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

// The length of the whole lines among the first bytes of text: up to its last line end within
// kWindow bytes, 0 when there is none.
std::size_t wholeLines(const char* text, std::size_t size) {
    const std::string_view window(text, std::min(size, kWindow));
    const std::size_t end = window.rfind('\n');
    return end == std::string_view::npos ? 0 : end + 1;
}

} // namespace

TextStream::TextStream(const std::filesystem::path& path) {
    file_ = std::fopen(path.c_str(), "rb");
    if (file_ == nullptr) return;
    unsigned char magic[2] = {};
    const bool gzipped = std::fread(magic, 1, 2, file_) == 2 && magic[0] == 0x1f && magic[1] == 0x8b;
    std::rewind(file_);
    if (gzipped) {
        gzip_ = std::make_unique<GzipText>(path);
        if (!gzip_->isOpen()) {
            std::fclose(file_);
            file_ = nullptr;
            return;
        }
    }
    blocks_.resize(kBlocks);
    reader_ = std::thread([this] { produce(); });
}

TextStream::~TextStream() {
    if (file_ == nullptr) return;
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
    reader_.join();
    gzip_.reset();
    std::fclose(file_);
}

void TextStream::produce() {
    const Block* previous = nullptr;
    for (;;) {
        std::size_t slot = 0;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return stop_ || filled_ - consumed_ < kBlocks - 1; });
            if (stop_) return;
            slot = filled_ % kBlocks;
        }
        // The caller holds at most one block (the one at consumed_), so this one is free.
        Block& b = blocks_[slot];
        fill(b, previous);
        previous = &b;
        {
            std::lock_guard lock(mutex_);
            ++filled_;
        }
        changed_.notify_all();
        if (b.last) return;
    }
}

// The next block: the text after the previous block's lines, cut after its last line end.
void TextStream::fill(Block& b, const Block* previous) {
    b.size = b.filled = 0;
    b.last = b.longLine = false;
    b.error.clear();
    if (b.storage == nullptr) b.storage.reset(new char[kCapacity]);
    b.data = b.storage.get();
    // The start of a line that the previous block cut off, and whatever it held beyond kWindow.
    if (previous != nullptr) {
        b.filled = previous->filled - previous->size;
        std::memcpy(b.storage.get(), previous->data + previous->size, b.filled);
    }
    std::string& failure = readFailure_; // no read follows a failed one
    while (!ended_ && failure.empty() && b.filled + kChunk <= kCapacity) {
        char* into = b.storage.get() + b.filled;
        if (gzip_ != nullptr) {
            // Damaged or cut-off data: the failing request's bytes are dropped, and with them
            // the line they end in.
            const long got = gzip_->read(into, kChunk);
            if (got < 0)
                failure = gzip_->error();
            else if (got == 0)
                ended_ = true;
            else
                b.filled += static_cast<std::size_t>(got);
        } else {
            const std::size_t got = std::fread(into, 1, kChunk, file_);
            if (std::ferror(file_))
                failure = std::strerror(errno);
            else
                b.filled += got;
            ended_ = got < kChunk;
        }
    }
    if (ended_ && failure.empty() && b.filled <= TextStream::kMaxLine) {
        b.size = b.filled;
        b.last = true;
        return;
    }
    b.size = wholeLines(b.data, b.filled);
    if (b.size > 0) return;
    b.last = true;
    if (!failure.empty())
        b.error = failure; // the start of a line, cut off by the failure, is dropped
    else
        b.longLine = true;
}

bool TextStream::takeBlock() {
    std::unique_lock lock(mutex_);
    if (current_ != nullptr) {
        ++consumed_;
        changed_.notify_all();
    }
    current_ = nullptr;
    changed_.wait(lock, [this] { return filled_ > consumed_; });
    current_ = &blocks_[consumed_ % kBlocks];
    pos_ = 0;
    bytesRead_ += current_->size;
    return true;
}

// Whether lines are left, taking the next block when the current one is used up; at the end,
// error_ says why when the file was not read to its end.
bool TextStream::haveLines() {
    for (;;) {
        if (current_ != nullptr && pos_ < current_->size) return true;
        if (finished_) return false;
        if (current_ != nullptr && current_->last) {
            finished_ = true;
            if (!current_->error.empty())
                error_ = "the file cannot be read to its end: " + current_->error;
            else if (current_->longLine)
                error_ = "line " + std::to_string(lineNumber_ + 1) + " is longer than " +
                         std::to_string(kMaxLine >> 20) + " MiB: this is no text table";
            return false;
        }
        takeBlock();
    }
}

bool TextStream::next(std::string_view& line) {
    if (file_ == nullptr || !haveLines()) return false;
    const char* begin = current_->data + pos_;
    const std::size_t left = current_->size - pos_;
    const void* end = std::memchr(begin, '\n', left);
    const std::size_t length = end != nullptr ? static_cast<std::size_t>(static_cast<const char*>(end) - begin) : left;
    line = withoutCarriageReturn(std::string_view(begin, length));
    pos_ += end != nullptr ? length + 1 : length;
    ++lineNumber_;
    return true;
}

bool TextStream::nextLines(std::string_view& text) {
    if (file_ == nullptr || !haveLines()) return false;
    text = std::string_view(current_->data + pos_, current_->size - pos_);
    pos_ = current_->size;
    return true;
}

bool readTextHead(const std::filesystem::path& path, std::size_t limit, std::string& head, bool& gzipped) {
    head.clear();
    gzipped = false;
    gzFile file = gzopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    head.resize(limit);
    const int got = gzread(file, head.data(), static_cast<unsigned>(limit));
    head.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    gzipped = got >= 0 && gzdirect(file) == 0;
    gzclose(file);
    return got >= 0; // a folder opens but cannot be read
}

} // namespace varn
