#include "engine/allelic/TinySnps.h"

#include "engine/analysis/DocumentProfile.h"

namespace varn::test {

void addChromosome(CVARNDoc& doc, BAlleleFraction& baf, int chromosome, int n,
                   const std::function<TinySnp(int i)>& f) {
    baf.arrayType = kXba;
    for (int i = 0; i < n; ++i) {
        const int slot = kXbaFirstSlot + static_cast<int>(baf.snps.size());
        const TinySnp s = f(i);
        baf.snps.push_back({slot, slot, slot, chromosome, 10000 * (i + 1), s.baf});
        doc.snpCall[slot] = s.call;
        doc.heteroRate[slot] = 0.3f;
        doc.logRatio[0][slot] = s.logRatio;
    }
}

Profile profileOf(const CVARNDoc& doc, const BAlleleFraction& baf, bool paired) {
    return documentProfile(doc, baf, paired, true);
}

TinySnp everyThirdHeterozygous(int i, float offset) {
    if (i % 3 == 1) return {0.5f + (i % 2 == 0 ? offset : -offset), kCallAB};
    return i % 2 == 0 ? TinySnp{0.01f, kCallAA} : TinySnp{0.99f, kCallBB};
}

} // namespace varn::test
