#pragma once

#include "support/RecordingCanvas.h"
#include "support/TestDocument.h"

namespace varn::test {

// A synthetic document and its view, shown in one display mode with that mode's Monitor preset,
// painted onto a fresh recording canvas.
struct PaintFixture {
    TestDocument td;
    CVARNDoc& doc = *td.doc;
    CVARNView& view = *td.view;
    RecordingCanvas canvas;

    void show(int mode, int t, int chromosome = 1);
    void paint();
    // The first usable display index of chromosome c in the shown array type, at or after
    // `from` when given.
    int usableIndex(int chromosome, int from = -1) const;
    int positionOf(int i) const;
};

} // namespace varn::test
