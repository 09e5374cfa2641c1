#pragma once

#include <string>

namespace varn {

class CVARNDoc;
class LineReader;

// The sample attributes record as read from the optional block at the end of a non-self
// temporary file. Members follow the document's record.
struct SampleAttributes {
    int sampleOrigin = 0;
    std::string diseaseOrigin;
    std::string diseaseOther;
    std::string supplier;
    std::string ploidyText;
    int ploidyAdjusted = 0;
    std::string fishText;
    int fishAdjusted = 0;
    std::string otherCharacteristics;
    int otherAdjusted = 0;
    int ploidyStatus = 0;
    std::string remarks;
    std::string lastUpdateTime;
};

// Reads the block if the next line opens it ("AttributesInformation"); otherwise, and for every
// item the file ends before, the record stays cleared. The two several-line texts end at their
// marker lines (endMarker1, endMarker2) or at the end of the file.
SampleAttributes readAttributesBlock(LineReader& in, const std::string& endMarker1, const std::string& endMarker2);

// Clears the document's record and takes the attributes over.
void storeSampleAttributes(CVARNDoc& doc, const SampleAttributes& a);

} // namespace varn
