#include "PoolAlleleModel.h"

#include "document/CVARNDoc.h"
#include "engine/common/RobustStatistics.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <system_error>

namespace varn {

namespace {
constexpr int kGroups = 10; // probe groups of a SNP: allele A is probe 4j, allele B probe 4j + 1

// True when a reference's contrasts hardly spread about their median (or none is usable).
bool readsAlike(const std::vector<float>& contrast) {
    std::vector<double> finite;
    finite.reserve(contrast.size());
    for (const float l : contrast)
        if (std::isfinite(l)) finite.push_back(l);
    if (finite.size() < 2) return true;
    const float median = static_cast<float>(medianOf(finite));
    // The deviations in single precision, as the contrasts are.
    for (double& l : finite) l = std::fabs(static_cast<float>(l) - median);
    return medianOf(finite) < kAlleleLearning.summarisedSpread;
}
} // namespace

std::vector<float> heteroRateByRecord(const CVARNDoc& doc, int t) {
    const int first = doc.snpFirst[t];
    std::vector<float> rate(static_cast<std::size_t>(doc.snpLast[t] - first + 1), 0.0f);
    for (int pos = first; pos <= doc.snpLast[t]; ++pos) {
        const int snp = doc.arrangeOrder[pos];
        if (snp >= first && snp <= doc.snpLast[t])
            rate[static_cast<std::size_t>(snp - first)] = doc.heteroRate[pos];
    }
    return rate;
}

ReferenceAlleles startReferenceAlleles(const CVARNDoc& doc, int t) {
    ReferenceAlleles alleles;
    alleles.arrayType = t;
    alleles.first = doc.snpFirst[t];
    alleles.count = doc.snpLast[t] - doc.snpFirst[t] + 1;
    return alleles;
}

void collectReferenceAlleles(ReferenceAlleles& alleles, const CVARNDoc& doc,
                             const std::filesystem::path& signalPath) {
    const int first = alleles.first;
    std::vector<float> contrast(static_cast<std::size_t>(alleles.count));
    for (int k = 0; k < alleles.count; ++k) {
        float a = 0.0f, b = 0.0f;
        for (int j = 0; j < kGroups; ++j) {
            a += doc.probeIntensity[4 * j][first + k];
            b += doc.probeIntensity[4 * j + 1][first + k];
        }
        contrast[static_cast<std::size_t>(k)] = alleleContrast(a, b);
    }
    if (readsAlike(contrast)) {
        // A summarised file: one number for both alleles. It stays a reference of the pool (the
        // total signal is all the pool keeps of it) but tells nothing about the clusters.
        std::fill(contrast.begin(), contrast.end(), std::numeric_limits<float>::quiet_NaN());
        alleles.summarised.push_back(signalPath.filename().string());
        alleles.add(contrast.data(), nullptr);
        return;
    }
    std::filesystem::path callPath = signalPath;
    callPath.replace_filename(signalPath.stem().string() + "_snp.txt");
    std::error_code ec;
    std::vector<signed char> calls;
    const bool labelled = std::filesystem::is_regular_file(callPath, ec) &&
                          doc.ReadReferenceCalls(alleles.arrayType, callPath, calls) == 0;
    alleles.add(contrast.data(), labelled ? calls.data() : nullptr);
}

void learnPoolAlleleModel(CVARNDoc& doc, int t, const ReferenceAlleles& alleles) {
    doc.alleleModel[t] = AlleleModel{};
    doc.alleleModelProblem[t].clear();
    if (alleles.references() < kAlleleLearning.minimumReferences) return;
    AlleleModel model;
    std::string problem;
    if (!learnAlleleModel(alleles, heteroRateByRecord(doc, t), model, problem)) {
        doc.alleleModelProblem[t] = "the allele model could not be learned: " + problem;
        return;
    }
    model.poolKey = poolKeyOf(doc, t);
    doc.alleleModel[t] = std::move(model);
}

void extendPoolAlleleModel(CVARNDoc& doc, int t, const ReferenceAlleles& added, bool modelWasUsable) {
    doc.alleleModelProblem[t].clear();
    if (!modelWasUsable) {
        doc.alleleModel[t] = AlleleModel{};
        return;
    }
    AlleleModel& model = doc.alleleModel[t];
    updateAlleleModel(model, added, heteroRateByRecord(doc, t));
    model.poolKey = poolKeyOf(doc, t);
}

} // namespace varn
