#include "SnpCallFileWriter.h"

#include "DemoGenome.h"
#include "DemoSamples.h"
#include "TextFileOut.h"

namespace varn::demo {

namespace {
constexpr const char* kCallText[4] = {"NoCall", "AA", "AB", "BB"};
}

bool writeSnpCallFile(const std::filesystem::path& path, const DemoGenome& genome, const ArrayModel& model,
                      const std::vector<signed char>& calls, const std::string& sampleName) {
    TextFileOut out(path);
    if (!out.isOpen()) return false;
    out.printf("# VARN demo genotype calls\tsample %s\t%s\n", sampleName.c_str(),
               model.arrayType == 1 ? "Xba 50K" : "Hind 50K");
    out.put("probe_set\tcall\tconfidence\n");
    for (int i = 0; i < model.count(); ++i) {
        const int call = calls[static_cast<std::size_t>(i)];
        out.put(snpIdentifier(genome, model.first + i));
        out.put('\t');
        out.put(kCallText[call >= 0 && call <= 3 ? call : 0]);
        // A made-up call confidence: low for calls made, high for NoCalls.
        out.put(call == 0 ? "\t0.4\n" : "\t0.01\n");
    }
    return out.close();
}

} // namespace varn::demo
