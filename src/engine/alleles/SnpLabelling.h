#pragma once

#include "document/DocumentLimits.h"
#include "engine/alleles/AlleleClusters.h"
#include "engine/alleles/AlleleModelLearning.h"

#include <cstddef>
#include <vector>

// The genotype labels of one SNP's reference values (stage 2 of the learning): groups of the
// sorted values take the genotypes that explain them best, a place for the AB centre settles
// them, and values without a call may move to the cluster they are most likely in.
namespace varn::learning {

// One SNP's values (usable ones only) and their labels (genotype 0..2, -1 unknown).
struct SnpValues {
    std::vector<float> x;
    std::vector<signed char> call;  // genotype 0..2 from a call file, -1 none
    std::vector<signed char> label; // genotype 0..2
    // Scratch of the labelling, kept from SNP to SNP.
    std::vector<std::size_t> order, starts;
    std::vector<signed char> first, best;
};

// The SNP-major view of the references' values, where the labelling reads them.
struct SnpMajor {
    int references = 0;
    std::vector<float> x;          // count x references
    std::vector<signed char> call; // genotype 0..2 or -1

    SnpMajor(const ReferenceAlleles& a) : references(a.references()) {
        const std::size_t count = static_cast<std::size_t>(a.count);
        const std::size_t refs = static_cast<std::size_t>(references);
        x.resize(count * refs);
        call.resize(count * refs);
        for (std::size_t r = 0; r < refs; ++r)
            for (std::size_t i = 0; i < count; ++i) {
                x[i * refs + r] = a.contrast[r * count + i];
                const signed char c = a.calls[r * count + i];
                call[i * refs + r] = static_cast<signed char>(c >= kCallAA && c <= kCallBB ? c - 1 : -1);
            }
    }

    void gather(int i, SnpValues& v) const {
        v.x.clear();
        v.call.clear();
        const std::size_t refs = static_cast<std::size_t>(references);
        for (std::size_t r = 0; r < refs; ++r) {
            const float value = x[static_cast<std::size_t>(i) * refs + r];
            if (!std::isfinite(value)) continue;
            v.x.push_back(value);
            v.call.push_back(call[static_cast<std::size_t>(i) * refs + r]);
        }
    }
};

// Labels one SNP: called values keep their call; without any call the groups decide; then the
// values without a call may move to the cluster they are most likely in.
void labelSnp(SnpValues& v, float heteroRate, const AlleleRelation& r, const Scales& scales, int passes);

SnpClusters clustersOf(const SnpValues& v);

// The clusters of every stride-th SNP, labelled with the relation r.
std::vector<SnpClusters> labelAll(const SnpMajor& data, int count, const std::vector<float>& heteroRate,
                                  const AlleleRelation& r, int passes, int stride = 1);

} // namespace varn::learning
