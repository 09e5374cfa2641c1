#include "OrderTableWriter.h"

#include "TextFileOut.h"

namespace varn::demo {

bool writeOrderTable(const std::filesystem::path& path, const std::vector<int>& values, int first, int last) {
    TextFileOut out(path);
    if (!out.isOpen()) return false;
    for (int i = first; i <= last; ++i) {
        out.putInt(values[static_cast<std::size_t>(i)]);
        out.put('\n');
    }
    return out.close();
}

} // namespace varn::demo
