#include "document/profile/SampleColumns.h"

#include "document/profile/ProfileFields.h"
#include "document/profile/ProfileRow.h"

namespace varn {

int chooseSample(const std::vector<std::string>& samples, const std::string& wanted,
                 const std::filesystem::path& file, std::size_t line, std::string& why) {
    if (samples.empty()) {
        why = fileMessage(file, line, "no sample column");
        return -1;
    }
    if (wanted.empty()) {
        if (samples.size() == 1) return 0;
        why = fileMessage(file, line,
                          "the file holds " + std::to_string(samples.size()) + " samples (" +
                              listedNames(samples) + "): name the one to read");
        return -1;
    }
    for (std::size_t i = 0; i < samples.size(); ++i)
        if (samples[i] == wanted) return static_cast<int>(i);
    why =
        fileMessage(file, line, "no sample \"" + wanted + "\" in the file; it holds " + listedNames(samples));
    return -1;
}

} // namespace varn
