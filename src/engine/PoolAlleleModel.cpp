#include "PoolAlleleModel.h"

#include "document/CVARNDoc.h"

#include <system_error>

namespace varn {

namespace {
constexpr int kGroups = 10; // probe groups of a SNP: allele A is probe 4j, allele B probe 4j + 1
} // namespace

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
