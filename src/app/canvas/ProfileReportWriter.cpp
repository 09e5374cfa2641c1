#include "canvas/ProfileReportWriter.h"

#include "canvas/ProfilePictureWriter.h"
#include "canvas/ReportLayout.h"
#include "export/ProfileReport.h"
#include "export/SampleReport.h"
#include "view/profile/ProfilePicture.h"

#include <QPainter>

namespace varn {

namespace {

void profilePicture(ReportLayout& layout, const ProfilePicture& picture, int chromosome, int maxHeight,
                    bool keepWithNext) {
    const PictureSize size = chromosome == 0 ? kReportGenomeSize : kReportChromosomeSize;
    layout.picture(
        QSize(size.width, size.height),
        [&picture, chromosome, size](QPainter& painter, const QSize&) {
            paintProfilePicture(painter, picture, chromosome, size);
        },
        maxHeight, keepWithNext);
}

void segmentTable(ReportLayout& layout, const ProfilePicture& picture,
                  const std::vector<const PictureSegment*>& segments, int chromosome) {
    const int head = layout.row(profileReportTableHead(picture), true);
    for (const PictureSegment* s : segments)
        if (chromosome == 0 || s->chromosome == chromosome)
            layout.row(profileReportTableRow(*s), false, head);
}

} // namespace

bool writeProfileReport(const ProfilePicture& picture, const ProfileReport& report,
                        const std::filesystem::path& path) {
    const std::vector<const PictureSegment*> changed = changedProfileSegments(picture);
    auto fill = [&](ReportLayout& layout) {
        // Page 1: the genome, as large as the page allows.
        layout.text("VARN report: " + picture.sample, true);
        for (const std::string& s : profileReportHeader(picture, report)) layout.text(s);
        profilePicture(layout, picture, 0, layout.height() - layout.used(), false);

        layout.text("How this report was made", true, true);
        for (const std::string& s : report.record) layout.text(s);
        if (changed.empty()) {
            layout.text("Segments: every segment is one copy of each parent (1+1)", true);
        } else {
            layout.text("Segments that are not 1+1", true);
            segmentTable(layout, picture, changed, 0);
        }
        for (int c : profileChromosomes(picture)) {
            layout.text(reportChromosomeTitle(c) + " of " + picture.sample, true);
            // A picture keeps with its table, and only then.
            bool rows = false;
            for (const PictureSegment* s : changed) rows = rows || s->chromosome == c;
            profilePicture(layout, picture, c, layout.height() / 2 + 4 * layout.line(), rows);
            if (rows) segmentTable(layout, picture, changed, c);
        }
    };
    return writeReportPdf(path, "VARN report: " + picture.sample, fill, [&](int page, int pages) {
        return profileReportFooter(picture, report, page, pages);
    });
}

} // namespace varn
