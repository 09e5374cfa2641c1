#pragma once

#include "engine/alleles/AlleleClusters.h"
#include "engine/alleles/SnpLabelling.h"

#include <vector>

// The array-wide relation of the allele model (stages 1 and 2 of the learning): the spacing of
// adjacent genotypes, the clusters' spreads and where AB centres lie over the array, first from
// the differences between references, then measured on the labelled clusters.
namespace varn::learning {

// The relation measured over the SNPs' clusters; what cannot be measured stays as in previous.
AlleleRelation measureRelation(const std::vector<SnpClusters>& clusters, const AlleleRelation& previous);

// The relation as the model file keeps it (six decimals).
AlleleRelation roundedForFile(AlleleRelation r);

// The first guess of the relation, from the differences of L between references at each SNP
// (stage 1). False when the differences show no gap between genotypes.
bool firstRelation(const SnpMajor& data, int count, int stride, AlleleRelation& r);

} // namespace varn::learning
