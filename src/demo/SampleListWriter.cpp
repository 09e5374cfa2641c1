#include "SampleListWriter.h"

#include "TextFileOut.h"

namespace varn::demo {

bool writeSampleList(const std::filesystem::path& path, const std::vector<std::string>& names) {
    TextFileOut out(path);
    if (!out.isOpen()) return false;
    for (const std::string& name : names) {
        out.put(name);
        out.put('\n');
    }
    return out.close();
}

} // namespace varn::demo
