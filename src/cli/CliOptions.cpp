#include "CliOptions.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace varn::cli {

bool ParsedOptions::flag(const std::string& name) const {
    return std::find(flags.begin(), flags.end(), name) != flags.end();
}

std::optional<std::string> ParsedOptions::single(const std::string& name) const {
    auto it = values.find(name);
    if (it == values.end() || it->second.empty()) return std::nullopt;
    return it->second.front();
}

bool parseOptions(const std::vector<std::string>& args, const OptionRules& rules, ParsedOptions& parsed,
                  std::string& error) {
    auto listed = [](const std::vector<std::string>& list, const std::string& a) {
        return std::find(list.begin(), list.end(), a) != list.end();
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-h" || a == "--help") {
            parsed.help = true;
        } else if (listed(rules.valueOptions, a)) {
            if (i + 1 >= args.size()) {
                error = a + " needs a value";
                return false;
            }
            parsed.values[a].push_back(args[++i]);
        } else if (listed(rules.flagOptions, a)) {
            if (!parsed.flag(a)) parsed.flags.push_back(a);
        } else if (a.size() > 1 && a[0] == '-') {
            error = "unknown option " + a;
            return false;
        } else {
            if (static_cast<int>(parsed.words.size()) >= rules.maxWords) {
                error = "unexpected argument " + a;
                return false;
            }
            parsed.words.push_back(a);
        }
    }
    return true;
}

bool parseInt(std::string_view text, int& value) {
    if (text.empty()) return false;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

int parseArrayName(std::string_view text) {
    std::string lower;
    for (char c : text) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "xba") return 1;
    if (lower == "hind") return 2;
    return 0;
}

} // namespace varn::cli
