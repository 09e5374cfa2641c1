#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace varn {

class GzipText;

// The lines of a text file, plain or gzipped, in one pass. A second thread reads (and, through
// GzipText, inflates) the next blocks while the caller parses the current one.
//
// Every block ends at a line's end, so the caller can take a block's lines all at once
// (nextLines) and split them among threads. A line comes without its end ("\n" or Windows'
// "\r\n"); a last line without an end is still a line. The file never sits in memory whole.
class TextStream {
  public:
    explicit TextStream(const std::filesystem::path& path);
    ~TextStream();
    TextStream(const TextStream&) = delete;
    TextStream& operator=(const TextStream&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    // The next line, valid until the next call; false at the end of the file or when reading
    // failed (then error() says why).
    bool next(std::string_view& line);
    // The lines of the current block not yet handed out (the next block's when there are none),
    // their ends included, valid until the next call; false as next() is. The caller says how
    // many lines it took with tookLines.
    bool nextLines(std::string_view& text);
    void tookLines(std::size_t count) { lineNumber_ += count; }
    // The line last handed out, counted from 1.
    std::size_t lineNumber() const { return lineNumber_; }
    // Why reading stopped before the end of the file ("the gzipped data are damaged: ..."); empty
    // after a clean end.
    const std::string& error() const { return error_; }
    // Text bytes handed out so far (inflated bytes for a gzipped file).
    std::uint64_t bytesRead() const { return bytesRead_; }

    // Longest line taken; a longer one (a binary file without line ends) stops the reading.
    static constexpr std::size_t kMaxLine = 4u << 20;

  private:
    struct Block {
        std::unique_ptr<char[]> storage; // the block's bytes
        const char* data = nullptr;
        std::size_t size = 0;   // whole lines
        std::size_t filled = 0; // bytes in storage, the start of the next line included
        bool last = false;      // no block follows
        bool longLine = false;  // the line after this block's is longer than kMaxLine
        std::string error;      // why no block follows
    };

    void produce();
    void fill(Block& b, const Block* previous);
    bool takeBlock(); // hands the consumed block back and waits for the next one
    bool haveLines();

    std::FILE* file_ = nullptr;
    std::unique_ptr<GzipText> gzip_; // for a gzipped file
    bool ended_ = false;      // the reading thread has read the end of the file
    std::string readFailure_; // or why its last read failed
    std::vector<Block> blocks_;
    std::size_t filled_ = 0;   // blocks filled by the reading thread (counter, modulo the ring)
    std::size_t consumed_ = 0; // blocks handed back by the caller
    bool stop_ = false;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::thread reader_;

    const Block* current_ = nullptr;
    std::size_t pos_ = 0;
    bool finished_ = false;
    std::string error_;
    std::size_t lineNumber_ = 0;
    std::uint64_t bytesRead_ = 0;
};

// The first bytes of a file's text (inflated when it is gzipped), at most limit of them, for
// telling formats apart; gzipped says whether the file itself was. False when it cannot be opened.
bool readTextHead(const std::filesystem::path& path, std::size_t limit, std::string& head, bool& gzipped);

} // namespace varn
