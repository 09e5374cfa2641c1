#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace varn {

// The lines of a text file, plain or gzipped, in one streaming pass. zlib's gzread inflates a
// gzipped file and passes a plain one through, so both go the same road. A second thread reads
// (and inflates) the next blocks while the caller parses the current one: inflating a 2.5-million
// SNP report costs about as much as parsing it, and the two then overlap.
//
// A line comes without its end ("\n" or Windows' "\r\n"); a last line without an end is still a
// line. Only a line that straddles two blocks is copied; the file itself never sits in memory whole.
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
        std::vector<char> bytes;
        std::size_t size = 0;
        bool last = false;
        std::string error;
    };

    void produce();
    bool takeBlock(); // hands the consumed block back and waits for the next one
    bool carryOn(std::string_view& line);

    void* file_ = nullptr; // gzFile
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
    std::string carry_;
    std::string error_;
    std::size_t lineNumber_ = 0;
    std::uint64_t bytesRead_ = 0;
};

// The first bytes of a file's text (inflated when it is gzipped), at most limit of them, for
// telling formats apart; gzipped says whether the file itself was. False when it cannot be opened.
bool readTextHead(const std::filesystem::path& path, std::size_t limit, std::string& head, bool& gzipped);

} // namespace varn
