#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace varn {

// A profile's SNP names: their characters end to end in one text, and for each name where in
// the text it lies. 2.5 million names of about ten characters take 45 MB this way against 80 MB
// as strings, the reading's joining copies bytes instead of moving string objects, and putting
// the SNPs in genome order moves only the spans: the text stays as it was read.
class SnpNames {
  public:
    std::size_t size() const { return spans_.size(); }
    bool empty() const { return spans_.empty(); }
    std::string_view operator[](std::size_t i) const {
        return std::string_view(text_.data() + (spans_[i] >> kLengthBits), spans_[i] & kLengthMask);
    }
    // Whether some name is blank.
    bool anyBlank() const;

    void push_back(std::string_view name) {
        name = name.substr(0, kLengthMask); // no line is this long; the span must not overflow
        spans_.push_back((std::uint64_t{text_.size()} << kLengthBits) | name.size());
        text_.append(name);
    }
    // Room for count names of bytes characters in all.
    void reserve(std::size_t count, std::size_t bytes);
    // count names: the first ones kept, blank ones added.
    void resize(std::size_t count);
    void clear();
    // other's names after these.
    void append(const SnpNames& other);
    // Keeps the names of rows, in that order.
    void reorder(const std::vector<std::uint32_t>& rows);

  private:
    // A span is the name's offset in the text above its length's bits. A name is one field of a
    // line, and lines are at most 4 MiB (TextStream::kMaxLine): 23 bits hold its length, the
    // other 41 an offset of up to 2 TB.
    static constexpr int kLengthBits = 23;
    static constexpr std::uint64_t kLengthMask = (std::uint64_t{1} << kLengthBits) - 1;

    std::string text_;
    std::vector<std::uint64_t> spans_;
};

} // namespace varn
