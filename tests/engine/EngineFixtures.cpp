#include "engine/EngineFixtures.h"

#include "commands/CAverage.h"
#include "commands/CRefSelect.h"
#include "demo/DemoRandom.h"
#include "support/ScriptedUi.h"
#include "view/CVARNView.h"

#include <algorithm>

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace varn::test {

void setRowSignal(CVARNDoc& doc, int row, int t, const std::function<float(int pos)>& f) {
    for (int pos = doc.snpFirst[t]; pos <= doc.snpLast[t]; ++pos)
        doc.poolSignal[row][doc.arrangeOrder[pos]] = f(pos);
}

void makePool(CVARNDoc& doc, int t, int rows) {
    doc.refCount[t] = rows;
    for (int i = 0; i < rows; ++i) {
        std::snprintf(doc.poolSampleName[t][i], kNameSize, "ref%d", i);
        doc.refSelected[t][i] = i > 0 ? 1 : 0;
    }
}

bool sortWithEveryReference(CVARNView& view, ScriptedUi& ui, int t) {
    view.GetDocument().analysedRow[t] = 0;
    view.shownArrayType = t;
    view.referenceSdTable[t] = nullptr;
    ui.answer<CRefSelect>([](CRefSelect& d) {
        d.onSampleLoad();
        std::fill(d.listChecked.begin(), d.listChecked.end(), true);
        return DialogResult::Ok;
    });
    ui.answer<CAverage>([](CAverage&) { return DialogResult::Ok; });
    view.OnSort();
    return ui.allAnswersUsed();
}

float gaussianNoise(int row, int pos) {
    return demo::hashedNormal(row, pos);
}

void makeSyntheticPool(CVARNDoc& doc, int t, int rows, float noise,
                       const std::function<float(int pos)>& copyNumber) {
    makePool(doc, t, rows);
    for (int row = 0; row < rows; ++row) {
        const float a = 0.3f * std::sin(1.7f * static_cast<float>(row));
        const float b = 0.4f * std::cos(2.3f * static_cast<float>(row));
        const float g = 1.5f * std::sin(0.9f * static_cast<float>(row) + 1.0f);
        setRowSignal(doc, row, t, [&](int pos) {
            const int snp = doc.arrangeOrder[pos];
            const float l = (static_cast<float>(doc.snpFragmentLength[snp]) - 1200.0f) / 1000.0f;
            const float gc = doc.snpGcContent[snp] - 0.45f;
            float level = a * l + b * l * l + g * gc + noise * gaussianNoise(row, pos);
            float signal = 1000.0f * std::exp(level);
            if (row == 0) signal *= copyNumber(pos) / 2.0f;
            return signal;
        });
    }
}

int usableCount(const CVARNDoc& doc, int first, int last) {
    int n = 0;
    for (int pos = first; pos <= last; ++pos) n += doc.positionUsable[pos];
    return n;
}

} // namespace varn::test
