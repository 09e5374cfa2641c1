// The allele readings and the pool's sexes, and the keys they are kept under. A key takes in every
// value its computation reads, gathered the way the computation walks them (display position to
// SNP record), so that a changed call, signal, cluster centre, usable flag or display order can
// never bring back a reading of another state.
#include "AlleleReadings.h"

#include "document/CVARNDoc.h"
#include "document/SampleName.h"
#include "engine/alleles/AlleleModelCentres.h"
#include "engine/alleles/PairedAlleleCentres.h"
#include "engine/analysis/AlleleCache.h"
#include "engine/analysis/DocumentProfile.h"
#include "engine/common/ContentKey.h"
#include "engine/common/SideBySide.h"

#include <algorithm>

namespace varn {

namespace {


std::string sampleOf(const CVARNDoc& doc, int a) { return std::string(sampleName(doc.poolSampleName[a][0])); }

// One store for the process: a key takes in every value read, so that readings of two documents
// in the same state are the same readings. (Nothing here runs on more than one thread.)
AlleleCache& cache() {
    static AlleleCache cache;
    return cache;
}

template <typename T> void addVector(ContentKey& key, const std::vector<T>& values) {
    key.addRange(values.data(), values.size());
}

// Indices first..last fed in by addOne(key, i), in blocks keyed side by side on the machine's
// cores; the blocks' keys then go in, in order. A change anywhere changes its block's key (each
// step of a key is one-to-one in a single word), and so the whole.
template <class AddOne> void addBlocks(ContentKey& key, int first, int last, const AddOne& addOne) {
    constexpr int kBlock = 8192;
    const std::size_t blocks = last >= first ? static_cast<std::size_t>((last - first) / kBlock + 1) : 0;
    std::vector<std::uint64_t> parts(blocks);
    sideBySide(blocks, [&](std::size_t b) {
        ContentKey part;
        const int from = first + static_cast<int>(b) * kBlock, to = std::min(last, from + kBlock - 1);
        for (int i = from; i <= to; ++i) addOne(part, i);
        parts[b] = part.value();
    });
    key.add(blocks);
    for (std::uint64_t p : parts) key.add(p);
}

std::uint64_t readingsKey(const CVARNDoc& doc, int t, bool paired) {
    ContentKey key;
    key.add(t);
    key.add(paired);
    if (t < kCombined || t > kHind) return key.value();
    // The SNPs in display order with what the B-allele fraction and the informative SNPs read.
    key.add(doc.snpFirst[t]);
    key.add(doc.snpLast[t]);
    addBlocks(key, std::max(0, doc.snpFirst[t]), std::min(kSlots - 1, doc.snpLast[t]), [&](ContentKey& k, int i) {
        const int pos = t == kCombined ? doc.combineOrder[i] : i;
        if (!inSlots(pos)) {
            k.add(pos);
            return;
        }
        const int record = doc.arrangeOrder[pos];
        k.addPair(pos, record);
        k.addPair(doc.positionUsable[pos], doc.heteroRate[pos]);
        if (!inSlots(record)) return;
        k.addPair(doc.snpChromosome[record], doc.snpPosition[record]);
        k.addPair(doc.alleleASignal[0][record], doc.alleleBSignal[0][record]);
        k.addPair(doc.snpCall[record], doc.normalSnpCall[record]);
    });
    // Each array's records as the summarised-signal check and the clusters read them.
    for (int a = firstArrayOf(t); a <= lastArrayOf(t); ++a) {
        key.addText(sampleOf(doc, a));
        key.add(doc.snpFirst[a]);
        key.add(doc.snpLast[a]);
        for (int row = 0; row <= (paired ? 1 : 0); ++row)
            addBlocks(key, std::max(0, doc.snpFirst[a]), std::min(kSlots - 1, doc.snpLast[a]), [&](ContentKey& k, int r) {
                k.addPair(doc.alleleASignal[row][r], doc.alleleBSignal[row][r]);
                if (row == 1) k.add(doc.normalSnpCall[r]);
            });
        if (paired) continue;
        const AlleleModel& m = doc.alleleModel[a];
        key.add(m.arrayType);
        key.add(m.references);
        key.add(m.poolKey);
        key.add(m.first);
        addVector(key, m.centreAA);
        addVector(key, m.centreAB);
        addVector(key, m.centreBB);
    }
    return key.value();
}

std::uint64_t poolSexesKey(const CVARNDoc& doc, int t) {
    ContentKey key;
    key.add(t);
    if (t != kXba && t != kHind) return key.value();
    const AlleleModel& m = doc.alleleModel[t];
    const int references = doc.refCount[t] - 1;
    key.add(references);
    key.add(m.arrayType);
    key.add(m.first);
    addVector(key, m.centreAB);
    addVector(key, m.countAB);
    key.add(doc.snpFirst[t]);
    key.add(doc.snpLast[t]);
    addBlocks(key, doc.snpFirst[t], doc.snpLast[t], [&](ContentKey& k, int pos) {
        const int snp = doc.arrangeOrder[pos];
        k.addPair(snp, doc.heteroRate[pos]);
        if (!inSlots(snp)) return;
        k.add(doc.snpChromosome[snp]);
        for (int row = 1; row <= references; row += 2)
            k.addPair(doc.poolSignal[row][snp], row < references ? doc.poolSignal[row + 1][snp] : 0.0f);
    });
    return key.value();
}

} // namespace

AlleleReadings readAlleles(const CVARNDoc& doc, int t, bool paired) {
    AlleleReadings out;
    ArrayCentres centres[3];
    for (int a = firstArrayOf(t); a <= lastArrayOf(t); ++a) {
        out.why = summarisedAllelesReason(doc, a, 0, sampleOf(doc, a));
        if (paired && out.why.empty())
            out.why = summarisedAllelesReason(doc, a, 1, "the paired normal of " + sampleOf(doc, a));
        if (!out.why.empty()) return out;
        centres[a] = paired ? centresFromNormal(doc, a) : centresOfModel(doc, a);
        if (centres[a].empty()) {
            out.why = paired ? "the paired normal of " + sampleOf(doc, a) +
                                   " has too few SNPs of each genotype to place the allele clusters"
                             : alleleModelMissing(doc, a);
            return out;
        }
    }
    out.baf = bAlleleFraction(doc, t, centres);
    const Profile profile = documentProfile(doc, out.baf, paired, true);
    out.informative = paired ? informativeFromNormal(profile) : informativeFromSample(profile);
    return out;
}

AlleleReadings arrayPartOf(const AlleleReadings& merged, int a) {
    AlleleReadings out;
    out.why = merged.why;
    out.baf.arrayType = a;
    out.informative.homozygousNoise = merged.informative.homozygousNoise;
    out.informative.fromNormal = merged.informative.fromNormal;
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < merged.baf.snps.size(); ++i) {
        const int pos = merged.baf.snps[i].pos;
        if (arrayOfSlot(pos) == a) order.push_back(i);
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t x, std::size_t y) { return merged.baf.snps[x].pos < merged.baf.snps[y].pos; });
    for (std::size_t i : order) {
        AlleleSnp snp = merged.baf.snps[i];
        snp.index = snp.pos;
        out.baf.snps.push_back(snp);
        out.informative.informative.push_back(merged.informative.informative[i]);
        out.informative.count += merged.informative.informative[i] != 0;
    }
    return out;
}

std::shared_ptr<const AlleleReadings> keptAlleleReadings(const CVARNDoc& doc, int t, bool paired) {
    return findKept(cache().readings, readingsKey(doc, t, paired),
                             [&] { return readAlleles(doc, t, paired); });
}

std::shared_ptr<const PoolSexes> keptPoolSexes(const CVARNDoc& doc, int t) {
    return findKept(cache().poolSexes, poolSexesKey(doc, t), [&] { return poolSexes(doc, t); });
}

void forgetKeptAlleles(bool poolsToo) {
    cache().readings.clear();
    if (poolsToo) cache().poolSexes.clear();
}

} // namespace varn
