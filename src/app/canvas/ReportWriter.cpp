#include "canvas/ReportWriter.h"

#include "canvas/RenderToImage.h"
#include "canvas/ReportLayout.h"
#include "export/SampleReport.h"
#include "view/CVARNView.h"
#include "view/PageInFrame.h"

#include <QPainter>

#include <functional>
#include <string>

namespace varn {

namespace {

// A page of the view drawn whole at its Monitor preset, as --plot draws it, then scaled as one
// picture: `show` puts the view on the page to draw, and the view is put back after each use.
void viewPicture(ReportLayout& layout, CVARNView& view, std::function<void(CVARNView&)> show, int maxHeight,
                 bool keepWithNext) {
    QSize page;
    {
        ShownPageGuard guard(view);
        show(view);
        page = drawingSize(view);
    }
    layout.picture(
        page,
        [&view, show](QPainter& painter, const QSize& size) {
            ShownPageGuard guard(view);
            show(view);
            paintView(view, painter, size);
        },
        maxHeight, keepWithNext);
}

void segmentTable(ReportLayout& layout, const SampleReport& report, int chromosome) {
    const int head = layout.row(reportTableHead(), true);
    for (const ReportSegment& s : report.segments)
        if (chromosome == 0 || s.chromosome == chromosome) layout.row(reportTableRow(s), false, head);
}

} // namespace

bool writeReport(CVARNView& view, const SampleReport& report, const std::filesystem::path& path) {
    ShownPageGuard guard(view);
    auto fill = [&](ReportLayout& layout) {
        // Page 1: the genome, as large as the page allows.
        layout.text("VARN report: " + report.sample, true);
        // The tumour as a whole, where the alleles gave the fit of fraction and ploidy.
        if (!report.summary.empty()) layout.text(report.summary);
        viewPicture(
            layout, view, [](CVARNView& v) { v.OnMonitorView(); }, layout.height() - layout.used(), false);

        // Then how it was made and measured, the table of changed segments, and one section per
        // changed chromosome, flowing on from page to page.
        layout.text("How this report was made", true, true);
        for (const std::string& s : report.record) layout.text(s);
        layout.text("Noise, references and HMM", true);
        for (const std::string& s : report.figures) layout.text(s);
        if (report.segments.empty()) {
            layout.text("Segments: every segment is two copies without LOH", true);
        } else {
            layout.text("Segments that are not copy number 2 without LOH", true);
            segmentTable(layout, report, 0);
        }
        for (int c : report.changedChromosomes) {
            layout.text(reportChromosomeTitle(c) + " of " + report.sample, true);
            viewPicture(
                layout, view, [c](CVARNView& v) { showChromosomeOf(v, c); },
                layout.height() / 2 + 4 * layout.line(), true);
            segmentTable(layout, report, c);
        }
    };
    return writeReportPdf(path, "VARN report: " + report.sample, fill,
                          [&](int page, int pages) { return reportPageFooter(report, page, pages); });
}

} // namespace varn
