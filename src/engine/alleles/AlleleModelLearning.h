#pragma once

#include "engine/alleles/AlleleModel.h"

#include <string>
#include <vector>

namespace varn {

// The learning's constants, each with where its value comes from.
struct AlleleLearningConstants {
    // Below three references no SNP can show two clusters and a value between them, and the
    // array-wide spacing rests on too few pairs: the model is not learned.
    int minimumReferences = 3;
    // A summarised signal file writes one number for all probes of a SNP, so its allele contrast
    // has no spread over the array; a real reference spreads it over about +-2 (the SNPs' kappa
    // and the genotype clusters ln c ~ 2 apart). A reference whose contrasts lie within this of
    // their median at half the SNPs or more (median absolute deviation) measures no alleles and
    // is left out of the clusters.
    double summarisedSpread = 0.01;
    // The array-wide relation counts as this many references in every centre ("a few
    // references"): a cluster of one member is pulled two thirds of the way to where the relation
    // puts it, one of twenty moves by a tenth. Two is about the ratio of a single reference's
    // noise variance (spread^2, 0.1^2 on the demo) to the SNP-to-SNP variance of the spacing
    // on an array whose cross-hybridisation varies by a few percent from SNP to SNP.
    double priorWeight = 2.0;

    // The population heterozygosity rate, as the prior of AB, is kept inside [0.02, 0.98]: a rate
    // of 0 (monomorphic in the population the table was measured in) must not forbid a
    // heterozygous reference from another population.
    double minimumHeteroRate = 0.02;
    // Within-SNP differences of L are binned this finely (units of L) up to this range to find
    // the spacing of adjacent genotypes; 0.01 is a tenth of one reference's noise on the demo.
    double differenceBin = 0.01;
    double differenceRange = 8.0;
    // The histogram takes every pair among the first ten references of each SNP (45 pairs): a
    // larger pool adds no shape to it, the array has 57,000 SNPs.
    int histogramReferences = 10;
    // The relation is measured over SNPs whose three clusters hold at least two members each when
    // the array has this many such SNPs (ten references give tens of thousands); otherwise over
    // SNPs whose two clusters in question hold a member each (three references).
    int relationSnps = 1000;
    // The relation is measured on every n-th SNP, n chosen so that about this many are looked
    // at: it is a median over the array, and 15,000 SNPs fix it to a few thousandths.
    int relationSample = 15000;
    // The spread of the AB centres over the array, the measurement noise taken out, is kept at
    // least half a reference's noise: an array whose kappa hardly varies must not make the AB
    // place of a one-cluster SNP more certain than its own members could.
    double centreABSdFloor = 0.5;
    // A SNP's labels are settled from the groups' labelling and from it moved one genotype down
    // and up, unless each of its clusters holds at least this many members: the other starts
    // win at 0.4 % of the SNPs of ten references on a crowded array whose clusters hold three
    // or more, and at none of the demo's; a large pool's SNPs mostly skip them.
    int solidCluster = 10;
    // A value is a member of the nearest cluster by likelihood; with the labels of the SNP's
    // groups settled, one pass of reassignment lets a stray value change its cluster.
    int reassignmentPasses = 1;
};
inline constexpr AlleleLearningConstants kAlleleLearning{};

// The allele contrasts of a pool's references, one reference after the other as their signal
// files are read, with the genotypes of the references whose SNP-call file lies beside their
// signal file.
struct ReferenceAlleles {
    int arrayType = 0;
    int first = 0;                  // snpFirst of the array
    int count = 0;                  // records of the array
    std::vector<float> contrast;    // references x count, NaN where a value is unusable
    std::vector<signed char> calls; // references x count; 0 where not known (no call file, NoCall)
    int withCalls = 0;              // references whose call file labelled their values
    // Signal files whose allele probes read alike at every SNP (summarised files): counted as
    // references of the pool, their values unusable (NaN).
    std::vector<std::string> summarised;

    int references() const {
        return count == 0 ? 0 : static_cast<int>(contrast.size() / static_cast<std::size_t>(count));
    }
    // Appends one reference: count contrasts and, when known, its calls (1 AA, 2 AB, 3 BB, else
    // unknown).
    void add(const float* values, const signed char* callsOrNull);
};

// Learns the clusters of every SNP from the references (needs kAlleleLearning.minimumReferences).
// False, with the reason in problem, when it cannot.
bool learnAlleleModel(const ReferenceAlleles& alleles, const std::vector<float>& heteroRate,
                      AlleleModel& model, std::string& problem);

// Adds references to a model: each added value joins the cluster it is most likely in (or its
// call's), the clusters' statistics take it in, and the relation and the centres are worked out
// again. The old references' values are not needed.
void updateAlleleModel(AlleleModel& model, const ReferenceAlleles& added,
                       const std::vector<float>& heteroRate);

// The centres of SNP i from its clusters' statistics and the array-wide relation: each cluster's
// mean, pulled toward where the relation puts it by kAlleleLearning.priorWeight references, and
// where it has no members, that place itself.
void settleCentres(AlleleModel& model, int i);

} // namespace varn
