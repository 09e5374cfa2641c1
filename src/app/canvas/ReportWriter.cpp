#include "canvas/ReportWriter.h"

#include "canvas/RenderToImage.h"
#include "document/FileBytes.h"
#include "export/PictureFormat.h"
#include "export/ReportFlow.h"
#include "export/SampleReport.h"
#include "view/CVARNView.h"
#include "view/PageInFrame.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace varn {

namespace {

// A4 landscape at the screen's resolution (1123 x 794 device pixels): the pictures keep the
// window's proportions of text to drawing. Margins, and the white border between a picture and
// its frame, so that the page's title line sits inside the frame instead of on its edge.
constexpr int kMargin = 40;
constexpr int kFramePadding = 8;
constexpr int kTableColumns[] = {0, 60, 170, 280, 360, 480, 590};

QString text(const std::string& s) { return QString::fromStdString(s); }

// A page of the view drawn whole at its Monitor preset, as --plot draws it, then scaled as one
// picture, text included: the labels keep the room the page gives them, so the chromosome names
// of the genome page never run into each other, however small the picture is printed.
struct ReportPicture {
    std::function<void(CVARNView&)> show; // puts the view on the page to draw
    QSize page;                           // its drawing at the preset, device pixels
    double scale = 1;
};

class ReportLayout {
  public:
    ReportLayout(QPainter& painter, CVARNView& view) : painter_(painter), view_(view) {
        const QFontMetrics metrics(painter.font(), painter.device());
        line_ = metrics.lineSpacing();
        ascent_ = metrics.ascent();
        width_ = painter.device()->width() - 2 * kMargin;
        // The foot line and a gap above it are kept free on every page.
        height_ = painter.device()->height() - 2 * kMargin - 2 * line_;
    }

    int width() const { return width_; }
    int height() const { return height_; }
    int line() const { return line_; }
    int used() const {
        int h = 0;
        for (const FlowBlock& b : blocks_) h += b.height;
        return h;
    }

    // A text line; a heading keeps with what follows it and has half a line of room above.
    void text(const std::string& s, bool heading = false, bool newPage = false) {
        const int above = heading && !newPage ? line_ / 2 : 0;
        add({line_ + above, heading, -1, newPage}, [this, s, heading, above](int y) {
            QFont font = painter_.font();
            font.setBold(heading);
            painter_.setFont(font);
            painter_.drawText(kMargin, y + above + ascent_, varn::text(s));
            font.setBold(false);
            painter_.setFont(font);
        });
    }
    // A table row, each cell at its column's left edge; head is the block of the column heads.
    int row(const std::vector<std::string>& cells, bool isHead, int head = -1) {
        return add({line_, isHead, head, false}, [this, cells, isHead](int y) {
            QFont font = painter_.font();
            font.setBold(isHead);
            painter_.setFont(font);
            for (std::size_t k = 0; k < cells.size() && k < std::size(kTableColumns); ++k)
                painter_.drawText(kMargin + kTableColumns[k], y + ascent_, varn::text(cells[k]));
            font.setBold(false);
            painter_.setFont(font);
        });
    }
    // The page `show` puts the view on, as large as the width and maxHeight allow, in a frame.
    void picture(std::function<void(CVARNView&)> show, int maxHeight, bool keepWithNext) {
        ReportPicture p{std::move(show), {}, 1};
        {
            ShownPageGuard guard(view_);
            p.show(view_);
            p.page = drawingSize(view_);
        }
        const int inner = width_ - 2 * kFramePadding;
        p.scale = std::min(static_cast<double>(inner) / p.page.width(),
                           static_cast<double>(maxHeight - 2 * kFramePadding - line_ / 2) / p.page.height());
        const int w = static_cast<int>(p.page.width() * p.scale) + 2 * kFramePadding;
        const int h = static_cast<int>(p.page.height() * p.scale) + 2 * kFramePadding;
        add({h + line_ / 2, keepWithNext, -1, false}, [this, p, w, h](int y) {
            painter_.save();
            painter_.translate(kMargin + kFramePadding, y + kFramePadding);
            painter_.scale(p.scale, p.scale);
            painter_.setClipRect(QRect(QPoint(0, 0), p.page));
            {
                ShownPageGuard guard(view_);
                p.show(view_);
                paintView(view_, painter_, p.page);
            }
            painter_.restore();
            painter_.setPen(Qt::gray);
            painter_.drawRect(QRect(kMargin, y, w, h));
            painter_.setPen(Qt::black);
        });
    }
    int lastBlock() const { return static_cast<int>(blocks_.size()) - 1; }

    // Lays the blocks out and paints them, starting a PDF page where the flow says.
    void paint(QPdfWriter& pdf, const std::function<void(int page, int pages)>& foot) {
        const std::vector<PlacedBlock> placed = flowIntoPages(blocks_, height_);
        const int pages = placed.empty() ? 1 : placed.back().page + 1;
        int page = 0;
        foot(0, pages);
        for (const PlacedBlock& b : placed) {
            if (b.page != page) {
                pdf.newPage();
                page = b.page;
                foot(page, pages);
            }
            paints_[static_cast<std::size_t>(b.block)](kMargin + b.y);
        }
    }

  private:
    int add(FlowBlock block, std::function<void(int)> paint) {
        blocks_.push_back(block);
        paints_.push_back(std::move(paint));
        return lastBlock();
    }

    QPainter& painter_;
    CVARNView& view_;
    std::vector<FlowBlock> blocks_;
    std::vector<std::function<void(int)>> paints_;
    int line_ = 14, ascent_ = 11, width_ = 0, height_ = 0;
};

void segmentTable(ReportLayout& layout, const SampleReport& report, int chromosome) {
    const int head = layout.row(reportTableHead(), true);
    for (const ReportSegment& s : report.segments)
        if (chromosome == 0 || s.chromosome == chromosome) layout.row(reportTableRow(s), false, head);
}

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
        ReportLayout layout(painter, view);

        // Page 1: the genome, as large as the page allows.
        layout.text("VARN report: " + report.sample, true);
        layout.picture([](CVARNView& v) { v.OnMonitorView(); }, layout.height() - layout.used(), false);

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
            layout.picture([c](CVARNView& v) { showChromosomeOf(v, c); }, layout.height() / 2 + 4 * layout.line(),
                           true);
            segmentTable(layout, report, c);
        }

        const int footY = painter.device()->height() - kMargin / 2;
        layout.paint(pdf, [&](int page, int pages) {
            painter.setPen(Qt::gray);
            painter.drawText(kMargin, footY, text(reportPageFooter(report, page + 1, pages)));
            painter.setPen(Qt::black);
        });
        painter.end();
    }
    return replaceFileContents(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace varn
