#include "canvas/ReportWriter.h"

#include "canvas/RenderToImage.h"
#include "document/FileBytes.h"
#include "export/PictureFormat.h"
#include "export/SampleReport.h"
#include "view/CVARNView.h"
#include "view/PageInFrame.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <string>
#include <string_view>
#include <vector>

namespace varn {

namespace {

// A4 landscape at the screen's resolution: the pictures keep the window's proportions of text to
// drawing. Margins and the picture's frame in device pixels.
constexpr int kMargin = 40;
constexpr int kGenomeFrameHeight = 380;
constexpr int kChromosomeFrameHeight = 420;

QString text(const std::string& s) { return QString::fromStdString(s); }

class ReportPages {
  public:
    ReportPages(QPdfWriter& pdf, QPainter& painter, const SampleReport& report)
        : pdf_(pdf), painter_(painter), report_(report) {
        width_ = painter.device()->width();
        height_ = painter.device()->height();
        line_ = QFontMetrics(painter.font(), painter.device()).lineSpacing();
        startPage();
    }

    int width() const { return width_ - 2 * kMargin; }
    int y() const { return y_; }

    void newPage() {
        pdf_.newPage();
        ++page_;
        startPage();
    }
    // Room for n more lines, else the next page.
    void need(int lines) {
        if (y_ + lines * line_ > height_ - kMargin - line_) newPage();
    }
    void line(const std::string& s, bool bold = false) {
        need(1);
        QFont font = painter_.font();
        font.setBold(bold);
        painter_.setFont(font);
        painter_.drawText(kMargin, y_ + line_, text(s));
        font.setBold(false);
        painter_.setFont(font);
        y_ += line_;
    }
    void gap() { y_ += line_ / 2; }
    // A table row: each cell at its column's left edge.
    void row(const std::vector<std::string>& cells, bool bold = false) {
        need(1);
        static constexpr int kColumns[] = {0, 60, 170, 280, 360, 480, 590};
        QFont font = painter_.font();
        font.setBold(bold);
        painter_.setFont(font);
        for (std::size_t k = 0; k < cells.size() && k < std::size(kColumns); ++k)
            painter_.drawText(kMargin + kColumns[k], y_ + line_, text(cells[k]));
        font.setBold(false);
        painter_.setFont(font);
        y_ += line_;
    }
    // The view's page, fitted into a frame of the given height across the whole width.
    void picture(CVARNView& view, int frameHeight) {
        need(frameHeight / line_ + 1);
        painter_.save();
        painter_.translate(kMargin, y_);
        painter_.setClipRect(QRect(0, 0, width(), frameHeight));
        fitPageInto(view, width(), frameHeight);
        paintView(view, painter_, QSize(width(), frameHeight));
        painter_.restore();
        painter_.setPen(Qt::gray);
        painter_.drawRect(QRect(kMargin, y_, width(), frameHeight));
        painter_.setPen(Qt::black);
        y_ += frameHeight + line_ / 2;
    }

  private:
    void startPage() {
        y_ = kMargin;
        painter_.setPen(Qt::gray);
        painter_.drawText(kMargin, height_ - kMargin / 2,
                          text("VARN " VARN_VERSION "  ·  " + report_.sample + "  ·  page " + std::to_string(page_)));
        painter_.setPen(Qt::black);
    }

    QPdfWriter& pdf_;
    QPainter& painter_;
    const SampleReport& report_;
    int width_ = 0, height_ = 0, line_ = 14, y_ = 0, page_ = 1;
};

} // namespace

bool writeReport(CVARNView& view, const SampleReport& report, const std::filesystem::path& path) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setCreator("VARN " VARN_VERSION);
        pdf.setTitle(text("VARN report: " + report.sample));
        pdf.setResolution(kScreenDpi);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&pdf)) return false;
        ShownPageGuard guard(view);
        ReportPages pages(pdf, painter, report);

        pages.line("VARN report: " + report.sample, true);
        for (const std::string& s : report.record) pages.line(s);
        pages.gap();
        pages.picture(view, kGenomeFrameHeight);
        for (const std::string& s : report.figures) pages.line(s);
        pages.gap();
        if (report.segments.empty()) {
            pages.line("Segments: every segment is two copies without LOH", true);
        } else {
            pages.line("Segments that are not copy number 2 without LOH", true);
            pages.row(reportTableHead(), true);
            for (const ReportSegment& s : report.segments) pages.row(reportTableRow(s));
        }

        for (int c : report.changedChromosomes) {
            pages.newPage();
            pages.line(reportChromosomeTitle(c) + " of " + report.sample, true);
            {
                ShownPageGuard chromosome(view);
                showChromosomeOf(view, c);
                pages.picture(view, kChromosomeFrameHeight);
            }
            pages.row(reportTableHead(), true);
            for (const ReportSegment& s : report.segments)
                if (s.chromosome == c) pages.row(reportTableRow(s));
        }
        painter.end();
    }
    return replaceFileContents(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace varn
