#include "AlleleModel.h"

#include "document/CVARNDoc.h"
#include "document/ReferencePoolFile.h"
#include "document/SampleFileCheck.h"
#include "engine/alleles/AlleleModelLearning.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace varn {

namespace {

struct Fnv1a {
    std::uint64_t h = 1469598103934665603ULL;
    void bytes(const void* data, std::size_t n) {
        const auto* p = static_cast<const unsigned char*>(data);
        for (std::size_t k = 0; k < n; ++k) {
            h ^= p[k];
            h *= 1099511628211ULL;
        }
    }
    void int32(std::int32_t v) {
        const unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                    static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
        bytes(b, 4);
    }
};

std::string modelFileName(const std::filesystem::path& pool) {
    return std::filesystem::path(pool).replace_extension(".alleles").filename().string();
}

} // namespace

float alleleContrast(float alleleA, float alleleB) {
    if (!(alleleA > 0.0f) || !(alleleB > 0.0f) || !std::isfinite(alleleA) || !std::isfinite(alleleB))
        return std::numeric_limits<float>::quiet_NaN();
    return std::log(alleleB / alleleA);
}

std::uint64_t poolKeyOf(const CVARNDoc& doc, int t) {
    Fnv1a f;
    f.int32(t);
    const int rows = (t == kXba || t == kHind) ? doc.refCount[t] : 0;
    f.int32(rows);
    for (int r = 1; r < rows && r < kPoolRows; ++r) {
        const char* name = doc.poolSampleName[t][r];
        f.bytes(name, strnlen(name, kPoolNameBytes));
        const unsigned char zero = 0;
        f.bytes(&zero, 1);
        std::uint32_t bits = 0;
        std::memcpy(&bits, &doc.poolRowMean[t][r], 4);
        f.int32(static_cast<std::int32_t>(bits));
    }
    return f.h;
}

std::string poolDisplayName(const CVARNDoc& doc, int t) {
    if ((t == kXba || t == kHind) && !doc.poolFile[t].empty()) return doc.poolFile[t].filename().string();
    return std::string("the ") + arrayName(t) + " reference pool";
}

std::string alleleModelUnavailableReason(const CVARNDoc& doc, int t) {
    if (t == kCombined) {
        const std::string xba = alleleModelUnavailableReason(doc, kXba);
        const std::string hind = alleleModelUnavailableReason(doc, kHind);
        return xba.empty() ? hind : (hind.empty() ? xba : xba + "; " + hind);
    }
    if (t != kXba && t != kHind) return "the allele model is kept per array, Xba 50K or Hind 50K";
    if (doc.refCount[t] < 1) return std::string("no ") + arrayName(t) + " reference pool is loaded";
    const std::string pool = poolDisplayName(doc, t);
    const int references = doc.refCount[t] - 1;
    if (references < kAlleleLearning.minimumReferences)
        return "the allele model needs at least three references; " + pool + " has " +
               std::to_string(references);
    const AlleleModel& m = doc.alleleModel[t];
    if (!m.empty()) {
        if (m.arrayType == t && m.references == references && m.poolKey == poolKeyOf(doc, t)) return {};
        return "the allele model in memory was learned for another pool than " + pool;
    }
    if (!doc.alleleModelProblem[t].empty()) return doc.alleleModelProblem[t];
    if (doc.poolFile[t].empty()) return pool + " has no allele model";
    return pool + " has no allele model (" + modelFileName(doc.poolFile[t]) + ")";
}

} // namespace varn
