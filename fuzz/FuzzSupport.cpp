#include "FuzzSupport.h"

#include "demo/DemoAnnotation.h"
#include "demo/DemoGenome.h"
#include "document/SetupDialogs.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <unistd.h>

namespace varn::fuzz {

namespace {

constexpr int kFuzzPoolRows = 5;
// Records the fuzzing document's arrays keep: the readers, the pool and every recomputation walk
// whole arrays, and at 57,244 and 58,960 records each input would cost tens of milliseconds.
// The two lengths differ, so that a file of "the other array's length" is still a case.
constexpr int kFuzzRecords[3] = {0, 1500, 1200};
constexpr std::size_t kMaxUnit = 256; // keeps an expanded file within a few megabytes
// Bytes that no text file of the program holds and the binary pool file holds only by chance.
constexpr std::string_view kSeparator("\x01\x02\x03", 3);

std::filesystem::path scratchBase() {
    std::error_code ec;
    if (std::filesystem::is_directory("/dev/shm", ec)) return "/dev/shm";
    return std::filesystem::temp_directory_path();
}

// Shortens both arrays to their first kFuzzRecords records. Every table keeps its full size, so
// an index a reader or a recomputation derives from the annotation still lands inside it.
void shortenArrays(CVARNDoc& doc) {
    for (int t = kXba; t <= kHind; ++t) {
        // The decoder walks the chromosomes of the whole array, but only usable positions go
        // into its lists: the positions past the short array are made unusable.
        for (int p = doc.snpFirst[t] + kFuzzRecords[t]; p <= doc.snpLast[t]; ++p) doc.positionUsable[p] = 0;
        doc.snpLast[t] = doc.snpFirst[t] + kFuzzRecords[t] - 1;
        if (doc.autosomeLast[t] > doc.snpLast[t]) doc.autosomeLast[t] = doc.snpLast[t];
        if (doc.chrXLast[t] > doc.snpLast[t]) doc.chrXLast[t] = doc.snpLast[t];
    }
}

void removeScratch() {
    std::error_code ec;
    std::filesystem::remove_all(world().scratch, ec);
}

FuzzWorld* makeWorld() {
    auto* w = new FuzzWorld;
    w->scratch = scratchBase() / ("varn-fuzz-" + std::to_string(::getpid()));
    const std::filesystem::path root = w->scratch / "VARN";
    for (const char* folder : {"data", "temporary files", "Self temporary files", "sampledataX", "sampledataH",
                               "IGBfiles", "RawData"})
        std::filesystem::create_directories(root / folder);
    if (!demo::writeDemoAnnotation(root / "data", demo::makeDemoGenome(1), std::cerr)) std::abort();
    w->doc = new CVARNDoc(InstallRoot(root), w->ui);
    shortenArrays(*w->doc);
    w->view = new CVARNView(*w->doc);
    resetPools(*w->doc);
    w->ui.messages.clear();
    return w;
}

} // namespace

DialogResult FuzzUi::sampleTypeSelect(CSampleTypeSelect& dialog) {
    if (sampleType == 0) return DialogResult::Cancel;
    dialog.sampleType = sampleType;
    return DialogResult::Ok;
}

FuzzWorld& world() {
    static FuzzWorld* w = [] {
        FuzzWorld* made = makeWorld();
        std::atexit(removeScratch);
        return made;
    }();
    return *w;
}

void resetPools(CVARNDoc& doc) {
    for (int t = kXba; t <= kHind; ++t) {
        doc.refCount[t] = kFuzzPoolRows;
        for (int row = 0; row < kFuzzPoolRows; ++row) {
            std::snprintf(doc.poolSampleName[t][row], kNameSize, "ref%d", row);
            doc.poolRowMean[t][row] = 1000.0f;
            for (int k = doc.snpFirst[t]; k <= doc.snpLast[t]; ++k)
                doc.poolSignal[row][k] = 20.0f + static_cast<float>((k * 7 + row * 13) % 11) * 0.1f;
        }
    }
}

std::string expandInput(const std::uint8_t* data, std::size_t size, int bulkCount) {
    const char* text = reinterpret_cast<const char*>(data);
    if (size < 2 || data[0] != '!') return std::string(text, size);
    const int count = bulkCount + static_cast<std::int8_t>(data[1]);
    const std::string_view rest(text + 2, size - 2);
    const std::size_t unitAt = rest.find(kSeparator);
    if (unitAt == std::string_view::npos) return std::string(rest);
    const std::size_t unitFrom = unitAt + kSeparator.size();
    const std::size_t tailAt = rest.find(kSeparator, unitFrom);
    const std::string_view head = rest.substr(0, unitAt);
    std::string_view unit = rest.substr(unitFrom, tailAt == std::string_view::npos ? std::string_view::npos
                                                                                     : tailAt - unitFrom);
    const std::string_view tail =
        tailAt == std::string_view::npos ? std::string_view() : rest.substr(tailAt + kSeparator.size());
    unit = unit.substr(0, kMaxUnit);
    std::string out;
    out.reserve(head.size() + unit.size() * static_cast<std::size_t>(count > 0 ? count : 0) + tail.size());
    out += head;
    for (int i = 0; i < count; ++i) out += unit;
    out += tail;
    return out;
}

std::filesystem::path writeScratchFile(const std::string& relative, const std::string& bytes) {
    const std::filesystem::path path = world().scratch / "VARN" / relative;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) std::abort();
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) std::abort();
    std::fclose(f);
    return path;
}

} // namespace varn::fuzz
