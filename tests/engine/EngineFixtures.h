#pragma once

#include "document/CVARNDoc.h"

#include <functional>

namespace varn {
class CVARNView;
}

namespace varn::test {

// In the synthetic genome display order equals record order, so a position is also its SNP
// record: these helpers write signals by position.

// poolSignal[row][pos] = f(pos) over the array range of t.
void setRowSignal(CVARNDoc& doc, int row, int t, const std::function<float(int pos)>& f);

// A pool of `rows` rows (row 0 the sample) for array t: refCount, names "ref<i>" and every
// reference selected.
void makePool(CVARNDoc& doc, int t, int rows);

// Deterministic standard-normal noise for (row, pos).
float gaussianNoise(int row, int pos);

// A pool of `rows` rows for array t (see makePool) with signals: every row has its own smooth
// dependence on fragment length and GC content and noise of SD `noise` on the log scale; row 0
// (the sample) is further scaled by copyNumber(pos) / 2.
void makeSyntheticPool(CVARNDoc& doc, int t, int rows, float noise,
                       const std::function<float(int pos)>& copyNumber);

class ScriptedUi;

// Sort of the sample in pool row 0 of array t on the region the document holds, with every
// reference of the pool ticked and the averaging dialog's presets; false when a dialog answer
// was left unused (the flow stopped early).
bool sortWithEveryReference(CVARNView& view, ScriptedUi& ui, int t);

// Number of usable positions in first..last.
int usableCount(const CVARNDoc& doc, int first, int last);

} // namespace varn::test
