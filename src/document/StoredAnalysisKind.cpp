#include "StoredAnalysisKind.h"

#include "DocumentLimits.h"
#include "SampleFileCheck.h"
#include "ScanFormat.h"

namespace varn {

namespace {
constexpr int kLinesBeforeSignals = 3;
} // namespace

StoredAnalysisKind storedAnalysisKind(std::string_view text) {
    LineReader in(text);
    std::string_view line;
    for (int n = 0; n < kLinesBeforeSignals; ++n)
        if (!in.next(line)) return StoredAnalysisKind::Unknown;
    if (!in.next(line)) return StoredAnalysisKind::Unknown;
    FieldScanner f(line);
    float value = 0.0f;
    int fields = 0;
    while (fields < 5 && f.scanFloat(value)) ++fields;
    if (fields == 2) return StoredAnalysisKind::Pool;
    if (fields == 4) return StoredAnalysisKind::Paired;
    return StoredAnalysisKind::Unknown;
}

std::optional<std::string> storedAnalysisRefusal(std::string_view text, const std::filesystem::path& path,
                                                 StoredAnalysisKind wanted, int expectedArray) {
    const std::string name = path.filename().string();
    LineReader in(text);
    std::string_view line;
    int t = 0;
    if (expectedArray != 0 && in.next(line) && FieldScanner(line).scanInt(t) && (t == kXba || t == kHind) &&
        t != expectedArray)
        return name + " is a stored " + arrayName(t) + " analysis; the " + arrayName(expectedArray) +
               " temporary file was expected";
    const StoredAnalysisKind kind = storedAnalysisKind(text);
    if (kind == StoredAnalysisKind::Unknown || kind == wanted) return std::nullopt;
    if (kind == StoredAnalysisKind::Paired)
        return name + " is a paired analysis (self temporary file); an analysis against a reference pool was expected";
    return name + " is an analysis against a reference pool; a paired analysis (self temporary file) was expected";
}

} // namespace varn
