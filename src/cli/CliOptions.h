#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varn::cli {

// The options of one command: "--name VALUE" options (each may repeat), "--flag" switches and
// plain words. -h / --help anywhere asks for the command's help.
struct ParsedOptions {
    std::map<std::string, std::vector<std::string>> values;
    std::vector<std::string> flags;
    std::vector<std::string> words;
    bool help = false;

    bool has(const std::string& name) const { return values.count(name) != 0; }
    bool flag(const std::string& name) const;
    // The value of an option given at most once; nullopt when absent.
    std::optional<std::string> single(const std::string& name) const;
};

struct OptionRules {
    using List = std::vector<std::string>;
    List valueOptions; // take one value each
    List flagOptions;  // take none
    int maxWords = 0;  // plain words accepted
};

// Parses args by the rules; on a mistake returns false with the reason in error.
bool parseOptions(const std::vector<std::string>& args, const OptionRules& rules, ParsedOptions& parsed,
                  std::string& error);

// A whole decimal number, nothing else on the text.
bool parseInt(std::string_view text, int& value);

// "xba" or "hind" (any case) to the array type 1 or 2; 0 for anything else.
int parseArrayName(std::string_view text);

} // namespace varn::cli
