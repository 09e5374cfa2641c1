#pragma once

#include "canvas/PictureWriter.h"

#include "export/ReportFlow.h"

#include <QSize>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class QPainter;
class QPdfWriter;

namespace varn {

// The flow of a PDF report down its pages (A4 landscape at the screen's resolution): text lines,
// table rows and pictures, laid out by flowIntoPages and painted page by page.
class ReportLayout {
  public:
    explicit ReportLayout(QPainter& painter);

    int width() const { return width_; }
    int height() const { return height_; }
    int line() const { return line_; }
    int used() const;

    // A text line; a heading keeps with what follows it and has half a line of room above.
    void text(const std::string& s, bool heading = false, bool newPage = false);
    // A table row, each cell at its column's left edge; head is the block of the column heads.
    int row(const std::vector<std::string>& cells, bool isHead, int head = -1);
    // A page of `page` device pixels drawn by `paint` as one picture, text included, as large as
    // the width and maxHeight allow, in a frame: the labels keep the room the page gives them,
    // however small the picture is printed.
    void picture(const QSize& page, PagePainter paint, int maxHeight, bool keepWithNext);
    int lastBlock() const { return static_cast<int>(blocks_.size()) - 1; }

    // Lays the blocks out and paints them, starting a PDF page where the flow says.
    void paint(QPdfWriter& pdf, const std::function<void(int page, int pages)>& foot);

  private:
    int add(FlowBlock block, std::function<void(int)> paint);

    QPainter& painter_;
    std::vector<FlowBlock> blocks_;
    std::vector<std::function<void(int)>> paints_;
    int line_ = 14, ascent_ = 11, width_ = 0, height_ = 0;
};

// A report as a PDF through the replacing writer: `fill` adds its blocks, `footer` words the line
// at the foot of each page (page from 1). False when the file cannot be written.
bool writeReportPdf(const std::filesystem::path& path, const std::string& title,
                    const std::function<void(ReportLayout&)>& fill,
                    const std::function<std::string(int page, int pages)>& footer);

} // namespace varn
