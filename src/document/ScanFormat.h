#pragma once

#include <cstddef>
#include <string_view>

namespace varn {

// Walks a text held in memory line by line. A line ends at "\n"; a "\r" before it is part of
// the line end (files written on Windows read the same as those written here); the last line
// may lack its line end. A line is cut at its first zero byte, as a C string would be.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}
    // The next line without its line end; false at the end of the text.
    bool next(std::string_view& line);

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Scans the fields of one line the way scanf's "%d", "%f" and "%s" conversions do: each skips
// blanks and tabs first, takes the longest field it can, and fails without consuming anything
// when the line holds no such field. A failed field leaves its destination unchanged, and a
// caller stops at the first failure, as scanf does.
class FieldScanner {
public:
    explicit FieldScanner(std::string_view line) : line_(line) {}

    bool scanInt(int& value);
    bool scanFloat(float& value);
    // A blank-delimited word, cut to width characters; out receives a terminated string and
    // must hold width + 1 bytes.
    bool scanWord(char* out, std::size_t width);

private:
    void skipSpace();

    std::string_view line_;
    std::size_t pos_ = 0;
};

} // namespace varn
