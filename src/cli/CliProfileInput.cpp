#include "CliProfileInput.h"

#include <ostream>

namespace varn::cli {

bool readProfileReadOptions(const ParsedOptions& options, varn::ProfileOptions& read, std::string& error) {
    if (auto text = options.single("--normal")) read.normal = *text;
    if (auto text = options.single("--format")) {
        const std::optional<ProfileFormat> format =
            *text == "illumina" ? std::optional(ProfileFormat::FinalReport)
                                : (*text == "final-report" ? std::nullopt : parseProfileFormat(*text));
        if (!format) {
            error = "--format takes auto, illumina, penncnv, ascat or table";
            return false;
        }
        read.format = *format;
    }
    read.sample = options.single("--sample").value_or("");
    read.pfb = options.single("--pfb").value_or("");
    if (auto text = options.single("--build")) {
        const auto build = parseGenomeBuild(*text);
        if (!build) {
            error = "--build takes hg18, hg19 or hg38";
            return false;
        }
        read.build = *build;
    }
    return true;
}

std::optional<Profile> readProfileFor(const std::filesystem::path& file, const varn::ProfileOptions& read,
                                      const std::string& command, std::ostream& err) {
    ProfileReading reading = readProfile(file, read);
    const std::string prefix = "varn-cli " + command + ": ";
    if (!reading.profile) {
        err << prefix << reading.refusal << "\n";
        return std::nullopt;
    }
    for (const std::string& note : reading.summary.notes) err << prefix << note << "\n";
    for (const std::string& warning : reading.warnings) err << prefix << warning << "\n";
    return std::move(reading.profile);
}

} // namespace varn::cli
