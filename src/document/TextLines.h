#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace varn {

// Reads a whole file into memory. False when the file cannot be opened or read (a folder, no
// permission, a read error); bytes is then empty.
bool loadWholeFile(const std::filesystem::path& path, std::string& bytes);

// Hands out the lines of an in-memory text exactly as repeated fgets calls into a buffer of
// bufferSize bytes would: a piece ends after a '\n' or after bufferSize - 1 characters, so the
// rest of a longer line comes back as the next piece. The annotation tables rely on this: their
// 32-byte line buffers turn a long line into several "lines", each taking a slot.
class FgetsLines {
public:
    FgetsLines(std::string_view bytes, std::size_t bufferSize) : bytes_(bytes), limit_(bufferSize - 1) {}

    // The next piece, false at the end of the text.
    bool next(std::string_view& piece);

private:
    std::string_view bytes_;
    std::size_t limit_;
    std::size_t pos_ = 0;
};

// The same pieces straight from a file, read in blocks into one reused buffer, so that a large
// file never has to sit in memory whole. After every piece at least readAhead bytes of the
// buffer can be read (whatever they hold).
class FileLines {
public:
    FileLines(const std::filesystem::path& path, std::size_t bufferSize, std::size_t readAhead);
    ~FileLines();
    FileLines(const FileLines&) = delete;
    FileLines& operator=(const FileLines&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    // The next piece; false at the end of the file or when reading fails.
    bool next(std::string_view& piece);
    // Where the readable bytes after the pieces handed out end.
    const char* readableEnd() const { return buffer_.data() + buffer_.size(); }
    // Whether the file could not be read to its end.
    bool failed() const { return failed_; }

private:
    void refill();

    std::FILE* file_;
    std::size_t limit_;
    std::size_t capacity_;   // bytes of the buffer that hold file contents
    std::vector<char> buffer_; // capacity_ plus the read-ahead room
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool atEnd_ = false;
    bool failed_ = false;
};

// What the C string functions see of a piece: the text before its first zero byte. A line of
// binary bytes thus reads as a shorter one and still counts as a line.
std::string_view cText(std::string_view piece);

// isspace of the "C" locale, as the scan formats skip it.
inline bool isScanSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

} // namespace varn
