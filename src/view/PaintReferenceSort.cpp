// The reference SD ranking view (mode 10) only points at the command that continues the flow.
#include "PaintParts.h"

namespace varn::paint {

void paintReferenceSort(Canvas& canvas) {
    // No mapping of its own: the hint is placed in device pixels.
    canvas.setWindowOrg(0, 0);
    canvas.setWindowExt(1, 1);
    canvas.textOut(50, 50, "Click the SD sort icon.");
}

} // namespace varn::paint
