#include "ReportSegments.h"

#include "Segments.h"

namespace varn {

std::vector<ReportSegment> reportSegments(const CVARNDoc& doc, int t) {
    std::vector<ReportSegment> rows;
    for (const auto& s : buildSegments(doc, t))
        rows.push_back({s.chromosome, s.start, s.end, s.markers, s.copyNumber, s.loh, s.meanLn});
    return rows;
}

} // namespace varn
