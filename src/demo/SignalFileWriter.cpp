#include "SignalFileWriter.h"

#include "DemoGenome.h"
#include "DemoSamples.h"
#include "TextFileOut.h"

namespace varn::demo {

bool writeSignalFile(const std::filesystem::path& path, const DemoGenome& genome, const ArrayModel& model,
                     const SampleData& sample, const std::string& sampleName) {
    TextFileOut out(path);
    if (!out.isOpen()) return false;
    out.printf("# VARN demo probe intensities\tsample %s\t%s\n", sampleName.c_str(),
               model.arrayType == 1 ? "Xba 50K" : "Hind 50K");
    out.put("index\tprobe_set\tintensities (10 groups: allele A, allele B, mismatch, mismatch)\n");
    for (int i = 0; i < model.count(); ++i) {
        out.putInt(i);
        out.put('\t');
        out.put(snpIdentifier(genome, model.first + i));
        const float* values = &sample.intensity[static_cast<std::size_t>(i) * kProbesPerSnp];
        int next = 0;
        for (std::size_t f = 0; f < kFieldsAfterId; ++f) {
            out.put('\t');
            if (model.nullField[f]) out.put("null");
            else out.putTenths(values[next++]);
        }
        out.put('\n');
    }
    return out.close();
}

} // namespace varn::demo
