#pragma once

#include "DemoCytobands.h"

#include <cstdint>
#include <string>
#include <vector>

namespace varn::demo {

// The synthetic annotation of both arrays, in the document's three index spaces (SNP record,
// display position, merged index; 116,204 slots each).
struct DemoGenome {
    // By SNP record: what the ID and cytoband tables list, in file order.
    std::vector<int> snpId;          // the number of the identifier "SNP_A-%07d"
    std::vector<int> chromosome;     // 1..22, 23 = X, 24 = Y / unplaced
    std::vector<int> position;       // bases
    std::vector<int> fragmentLength; // bases
    std::vector<float> gcContent;    // 0 = unknown
    std::vector<int> bandStain;
    std::vector<std::string> bandName;
    std::vector<double> alleleAFrequency; // population frequency of allele A

    // By display position: record shown there, population heterozygosity.
    std::vector<int> arrangeOrder;
    std::vector<float> heteroRate;

    // By merged index: display position.
    std::vector<int> combineOrder;

    std::vector<std::vector<Band>> bands; // by chromosome 1..24
};

// Builds the annotation for a seed. Per-chromosome SNP counts follow the genome layout table for
// Xba, Hind and the merged order; within a chromosome every array's SNPs have increasing base
// positions and the two arrays' positions are distinct, so the merged order is strictly genome
// order. Records are stored in the order of their identifiers, which is not genome order.
DemoGenome makeDemoGenome(std::uint64_t seed);

// The identifier of a record as written in the sample files; it holds none of "AA", "AB", "BB",
// which the SNP-call reader looks for.
std::string snpIdentifier(const DemoGenome& genome, int snp);

} // namespace varn::demo
