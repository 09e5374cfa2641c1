#include "WrittenReport.h"

#include "InstallRoot.h"

namespace varn {

namespace {

// The path below folder, or empty when it does not lie inside it. Both are made absolute and
// normalised without asking the file system, so a file that was just renamed into place and a
// root given with "./" or a trailing slash compare as the person expects.
std::filesystem::path below(const std::filesystem::path& path, const std::filesystem::path& folder) {
    std::error_code ec;
    const auto p = std::filesystem::absolute(path, ec).lexically_normal();
    auto f = std::filesystem::absolute(folder, ec).lexically_normal();
    if (!f.has_filename()) f = f.parent_path();
    const auto rel = p.lexically_relative(f);
    if (rel.empty() || *rel.begin() == ".." || rel == ".") return {};
    return rel;
}

} // namespace

std::string shownPath(const std::filesystem::path& path, const InstallRoot& root) {
    if (const auto rel = below(path, root.root()); !rel.empty()) return rel.generic_string();
    if (const auto view = below(path, root.viewRoot()); !view.empty())
        return "../" + root.viewRoot().filename().generic_string() + "/" + view.generic_string();
    return path.generic_string();
}

std::string writtenReport(const std::string& verb, const std::filesystem::path& path, const InstallRoot& root) {
    return verb + " " + shownPath(path, root);
}

} // namespace varn
