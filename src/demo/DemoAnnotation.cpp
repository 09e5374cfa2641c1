#include "DemoAnnotation.h"

#include "CytobandTableWriter.h"
#include "DemoGenome.h"
#include "HeteroRateTableWriter.h"
#include "IdTableWriter.h"
#include "OrderTableWriter.h"
#include "document/DocumentLimits.h"

#include <ostream>

namespace varn::demo {

namespace {
constexpr int kHindLast = 57243;
constexpr int kXbaFirst = 57244;
constexpr int kLast = kSlots - 1;
} // namespace

bool writeDemoAnnotation(const std::filesystem::path& data, const DemoGenome& g, std::ostream& err) {
    // Written one after the other; the first failure stops the rest.
    auto write = [&](const char* name, auto&& fn) {
        if (!fn(data / name)) {
            err << "demo-data: cannot write " << (data / name).string() << "\n";
            return false;
        }
        return true;
    };
    return write("IDH3.txt", [&](const auto& p) { return writeIdTable(p, g, 0, kHindLast); }) &&
           write("IDX3.txt", [&](const auto& p) { return writeIdTable(p, g, kXbaFirst, kLast); }) &&
           write("arrange_data_H.txt", [&](const auto& p) { return writeOrderTable(p, g.arrangeOrder, 0, kHindLast); }) &&
           write("arrange_data_X.txt",
                 [&](const auto& p) { return writeOrderTable(p, g.arrangeOrder, kXbaFirst, kLast); }) &&
           write("cytoband_H.txt", [&](const auto& p) { return writeCytobandTable(p, g, 0, kHindLast); }) &&
           write("cytoband_X.txt", [&](const auto& p) { return writeCytobandTable(p, g, kXbaFirst, kLast); }) &&
           write("combine.txt", [&](const auto& p) { return writeOrderTable(p, g.combineOrder, 0, kLast); }) &&
           write("japanesehetero.txt", [&](const auto& p) { return writeHeteroRateTable(p, g); });
}

} // namespace varn::demo
