// Learning the genotype clusters of the allele contrast from a pool's references, which carry no
// calls. Three stages, each over the whole array:
//  1. The spacing of adjacent genotypes, from the differences of L between references at the
//     same SNP: they do not see the SNP's kappa, and pile up at 0 (same genotype), at the spacing
//     (AA-AB, AB-BB) and at twice the spacing (AA-BB).
//  2. Per SNP, the sorted values fall into groups wherever two neighbours lie more than half a
//     spacing apart; the groups take the genotypes, in order, that explain them best: the
//     population heterozygosity rate as prior, the gaps against the spacing, and the AB centre
//     they imply against where AB centres lie over the array. The relation (spacings, spreads,
//     AB centres) is then measured on the labelled clusters and the labelling done again.
//  3. Each value may move to the cluster it is most likely in; each centre is its members' mean
//     pulled toward where the relation puts it, and where a genotype has no member, that place.
#include "AlleleModelLearning.h"

#include "engine/alleles/AlleleClusters.h"
#include "engine/alleles/AlleleRelationLearning.h"
#include "engine/alleles/SnpLabelling.h"
#include "engine/analysis/ResultWording.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace varn {

using namespace learning;

namespace {

// Relation and centres from the clusters the model holds.
void settleAll(AlleleModel& m, const AlleleRelation& start) {
    std::vector<SnpClusters> clusters(static_cast<std::size_t>(m.size()));
    for (int i = 0; i < m.size(); ++i) clusters[static_cast<std::size_t>(i)] = clustersOf(m, i);
    m.relation = roundedForFile(measureRelation(clusters, start));
    for (int i = 0; i < m.size(); ++i) settleCentres(m, i);
}

} // namespace

void ReferenceAlleles::add(const float* values, const signed char* callsOrNull) {
    contrast.insert(contrast.end(), values, values + count);
    if (callsOrNull != nullptr) {
        calls.insert(calls.end(), callsOrNull, callsOrNull + count);
        ++withCalls;
    } else {
        calls.insert(calls.end(), static_cast<std::size_t>(count), static_cast<signed char>(0));
    }
}

void settleCentres(AlleleModel& m, int i) {
    const auto centre = centresOf(clustersOf(m, i), m.relation);
    const auto at = static_cast<std::size_t>(i);
    const bool none = std::isnan(centre[1]);
    m.centreAA[at] = none ? kNaN : toFile(centre[0]);
    m.centreAB[at] = none ? kNaN : toFile(centre[1]);
    m.centreBB[at] = none ? kNaN : toFile(centre[2]);
}

bool learnAlleleModel(const ReferenceAlleles& alleles, const std::vector<float>& heteroRate,
                      AlleleModel& model, std::string& problem) {
    const int refs = alleles.references();
    if (refs < kAlleleLearning.minimumReferences) {
        problem = "the allele model needs at least three references";
        return false;
    }
    const int summarised = static_cast<int>(alleles.summarised.size());
    if (refs - summarised < kAlleleLearning.minimumReferences) {
        problem = summarisedFilesText(alleles.summarised) + ", which leaves " +
                  std::to_string(refs - summarised) + " of " + std::to_string(refs) +
                  " references to learn the clusters from; it needs three";
        return false;
    }
    const SnpMajor data(alleles);
    AlleleRelation relation;
    const int stride = std::max(1, alleles.count / kAlleleLearning.relationSample);
    if (!firstRelation(data, alleles.count, stride, relation)) {
        problem = "the references' allele contrasts show no separate genotype clusters";
        return false;
    }
    // Stage 2 twice on a sample of the SNPs (the relation is a median over the array): the second
    // labelling uses the relation the first one measured. Then every SNP.
    for (int round = 0; round < 2; ++round)
        relation = measureRelation(labelAll(data, alleles.count, heteroRate, relation, 0, stride), relation);
    const auto clusters =
        labelAll(data, alleles.count, heteroRate, relation, kAlleleLearning.reassignmentPasses);

    AlleleModel m;
    m.arrayType = alleles.arrayType;
    m.references = refs;
    m.first = alleles.first;
    m.learned = alleleModelLearnedText(alleles.withCalls, refs - summarised) +
                summarisedLeftOutText(alleles.summarised);
    sizeModel(m, alleles.count);
    for (int i = 0; i < alleles.count; ++i) storeClusters(m, i, clusters[static_cast<std::size_t>(i)]);
    settleAll(m, relation);
    model = std::move(m);
    return true;
}

void updateAlleleModel(AlleleModel& model, const ReferenceAlleles& added,
                       const std::vector<float>& heteroRate) {
    const int refs = added.references();
    if (refs == 0 || model.empty() || added.count != model.size()) return;
    const SnpMajor data(added);
    const Scales scales(model.relation);
    SnpValues v;
    for (int i = 0; i < model.size(); ++i) {
        data.gather(i, v);
        if (v.x.empty()) continue;
        SnpClusters old = clustersOf(model, i);
        const auto prior = logPriors(heteroRate[static_cast<std::size_t>(i)], scales.logSpread);
        const bool seen = old[0].n + old[1].n + old[2].n > 0;
        if (seen) {
            const auto at = static_cast<std::size_t>(i);
            const std::array<double, kGenotypes> centre{model.centreAA[at], model.centreAB[at],
                                                        model.centreBB[at]};
            v.label.resize(v.x.size());
            for (std::size_t q = 0; q < v.x.size(); ++q)
                v.label[q] = v.call[q] >= 0
                                 ? v.call[q]
                                 : static_cast<signed char>(mostLikely(v.x[q], centre, prior, scales));
        } else {
            labelSnp(v, heteroRate[static_cast<std::size_t>(i)], model.relation, scales,
                     kAlleleLearning.reassignmentPasses);
        }
        const SnpClusters fresh = clustersOf(v);
        for (int g = 0; g < kGenotypes; ++g) old[g].merge(fresh[g]);
        storeClusters(model, i, old);
    }
    model.references += refs;
    model.learned =
        alleleModelGrownText(model.learned, refs, added.withCalls, static_cast<int>(added.summarised.size()));
    settleAll(model, model.relation);
}

} // namespace varn
