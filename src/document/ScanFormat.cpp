#include "ScanFormat.h"

#include <charconv>
#include <cstdlib>
#include <string>

namespace varn {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

} // namespace

bool LineReader::next(std::string_view& line) {
    if (pos_ >= text_.size()) return false;
    std::size_t end = text_.find('\n', pos_);
    const std::size_t nextPos = end == std::string_view::npos ? text_.size() : end + 1;
    if (end == std::string_view::npos) end = text_.size();
    line = text_.substr(pos_, end - pos_);
    pos_ = nextPos;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (const std::size_t zero = line.find('\0'); zero != std::string_view::npos) line = line.substr(0, zero);
    return true;
}

void FieldScanner::skipSpace() {
    while (pos_ < line_.size() && isSpace(line_[pos_])) ++pos_;
}

bool FieldScanner::scanInt(int& value) {
    skipSpace();
    std::size_t p = pos_;
    bool negative = false;
    if (p < line_.size() && (line_[p] == '+' || line_[p] == '-')) negative = line_[p++] == '-';
    // Unsigned, so that a second sign after the first is refused as scanf refuses it.
    unsigned long long magnitude = 0;
    const char* begin = line_.data() + p;
    const auto r = std::from_chars(begin, line_.data() + line_.size(), magnitude);
    if (r.ptr == begin || r.ec != std::errc()) return false;
    const auto low = static_cast<unsigned>(magnitude);
    value = static_cast<int>(negative ? 0u - low : low);
    pos_ = static_cast<std::size_t>(r.ptr - line_.data());
    return true;
}

bool FieldScanner::scanFloat(float& value) {
    skipSpace();
    if (pos_ >= line_.size()) return false;
    const char* begin = line_.data() + pos_;
    const char* end = line_.data() + line_.size();
    float v = 0.0f;
    const auto r = std::from_chars(begin, end, v, std::chars_format::general);
    // from_chars covers the decimal forms the program writes. A leading '+', a hexadecimal
    // number and a value out of float range (which scanf takes as infinity or zero) go through
    // strtof, which is what scanf uses.
    const bool hexPrefix = r.ec == std::errc() && r.ptr < end && (*r.ptr == 'x' || *r.ptr == 'X');
    if (r.ec == std::errc() && *begin != '+' && !hexPrefix) {
        value = v;
        pos_ += static_cast<std::size_t>(r.ptr - begin);
        return true;
    }
    std::size_t tokenEnd = pos_;
    while (tokenEnd < line_.size() && !isSpace(line_[tokenEnd])) ++tokenEnd;
    const std::string token(line_.substr(pos_, tokenEnd - pos_));
    char* stop = nullptr;
    const float parsed = std::strtof(token.c_str(), &stop);
    if (stop == token.c_str()) return false;
    value = parsed;
    pos_ += static_cast<std::size_t>(stop - token.c_str());
    return true;
}

bool FieldScanner::scanWord(char* out, std::size_t width) {
    skipSpace();
    std::size_t end = pos_;
    while (end < line_.size() && !isSpace(line_[end])) ++end;
    if (end == pos_) return false;
    std::size_t n = end - pos_;
    if (n > width) n = width;
    line_.copy(out, n, pos_);
    out[n] = '\0';
    pos_ += n;
    return true;
}

} // namespace varn
