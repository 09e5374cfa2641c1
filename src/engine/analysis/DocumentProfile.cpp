#include "DocumentProfile.h"

#include "document/CVARNDoc.h"
#include "document/SampleName.h"

namespace varn {

Profile documentProfile(const CVARNDoc& doc, const BAlleleFraction& snps, bool paired, bool withBaf) {
    Profile p;
    const int t = snps.arrayType;
    p.sample = std::string(sampleName(doc.poolSampleName[firstArrayOf(t)][0]));
    p.logBase = paired ? LogBase::Two : LogBase::Natural;
    p.arrays = {{"Xba", Platform::Affymetrix50K}, {"Hind", Platform::Affymetrix50K}};
    const std::size_t n = snps.snps.size();
    p.chromosome.resize(n);
    p.position.resize(n);
    p.name.resize(n);
    p.logRatio.resize(n);
    p.array.resize(n);
    p.genotype.resize(n);
    p.heterozygosity.resize(n);
    if (withBaf) p.baf.resize(n);
    if (paired) p.normalGenotype.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const AlleleSnp& s = snps.snps[i];
        p.chromosome[i] = static_cast<std::uint8_t>(s.chromosome);
        p.position[i] = s.position;
        p.logRatio[i] = doc.logRatio[0][s.pos];
        p.array[i] = static_cast<std::uint8_t>(arrayOfSlot(s.pos) - kXba);
        p.genotype[i] = static_cast<std::int8_t>(doc.snpCall[s.record]);
        p.heterozygosity[i] = doc.heteroRate[s.pos];
        if (withBaf) p.baf[i] = s.baf;
        if (paired) p.normalGenotype[i] = static_cast<std::int8_t>(doc.normalSnpCall[s.record]);
    }
    return p;
}

std::vector<float> documentLohScores(const CVARNDoc& doc, const BAlleleFraction& snps) {
    std::vector<float> out(snps.snps.size());
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = doc.lohScore[snps.snps[i].index];
    return out;
}

} // namespace varn
