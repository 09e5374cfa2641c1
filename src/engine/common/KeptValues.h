#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace varn {

// Results kept between calls, each beside the key of what it was computed from (ContentKey): a
// result is used again only when its key matches the state now; a handful of the latest are kept.
template <typename T> struct Kept {
    std::uint64_t key = 0;
    std::shared_ptr<const T> value;
};

inline constexpr std::size_t kKeptCapacity = 4;

// The kept value of this key, else make() kept in place of the oldest.
template <typename T, typename Make>
std::shared_ptr<const T> findKept(std::vector<Kept<T>>& kept, std::uint64_t key, Make make) {
    for (std::size_t i = 0; i < kept.size(); ++i)
        if (kept[i].key == key) {
            Kept<T> hit = kept[i];
            kept.erase(kept.begin() + static_cast<std::ptrdiff_t>(i));
            kept.push_back(hit);
            return hit.value;
        }
    auto value = std::make_shared<const T>(make());
    if (kept.size() >= kKeptCapacity) kept.erase(kept.begin());
    kept.push_back({key, value});
    return value;
}

} // namespace varn
