#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace varn::demo {

// A text file written through a large buffer, with fast number output for the big sample files
// (tens of millions of intensities per installation). Opened in binary mode so that the bytes
// written are the bytes read back, on every platform.
class TextFileOut {
public:
    explicit TextFileOut(const std::filesystem::path& path);
    ~TextFileOut();
    TextFileOut(const TextFileOut&) = delete;
    TextFileOut& operator=(const TextFileOut&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    void put(std::string_view text);
    // Inline: the sample files put a tab before each of their millions of fields.
    void put(char c) {
        buffer_.push_back(c);
        if (buffer_.size() >= kBufferSize) flush();
    }
    void putInt(long long value);
    // A non-negative value rounded to one decimal ("1234.5"), as the array software prints
    // intensities.
    void putTenths(double value);
    // A value rounded to four decimals ("-0.0123", "1.0000"), as GenomeStudio prints the values
    // of its reports; a value that rounds to zero prints without a sign.
    void putFourDecimals(double value);
    // printf-style output for the small tables.
    void printf(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Flushes and closes; false when anything failed to be written.
    bool close();

private:
    static constexpr std::size_t kBufferSize = 1 << 20;

    void flush();

    std::FILE* file_ = nullptr;
    std::string buffer_;
    bool failed_ = false;
};

} // namespace varn::demo
