#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>

namespace varn {

// Heap storage for one of the document's fixed-capacity tables, zero-filled. calloc takes large
// blocks straight from the kernel as zero pages, so capacity that an analysis never touches (most
// of the 200 pool rows, most HMM state rows) never becomes resident memory. T may itself be an
// array type, so ZeroedArray<float[kSlots]> poolSignal(200) is indexed poolSignal[row][snp].
template <typename T>
class ZeroedArray {
public:
    explicit ZeroedArray(std::size_t count)
        : data_(static_cast<T*>(std::calloc(count, sizeof(T)))), count_(count) {
        if (data_ == nullptr) throw std::bad_alloc();
    }
    ~ZeroedArray() { std::free(data_); }
    ZeroedArray(const ZeroedArray&) = delete;
    ZeroedArray& operator=(const ZeroedArray&) = delete;

    T& operator[](std::size_t i) { return data_[i]; }
    const T& operator[](std::size_t i) const { return data_[i]; }
    T* data() { return data_; }
    const T* data() const { return data_; }
    std::size_t size() const { return count_; }

private:
    T* data_;
    std::size_t count_;
};

} // namespace varn
