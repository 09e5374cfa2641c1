#include "document/profile/ProfileReading.h"

#include "document/profile/AscatReader.h"
#include "document/profile/FinalReportReader.h"
#include "document/profile/NormalJoin.h"
#include "document/profile/PennCnvReader.h"
#include "document/profile/PfbFile.h"
#include "document/profile/ProfileFormatDetection.h"
#include "document/profile/ProfileRow.h"
#include "document/profile/ProfileTableReader.h"

#include <system_error>

namespace varn {

namespace {

constexpr struct {
    ProfileFormat format;
    const char* name;
} kFormatNames[] = {
    {ProfileFormat::Auto, "auto"},       {ProfileFormat::FinalReport, "final-report"},
    {ProfileFormat::PennCnv, "penncnv"}, {ProfileFormat::Ascat, "ascat"},
    {ProfileFormat::Table, "table"},
};

// One file of the given format, or the format its content shows.
ProfileReading readOneFile(const std::filesystem::path& path, const ProfileOptions& options) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return refusedReading(fileMessage(path, 0, "is a folder"), {});
    ProfileFormat format = options.format;
    if (format == ProfileFormat::Auto) {
        const DetectedFormat detected = detectProfileFormat(path);
        if (!detected.opened) return refusedReading(fileMessage(path, 0, "cannot be opened"), {});
        if (detected.format == ProfileFormat::Auto)
            return refusedReading(
                fileMessage(path, 0, "this is " + detected.looksLike + ", not an array profile"), {});
        format = detected.format;
    }
    switch (format) {
    case ProfileFormat::FinalReport:
        return readFinalReport(path, options);
    case ProfileFormat::PennCnv:
        return readPennCnv(path, options);
    case ProfileFormat::Ascat:
        return readAscat(path, options);
    case ProfileFormat::Table:
    case ProfileFormat::Auto:
        break;
    }
    return readProfileTable(path, options);
}

void addWarnings(ProfileReading& to, const std::vector<std::string>& warnings) {
    to.warnings.insert(to.warnings.end(), warnings.begin(), warnings.end());
}

} // namespace

std::optional<ProfileFormat> parseProfileFormat(std::string_view text) {
    for (const auto& f : kFormatNames)
        if (text == f.name) return f.format;
    return std::nullopt;
}

const char* profileFormatName(ProfileFormat format) {
    for (const auto& f : kFormatNames)
        if (format == f.format) return f.name;
    return "auto";
}

ProfileReading readProfile(const std::filesystem::path& path, const ProfileOptions& options) {
    ProfileReading reading = readOneFile(path, options);
    if (!reading.profile) return reading;

    if (!options.normal.empty() || !options.normalSample.empty()) {
        ProfileOptions normalOptions = options;
        normalOptions.sample = options.normalSample;
        normalOptions.baf = options.normalBaf;
        // A normal of its own file may be of another format than the tumour's.
        if (!options.normal.empty()) normalOptions.format = ProfileFormat::Auto;
        const ProfileReading normal =
            readOneFile(options.normal.empty() ? path : options.normal, normalOptions);
        if (!normal.profile)
            return refusedReading("the normal: " + normal.refusal, std::move(reading.summary));
        addWarnings(reading, normal.warnings);
        if (std::string why = joinNormal(*reading.profile, *normal.profile, reading.warnings); !why.empty())
            return refusedReading(why, std::move(reading.summary));
    }
    if (!options.pfb.empty()) {
        const ProfileReading pfb = readPfb(options.pfb, options.build);
        if (!pfb.profile) return refusedReading(pfb.refusal, std::move(reading.summary));
        if (std::string why = joinPopulationFrequencies(*reading.profile, *pfb.profile, reading.warnings);
            !why.empty())
            return refusedReading(why, std::move(reading.summary));
    }
    return reading;
}

} // namespace varn
