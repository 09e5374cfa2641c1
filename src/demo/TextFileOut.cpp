#include "TextFileOut.h"

#include <cmath>
#include <cstdarg>

namespace varn::demo {

namespace {
constexpr std::size_t kBufferSize = 1 << 20;
}

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

void TextFileOut::put(char c) {
    buffer_.push_back(c);
    if (buffer_.size() >= kBufferSize) flush();
}

void TextFileOut::putInt(long long value) {
    char digits[24];
    int n = 0;
    const bool negative = value < 0;
    unsigned long long v = negative ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    do {
        digits[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    if (negative) buffer_.push_back('-');
    while (n > 0) buffer_.push_back(digits[--n]);
    if (buffer_.size() >= kBufferSize) flush();
}

void TextFileOut::putTenths(double value) {
    const long long tenths = value > 0.0 ? std::llround(value * 10.0) : 0;
    putInt(tenths / 10);
    buffer_.push_back('.');
    buffer_.push_back(static_cast<char>('0' + tenths % 10));
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
