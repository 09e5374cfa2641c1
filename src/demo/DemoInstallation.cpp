#include "DemoInstallation.h"

#include <ostream>

namespace varn::demo {

bool writeDemoInstallation(const std::filesystem::path&, const DemoOptions&, std::string&, std::ostream& err) {
    err << "demo-data: not built yet\n";
    return false;
}

} // namespace varn::demo
