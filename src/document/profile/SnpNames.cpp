#include "document/profile/SnpNames.h"

#include "document/profile/RowGather.h"

#include <utility>

namespace varn {

bool SnpNames::anyBlank() const {
    for (std::uint64_t span : spans_)
        if ((span & kLengthMask) == 0) return true;
    return false;
}

void SnpNames::reserve(std::size_t count, std::size_t bytes) {
    spans_.reserve(count);
    text_.reserve(bytes);
}

void SnpNames::resize(std::size_t count) {
    spans_.resize(count, std::uint64_t{text_.size()} << kLengthBits);
}

void SnpNames::clear() {
    text_.clear();
    spans_.clear();
}

void SnpNames::append(const SnpNames& other) {
    const std::uint64_t shift = std::uint64_t{text_.size()} << kLengthBits;
    text_.append(other.text_);
    spans_.reserve(spans_.size() + other.spans_.size());
    for (std::uint64_t span : other.spans_) spans_.push_back(span + shift);
}

void SnpNames::reorder(const std::vector<std::uint32_t>& rows) {
    std::vector<std::uint64_t> ordered(rows.size());
    gatherRows(spans_.data(), rows, ordered.data());
    spans_ = std::move(ordered);
}

} // namespace varn
