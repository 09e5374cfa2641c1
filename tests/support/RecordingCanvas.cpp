#include "support/RecordingCanvas.h"

namespace varn::test {

void RecordingCanvas::setWindowOrg(int x, int y) {
    origins.push_back({x, y});
}
void RecordingCanvas::setWindowExt(int x, int y) {
    extents.push_back({x, y});
}
void RecordingCanvas::setPen(const Pen& pen) {
    pen_ = pen;
}
void RecordingCanvas::setBrush(Rgb colour) {
    brush_ = colour;
}
void RecordingCanvas::moveTo(int x, int y) {
    current_ = {x, y};
}

void RecordingCanvas::lineTo(int x, int y) {
    lines.push_back({next_++, current_, {x, y}, pen_});
    current_ = {x, y};
}

void RecordingCanvas::setPixel(int x, int y, Rgb colour) {
    pixels.push_back({next_++, {x, y}, colour});
}

void RecordingCanvas::fillRect(int left, int top, int right, int bottom) {
    rects.push_back({next_++, left, top, right, bottom, pen_, brush_});
}

void RecordingCanvas::textOut(int x, int y, const std::string& text) {
    texts.push_back({next_++, {x, y}, text});
}

std::vector<RecordingCanvas::Pixel> RecordingCanvas::pixelsAtX(int x) const {
    std::vector<Pixel> found;
    for (const Pixel& p : pixels)
        if (p.at.x == x) found.push_back(p);
    return found;
}

std::vector<RecordingCanvas::Pixel> RecordingCanvas::pixelsOf(Rgb colour) const {
    std::vector<Pixel> found;
    for (const Pixel& p : pixels)
        if (p.colour == colour) found.push_back(p);
    return found;
}

std::vector<RecordingCanvas::Line> RecordingCanvas::linesOf(const Pen& pen) const {
    std::vector<Line> found;
    for (const Line& l : lines)
        if (l.pen == pen) found.push_back(l);
    return found;
}

std::vector<RecordingCanvas::Line> RecordingCanvas::linesAtX(int x) const {
    std::vector<Line> found;
    for (const Line& l : lines)
        if (l.from.x == x && l.to.x == x) found.push_back(l);
    return found;
}

const RecordingCanvas::Text* RecordingCanvas::findText(const std::string& text) const {
    for (const Text& t : texts)
        if (t.text == text) return &t;
    return nullptr;
}

bool RecordingCanvas::empty() const {
    return pixels.empty() && lines.empty() && rects.empty() && texts.empty();
}

} // namespace varn::test
