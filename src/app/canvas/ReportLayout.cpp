#include "canvas/ReportLayout.h"

#include "document/FileBytes.h"
#include "export/PictureFormat.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <string_view>

namespace varn {

namespace {

// A4 landscape at the screen's resolution (1123 x 794 device pixels): the pictures keep the
// window's proportions of text to drawing. Margins, and the white border between a picture and
// its frame, so that the page's title line sits inside the frame instead of on its edge.
constexpr int kMargin = 40;
constexpr int kFramePadding = 8;
constexpr int kTableColumns[] = {0, 60, 170, 280, 360, 480, 590};

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

ReportLayout::ReportLayout(QPainter& painter) : painter_(painter) {
    const QFontMetrics metrics(painter.font(), painter.device());
    line_ = metrics.lineSpacing();
    ascent_ = metrics.ascent();
    width_ = painter.device()->width() - 2 * kMargin;
    // The foot line and a gap above it are kept free on every page.
    height_ = painter.device()->height() - 2 * kMargin - 2 * line_;
}

int ReportLayout::used() const {
    int h = 0;
    for (const FlowBlock& b : blocks_) h += b.height;
    return h;
}

void ReportLayout::text(const std::string& s, bool heading, bool newPage) {
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

int ReportLayout::row(const std::vector<std::string>& cells, bool isHead, int head) {
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

void ReportLayout::picture(const QSize& page, PagePainter paint, int maxHeight, bool keepWithNext) {
    const int inner = width_ - 2 * kFramePadding;
    const double scale =
        std::min(static_cast<double>(inner) / page.width(),
                 static_cast<double>(maxHeight - 2 * kFramePadding - line_ / 2) / page.height());
    const int w = static_cast<int>(page.width() * scale) + 2 * kFramePadding;
    const int h = static_cast<int>(page.height() * scale) + 2 * kFramePadding;
    add({h + line_ / 2, keepWithNext, -1, false}, [this, page, paint = std::move(paint), scale, w, h](int y) {
        painter_.save();
        painter_.translate(kMargin + kFramePadding, y + kFramePadding);
        painter_.scale(scale, scale);
        painter_.setClipRect(QRect(QPoint(0, 0), page));
        paint(painter_, page);
        painter_.restore();
        painter_.setPen(Qt::gray);
        painter_.drawRect(QRect(kMargin, y, w, h));
        painter_.setPen(Qt::black);
    });
}

void ReportLayout::paint(QPdfWriter& pdf, const std::function<void(int page, int pages)>& foot) {
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

int ReportLayout::add(FlowBlock block, std::function<void(int)> paint) {
    blocks_.push_back(block);
    paints_.push_back(std::move(paint));
    return lastBlock();
}

bool writeReportPdf(const std::filesystem::path& path, const std::string& title,
                    const std::function<void(ReportLayout&)>& fill,
                    const std::function<std::string(int page, int pages)>& footer) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setCreator("VARN " VARN_VERSION);
        pdf.setTitle(text(title));
        pdf.setResolution(kScreenDpi);
        pdf.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&pdf)) return false;
        ReportLayout layout(painter);
        fill(layout);
        const int footY = painter.device()->height() - kMargin / 2;
        layout.paint(pdf, [&](int page, int pages) {
            painter.setPen(Qt::gray);
            painter.drawText(kMargin, footY, text(footer(page + 1, pages)));
            painter.setPen(Qt::black);
        });
        painter.end();
    }
    return replaceFileContents(path,
                               std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace varn
