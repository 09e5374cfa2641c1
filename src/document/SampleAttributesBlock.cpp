#include "SampleAttributesBlock.h"

#include "CVARNDoc.h"
#include "ScanFormat.h"

namespace varn {

namespace {

// An int line is scanned with "%d "; a line that holds no number leaves the member at 0.
void readIntLine(LineReader& in, int& value, bool& ended) {
    std::string_view line;
    if (ended || !in.next(line)) {
        ended = true;
        return;
    }
    FieldScanner(line).scanInt(value);
}

void readTextLine(LineReader& in, std::string& value, bool& ended) {
    std::string_view line;
    if (ended || !in.next(line)) {
        ended = true;
        return;
    }
    value.assign(line);
}

// Lines up to the marker, each kept with the "\r\n" an edit control separates its lines with.
void readTextUntil(LineReader& in, const std::string& marker, std::string& value, bool& ended) {
    std::string_view line;
    while (!ended) {
        if (!in.next(line)) {
            ended = true;
            return;
        }
        if (line == marker) return;
        value.append(line);
        value += "\r\n";
    }
}

} // namespace

SampleAttributes readAttributesBlock(LineReader& in, const std::string& endMarker1, const std::string& endMarker2) {
    SampleAttributes a;
    std::string_view line;
    if (!in.next(line) || line != "AttributesInformation") return a;
    bool ended = false;
    readIntLine(in, a.sampleOrigin, ended);
    readTextLine(in, a.diseaseOrigin, ended);
    readTextLine(in, a.diseaseOther, ended);
    readTextLine(in, a.supplier, ended);
    readTextLine(in, a.ploidyText, ended);
    readIntLine(in, a.ploidyAdjusted, ended);
    readTextLine(in, a.fishText, ended);
    readIntLine(in, a.fishAdjusted, ended);
    readTextUntil(in, endMarker1, a.otherCharacteristics, ended);
    readIntLine(in, a.otherAdjusted, ended);
    readIntLine(in, a.ploidyStatus, ended);
    readTextUntil(in, endMarker2, a.remarks, ended);
    readTextLine(in, a.lastUpdateTime, ended);
    return a;
}

void storeSampleAttributes(CVARNDoc& doc, const SampleAttributes& a) {
    doc.ResetSampleAttributes();
    doc.sampleOrigin = a.sampleOrigin;
    doc.diseaseOrigin = a.diseaseOrigin;
    doc.diseaseOther = a.diseaseOther;
    doc.supplier = a.supplier;
    doc.ploidyText = a.ploidyText;
    doc.ploidyAdjusted = a.ploidyAdjusted;
    doc.fishText = a.fishText;
    doc.fishAdjusted = a.fishAdjusted;
    doc.otherCharacteristics = a.otherCharacteristics;
    doc.otherAdjusted = a.otherAdjusted;
    doc.ploidyStatus = a.ploidyStatus;
    doc.remarks = a.remarks;
    doc.lastUpdateTime = a.lastUpdateTime;
}

} // namespace varn
