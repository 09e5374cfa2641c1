// The one-reference ratio of two pool rows, shown right after a sample is read and in the
// compensation plots.
#include "document/CVARNDoc.h"

#include <cmath>

namespace varn {

// The fit runs over all autosomes: no baseline region has been chosen yet, and chromosome X
// would pull the curve wherever the sample and the reference differ in sex.
void CVARNDoc::computeRowRatio(int denominatorRow, int numeratorRow, int logFlag, int t) {
    if (t != kXba && t != kHind) return;
    const int first = snpFirst[t], last = snpLast[t];
    if (logFlag == 1) {
        fillLogRatio(numeratorRow, denominatorRow, first, last);
    } else {
        for (int pos = first; pos <= last; ++pos) {
            const int snp = arrangeOrder[pos];
            logRatio[0][pos] = poolSignal[numeratorRow][snp] / poolSignal[denominatorRow][snp];
        }
    }
    compensateLengthGc(first, autosomeLast[t], t, logRatio[0], 3);
    rowSd[t][numeratorRow] = regionSd(logRatio[0], first, autosomeLast[t]);
}

} // namespace varn
