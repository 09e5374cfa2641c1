#pragma once

#include "engine/alleles/AlleleReadings.h"
#include "engine/allelic/SampleSex.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace varn {

// The results of the allele stages kept between calls, each beside the key of what
// it was computed from (ContentKey): the joint fit, the allele-specific decoder, the B-allele
// fraction panel and the exports read the same alleles of the same sample, and each reading of a
// whole array takes longer than the analysis itself. A result is used again only when its key
// matches the document's state now; a handful of the latest are kept (one array, the other,
// both merged, a paired analysis).
struct AlleleCache {
    template <typename T> struct Kept {
        std::uint64_t key = 0;
        std::shared_ptr<const T> value;
    };
    std::vector<Kept<AlleleReadings>> readings;
    std::vector<Kept<PoolSexes>> poolSexes;

    // The kept value of this key, else make() kept in place of the oldest.
    template <typename T, typename Make>
    static std::shared_ptr<const T> find(std::vector<Kept<T>>& kept, std::uint64_t key, Make make) {
        for (std::size_t i = 0; i < kept.size(); ++i)
            if (kept[i].key == key) {
                Kept<T> hit = kept[i];
                kept.erase(kept.begin() + static_cast<std::ptrdiff_t>(i));
                kept.push_back(hit);
                return hit.value;
            }
        auto value = std::make_shared<const T>(make());
        if (kept.size() >= kCapacity) kept.erase(kept.begin());
        kept.push_back({key, value});
        return value;
    }

    static constexpr std::size_t kCapacity = 4;
};

} // namespace varn
