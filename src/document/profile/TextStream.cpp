#include "document/profile/TextStream.h"

#include <zlib.h>

#include <cerrno>
#include <cstring>

namespace varn {

namespace {

constexpr std::size_t kBlockSize = 1u << 20;
constexpr std::size_t kBlocks = 4;
constexpr unsigned kGzBuffer = 256u << 10;

gzFile gz(void* file) {
    return static_cast<gzFile>(file);
}

std::string gzErrorText(gzFile file) {
    int code = Z_OK;
    const char* text = gzerror(file, &code);
    if (code == Z_ERRNO) return std::strerror(errno);
    // zlib puts the path before its message; the refusal names the file already.
    std::string_view message = text != nullptr ? text : "unknown error";
    if (const std::size_t colon = message.rfind(": "); colon != std::string_view::npos)
        message.remove_prefix(colon + 2);
    return std::string(message);
}

std::string_view withoutCarriageReturn(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

} // namespace

TextStream::TextStream(const std::filesystem::path& path) {
    file_ = gzopen(path.c_str(), "rb");
    if (file_ == nullptr) return;
    gzbuffer(gz(file_), kGzBuffer);
    blocks_.resize(kBlocks);
    for (Block& b : blocks_) b.bytes.resize(kBlockSize);
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
    gzclose(gz(file_));
}

void TextStream::produce() {
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
        const int got = gzread(gz(file_), b.bytes.data(), static_cast<unsigned>(kBlockSize));
        int code = Z_OK;
        gzerror(gz(file_), &code);
        // A truncated gzip stream hands out what it inflated and then reports the early end.
        b.error = got < 0 || code != Z_OK ? gzErrorText(gz(file_)) : std::string();
        b.size = got > 0 && b.error.empty() ? static_cast<std::size_t>(got) : 0;
        b.last = b.size == 0;
        {
            std::lock_guard lock(mutex_);
            ++filled_;
        }
        changed_.notify_all();
        if (b.last) return;
    }
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
    if (!current_->error.empty()) error_ = "the file cannot be read to its end: " + current_->error;
    return current_->size > 0;
}

// A line that runs past the end of the current block: gather it from the blocks that follow.
bool TextStream::carryOn(std::string_view& line) {
    carry_.assign(current_->bytes.data() + pos_, current_->size - pos_);
    for (;;) {
        if (!takeBlock()) {
            finished_ = true;
            if (!error_.empty() || carry_.empty()) return false;
            line = withoutCarriageReturn(carry_);
            return true;
        }
        const char* begin = current_->bytes.data();
        const void* end = std::memchr(begin, '\n', current_->size);
        const std::size_t take = end ? static_cast<const char*>(end) - begin : current_->size;
        if (carry_.size() + take > kMaxLine) {
            error_ = "line " + std::to_string(lineNumber_ + 1) + " is longer than " +
                     std::to_string(kMaxLine >> 20) + " MiB: this is no text table";
            finished_ = true;
            return false;
        }
        carry_.append(begin, take);
        if (end != nullptr) {
            pos_ = take + 1;
            line = withoutCarriageReturn(carry_);
            return true;
        }
    }
}

bool TextStream::next(std::string_view& line) {
    if (file_ == nullptr || finished_) return false;
    if (current_ == nullptr && !takeBlock()) {
        finished_ = true;
        return false;
    }
    const char* begin = current_->bytes.data() + pos_;
    const std::size_t left = current_->size - pos_;
    const void* end = std::memchr(begin, '\n', left);
    if (end != nullptr) {
        const std::size_t length = static_cast<const char*>(end) - begin;
        line = withoutCarriageReturn(std::string_view(begin, length));
        pos_ += length + 1;
    } else if (!carryOn(line)) {
        return false;
    }
    ++lineNumber_;
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
