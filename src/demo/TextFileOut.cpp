#include "TextFileOut.h"

#include <cmath>
#include <cstdarg>

namespace varn::demo {

TextFileOut::TextFileOut(const std::filesystem::path& path) : file_(std::fopen(path.c_str(), "wb")) {
    buffer_.reserve(kBufferSize + 4096);
}

TextFileOut::~TextFileOut() { close(); }

void TextFileOut::flush() {
    if (file_ != nullptr && !buffer_.empty() &&
        std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size())
        failed_ = true;
    buffer_.clear();
}

void TextFileOut::put(std::string_view text) {
    buffer_.append(text);
    if (buffer_.size() >= kBufferSize) flush();
}

// Digits are formed backwards in a small array and appended at once: a character at a time
// into the buffer cost a capacity check each, and the sample files hold millions of numbers.
void TextFileOut::putInt(long long value) {
    char text[24];
    char* const end = text + sizeof text;
    char* p = end;
    const bool negative = value < 0;
    unsigned long long v = negative ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    do {
        *--p = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    if (negative) *--p = '-';
    buffer_.append(p, static_cast<std::size_t>(end - p));
    if (buffer_.size() >= kBufferSize) flush();
}

void TextFileOut::putTenths(double value) {
    unsigned long long v = value > 0.0 ? static_cast<unsigned long long>(std::llround(value * 10.0)) : 0;
    char text[24];
    char* const end = text + sizeof text;
    char* p = end;
    *--p = static_cast<char>('0' + v % 10);
    *--p = '.';
    v /= 10;
    do {
        *--p = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    buffer_.append(p, static_cast<std::size_t>(end - p));
    if (buffer_.size() >= kBufferSize) flush();
}

void TextFileOut::putFourDecimals(double value) {
    const auto v = static_cast<unsigned long long>(std::llround(std::abs(value) * 10000.0));
    if (v != 0 && value < 0.0) buffer_.push_back('-');
    putInt(static_cast<long long>(v / 10000));
    char fraction[5] = {'.', '0', '0', '0', '0'};
    unsigned long long f = v % 10000;
    for (int k = 4; k >= 1; --k, f /= 10) fraction[k] = static_cast<char>('0' + f % 10);
    put(std::string_view(fraction, sizeof fraction));
}

void TextFileOut::printf(const char* format, ...) {
    char text[512];
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (n > 0) put(std::string_view(text, static_cast<std::size_t>(n < int(sizeof text) ? n : int(sizeof text) - 1)));
}

bool TextFileOut::close() {
    if (file_ == nullptr) return false;
    flush();
    if (std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
    return !failed_;
}

} // namespace varn::demo
