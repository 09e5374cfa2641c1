// Gain, loss and LOH frequencies of a cohort along the genome, from the samples' segment tables.
#include "CohortFrequency.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

namespace varn {

const char* const kCohortFrequencyHeader = "chrom\tstart\tend\tsamples\tgain\tloss\tloh";

namespace {

struct Call {
    long long start, end;
    const SegmentTableRow* row;
};

// One sample's segments on one chromosome, widened halfway across the gaps between them.
std::vector<Call> tiledCalls(const SegmentTable& sample, int chromosome) {
    std::vector<Call> calls;
    for (const SegmentTableRow& row : sample.rows)
        if (row.chromosome == chromosome) calls.push_back({row.start, row.end, &row});
    for (std::size_t k = 0; k + 1 < calls.size(); ++k) {
        const long long middle = calls[k].end + (calls[k + 1].start - calls[k].end) / 2;
        calls[k].end = middle;
        calls[k + 1].start = middle + 1;
    }
    return calls;
}

CohortFrequencyRow countAt(const std::vector<std::vector<Call>>& bySample, std::vector<std::size_t>& next,
                           int chromosome, long long from, long long to) {
    CohortFrequencyRow row{chromosome, from, to};
    for (std::size_t s = 0; s < bySample.size(); ++s) {
        const std::vector<Call>& calls = bySample[s];
        std::size_t& k = next[s];
        while (k < calls.size() && calls[k].end < from) ++k;
        if (k == calls.size() || calls[k].start > from) continue;
        const SegmentTableRow& call = *calls[k].row;
        ++row.samples;
        if (call.copyNumber) {
            ++row.withCopyNumber;
            row.gains += *call.copyNumber > 2;
            row.losses += *call.copyNumber < 2;
        }
        row.loh += call.loh;
    }
    return row;
}

bool sameCounts(const CohortFrequencyRow& a, const CohortFrequencyRow& b) {
    return std::tie(a.samples, a.withCopyNumber, a.gains, a.losses, a.loh) ==
           std::tie(b.samples, b.withCopyNumber, b.gains, b.losses, b.loh);
}

void appendShare(std::string& out, int count, int of) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", static_cast<double>(count) / of);
    out += text;
}

} // namespace

std::vector<CohortFrequencyRow> cohortFrequency(std::span<const SegmentTable> samples) {
    std::vector<CohortFrequencyRow> rows;
    for (int chromosome = 1; chromosome <= 23; ++chromosome) {
        std::vector<std::vector<Call>> bySample;
        std::vector<long long> edges; // first bases of the stretches
        for (const SegmentTable& sample : samples) {
            bySample.push_back(tiledCalls(sample, chromosome));
            for (const Call& call : bySample.back()) {
                edges.push_back(call.start);
                edges.push_back(call.end + 1);
            }
        }
        std::sort(edges.begin(), edges.end());
        edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
        std::vector<std::size_t> next(bySample.size(), 0);
        for (std::size_t e = 0; e + 1 < edges.size(); ++e) {
            const CohortFrequencyRow row = countAt(bySample, next, chromosome, edges[e], edges[e + 1] - 1);
            if (row.samples == 0) continue;
            if (!rows.empty() && rows.back().chromosome == chromosome && rows.back().end + 1 == row.start &&
                sameCounts(rows.back(), row))
                rows.back().end = row.end;
            else
                rows.push_back(row);
        }
    }
    return rows;
}

const CohortFrequencyRow* frequencyAt(std::span<const CohortFrequencyRow> rows, int chromosome,
                                      long long position) {
    auto after = std::upper_bound(rows.begin(), rows.end(), std::make_pair(chromosome, position),
                                  [](const std::pair<int, long long>& at, const CohortFrequencyRow& row) {
                                      return at < std::make_pair(row.chromosome, row.start);
                                  });
    if (after == rows.begin()) return nullptr;
    const CohortFrequencyRow& row = *std::prev(after);
    return row.chromosome == chromosome && position <= row.end ? &row : nullptr;
}

std::string cohortFrequencyText(std::span<const CohortFrequencyRow> rows) {
    std::string out = kCohortFrequencyHeader;
    out += '\n';
    for (const CohortFrequencyRow& row : rows) {
        out += std::to_string(row.chromosome) + '\t' + std::to_string(row.start) + '\t' +
               std::to_string(row.end) + '\t' + std::to_string(row.samples) + '\t';
        if (row.withCopyNumber > 0) appendShare(out, row.gains, row.withCopyNumber);
        out += '\t';
        if (row.withCopyNumber > 0) appendShare(out, row.losses, row.withCopyNumber);
        out += '\t';
        appendShare(out, row.loh, row.samples);
        out += '\n';
    }
    return out;
}

} // namespace varn
