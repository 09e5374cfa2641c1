// Segments of a decoded pool-mode profile: the runs of equal HMM state along each chromosome,
// split where LOH begins or ends.
//
// Only decoded positions take part: usable fragments with a finite log ratio, the positions the
// HMM was given. The others keep whatever state they held before and would put boundaries where
// the decoding never looked. The X chromosome is not decoded (its copy number depends on the
// sexes of sample and references), so it is cut by its LOH calls alone and has no copy number.
//
// The LOH score gives every SNP of a run the run's best total, so calls come in long stretches;
// but one AB call inside a lost region (a genotyping error) restarts the run and leaves that SNP
// at 0. An interior stretch of at most kLohStrayPositions positions whose call differs from the
// calls on both sides therefore takes theirs. Stretches at the ends of a chromosome keep their
// call. A real LOH region is never that short: a score above 30 needs dozens of homozygous SNPs.
#include "HmmSegments.h"

#include "document/CVARNDoc.h"
#include "document/ChromosomeTable.h"
#include "document/SampleName.h"

#include <algorithm>
#include <cmath>

namespace varn {

namespace {

struct Point {
    int index; // display index
    int chromosome;
    int position;
    float ln;
    int state;
    float lohScore;
    int minor;
};


// The decoded positions of display indices [from, to) in display order (merged order for the
// merged profile). The LOH score is held by display index, which for the merged profile is the
// merged index.
std::vector<Point> decodedPoints(const CVARNDoc& doc, int t, int from, int to) {
    std::vector<Point> points;
    points.reserve(static_cast<std::size_t>(std::max(0, to - from)));
    for (int i = std::max(0, from); i < to && i < kSlots; ++i) {
        const int pos = t == kCombined ? doc.combineOrder[i] : i;
        if (!inSlots(pos)) continue;
        const int snp = doc.arrangeOrder[pos];
        if (!inSlots(snp)) continue;
        const int ch = doc.snpChromosome[snp];
        const float ln = doc.logRatio[0][pos];
        if (ch < 1 || ch > kChromosomeX || doc.positionUsable[pos] != 1 || !std::isfinite(ln)) continue;
        // The allele-specific decoder may decode X too; its minor copies mark what it decoded.
        const int minor = doc.hmmMinorCopies.empty() ? -1 : doc.hmmMinorCopies[static_cast<std::size_t>(pos)];
        const int state = ch == kChromosomeX && minor < 0 ? -1 : doc.hmmState[0][pos];
        points.push_back({i, ch, doc.snpPosition[snp], ln, state, doc.lohScore[i], minor});
    }
    return points;
}

// The LOH call of points [begin, end) of one chromosome, with interior stray stretches taking
// their neighbours' call. Stretches alternate, so an absorbed one joins both neighbours into one.
std::vector<char> lohCalls(const std::vector<Point>& points, std::size_t begin, std::size_t end) {
    std::vector<char> calls(end - begin);
    for (std::size_t i = begin; i < end; ++i) calls[i - begin] = points[i].lohScore > kLohCallThreshold;
    std::size_t runStart = 0;
    int previous = -1; // the call of the stretch before the current one, after absorption
    while (runStart < calls.size()) {
        std::size_t runEnd = runStart;
        while (runEnd < calls.size() && calls[runEnd] == calls[runStart]) ++runEnd;
        const bool interior = previous >= 0 && runEnd < calls.size();
        if (interior && runEnd - runStart <= static_cast<std::size_t>(kLohStrayPositions))
            std::fill(calls.begin() + static_cast<std::ptrdiff_t>(runStart),
                      calls.begin() + static_cast<std::ptrdiff_t>(runEnd), static_cast<char>(previous));
        else
            previous = calls[runStart];
        runStart = runEnd;
    }
    return calls;
}

CopyNumberSegment summarise(const std::vector<Point>& points, std::size_t begin, std::size_t end, bool loh) {
    CopyNumberSegment s;
    s.chromosome = points[begin].chromosome;
    s.start = points[begin].position;
    s.end = points[end - 1].position;
    s.markers = static_cast<int>(end - begin);
    s.copyNumber = points[begin].state;
    s.minorCopies = points[begin].minor;
    s.loh = loh;
    double sumLn = 0, sumLoh = 0, maxLoh = points[begin].lohScore;
    for (std::size_t i = begin; i < end; ++i) {
        sumLn += points[i].ln;
        sumLoh += points[i].lohScore;
        maxLoh = std::max(maxLoh, static_cast<double>(points[i].lohScore));
    }
    s.meanLn = sumLn / s.markers;
    s.lohMean = sumLoh / s.markers;
    s.lohMax = maxLoh;
    s.firstIndex = points[begin].index;
    s.lastIndex = points[end - 1].index;
    return s;
}

void segmentChromosome(const std::vector<Point>& points, std::size_t begin, std::size_t end,
                       std::vector<CopyNumberSegment>& out) {
    std::vector<char> calls = lohCalls(points, begin, end);
    // Where the allele-specific HMM decoded, its states carry LOH themselves (no minor copy left):
    // the score's calls, which lag a stretch's ends, would only cut its segments again.
    for (std::size_t i = begin; i < end; ++i)
        if (points[i].minor >= 0) calls[i - begin] = points[i].minor == 0 && points[i].state >= 1;
    std::size_t start = begin;
    for (std::size_t i = begin + 1; i <= end; ++i) {
        if (i < end && points[i].state == points[i - 1].state && points[i].minor == points[i - 1].minor &&
            calls[i - begin] == calls[i - 1 - begin])
            continue;
        out.push_back(summarise(points, start, i, calls[start - begin] != 0));
        start = i;
    }
}

std::vector<CopyNumberSegment> segmentsOf(const std::vector<Point>& points) {
    std::vector<CopyNumberSegment> segments;
    std::size_t begin = 0;
    while (begin < points.size()) {
        std::size_t end = begin + 1;
        while (end < points.size() && points[end].chromosome == points[begin].chromosome) ++end;
        segmentChromosome(points, begin, end, segments);
        begin = end;
    }
    return segments;
}

} // namespace

std::vector<CopyNumberSegment> buildSegments(const CVARNDoc& doc, int t) {
    if (t < kCombined || t > kHind) return {};
    std::vector<CopyNumberSegment> segments =
        segmentsOf(decodedPoints(doc, t, doc.snpFirst[t], doc.snpLast[t] + 1));
    std::stable_sort(
        segments.begin(), segments.end(), [](const CopyNumberSegment& a, const CopyNumberSegment& b) {
            return a.chromosome != b.chromosome ? a.chromosome < b.chromosome : a.start < b.start;
        });
    return segments;
}

std::vector<CopyNumberSegment> chromosomeSegments(const CVARNDoc& doc, int t, int start, int end) {
    if (t < kCombined || t > kHind) return {};
    return segmentsOf(decodedPoints(doc, t, start, end));
}

std::string segmentSampleName(const CVARNDoc& doc, int t) {
    if (t == kCombined)
        return std::string(sampleName(doc.poolSampleName[kXba][0])) + "and" +
               std::string(sampleName(doc.poolSampleName[kHind][0]));
    return std::string(sampleName(doc.poolSampleName[t][0]));
}

} // namespace varn
