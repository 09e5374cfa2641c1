#include "InstallRoot.h"

#include <cctype>
#include <cstdlib>
#include <string>

namespace varn {

namespace {

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}

// Appends the backslash-separated rest of a Windows path to base.
std::filesystem::path appendWindowsRest(std::filesystem::path base, std::string_view rest) {
    std::string piece;
    for (char c : rest) {
        if (c == '\\' || c == '/') {
            if (!piece.empty()) base /= piece;
            piece.clear();
        } else {
            piece += c;
        }
    }
    if (!piece.empty()) base /= piece;
    return base;
}

} // namespace

InstallRoot::InstallRoot(std::filesystem::path root) : root_(std::move(root)) {}

InstallRoot InstallRoot::fromOptionOrEnvironment(const std::optional<std::filesystem::path>& option) {
    if (option && !option->empty()) return InstallRoot(*option);
    if (const char* env = std::getenv("VARN_ROOT"); env != nullptr && *env != '\0')
        return InstallRoot(env);
    const char* home = std::getenv("HOME");
    return InstallRoot(std::filesystem::path(home != nullptr ? home : ".") / "VARN");
}

std::filesystem::path InstallRoot::viewRoot() const {
    std::filesystem::path r = root_;
    if (!r.has_filename()) r = r.parent_path(); // a root given with a trailing separator
    return r.parent_path() / "VARN View";
}

std::filesystem::path InstallRoot::map(std::string_view windowsPath) const {
    std::string_view rest = windowsPath;
    if (rest.size() >= 2 && rest[1] == ':') rest.remove_prefix(2);
    if (!rest.empty() && (rest.front() == '\\' || rest.front() == '/')) rest.remove_prefix(1);
    if (startsWithNoCase(rest, "VARN View")) {
        rest.remove_prefix(9);
        return appendWindowsRest(viewRoot(), rest);
    }
    if (startsWithNoCase(rest, "VARN") && (rest.size() == 4 || rest[4] == '\\' || rest[4] == '/')) {
        rest.remove_prefix(4);
        return appendWindowsRest(root_, rest);
    }
    return appendWindowsRest(root_, rest);
}

} // namespace varn
