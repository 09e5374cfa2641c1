#pragma once

#include "document/profile/GenomeBuild.h"
#include "document/profile/Profile.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varn {

// The exports of per-SNP log ratio and B-allele fraction that VARN reads (docs/formats.md gives
// each one's columns). Auto tells them apart by content (ProfileFormatDetection.h).
enum class ProfileFormat { Auto, FinalReport, PennCnv, Ascat, Table };

// "auto", "final-report", "penncnv", "ascat", "table"; nothing for any other text.
std::optional<ProfileFormat> parseProfileFormat(std::string_view text);
const char* profileFormatName(ProfileFormat format);

struct ProfileOptions {
    ProfileFormat format = ProfileFormat::Auto;
    // Which sample of a file that holds several (a multi-sample final report, a PennCNV or ASCAT
    // file with several sample columns); it also names the profile. Empty: the file's only sample.
    std::string sample;
    // The build the positions are in; a position past its chromosome's end in it is warned about.
    GenomeBuild build = GenomeBuild::Hg19;
    // ASCAT: the BAF file of the LogR file read. Empty: the file beside it whose name has "BAF"
    // where the LogR file's has "LogR" (any case), if there is one.
    std::filesystem::path baf;
    // The patient's normal, joined to the tumour's rows (NormalJoin.h): any format; for ASCAT its
    // LogR file, with normalBaf beside it as for the tumour. With normalSample and no normal, the
    // normal is that other sample of the tumour's own file.
    std::filesystem::path normal;
    std::filesystem::path normalBaf;
    std::string normalSample;
    // PennCNV's population B-allele frequencies (PfbFile.h), which give each SNP's prior
    // probability of a heterozygous germline.
    std::filesystem::path pfb;
};

// Rows of one chromosome name that were left out ("Y", "XY", "MT", "0", ...).
struct LeftOutRows {
    std::string chromosome;
    std::size_t rows = 0;
};

// What a reading found, for a dialog or a log to show.
struct ReadSummary {
    std::string format;               // what the file is: "an Illumina final report", ...
    std::vector<std::string> samples; // every sample the file holds, in file order
    std::size_t rows = 0;             // data rows of the sample read
    std::size_t snps = 0;             // SNPs in the profile
    int chromosomes = 0;              // chromosomes with at least one SNP
    std::vector<LeftOutRows> leftOut; // by chromosome name, in order of first appearance
    std::size_t rowsWithoutPosition = 0;
    std::size_t duplicatePositions = 0; // rows dropped because their position was given before
    std::size_t positionsPastEnd = 0;   // kept, but past their chromosome's end in the build
    // The same as sentences: "2,500,000 SNPs on 23 chromosomes", "12,345 rows on Y, XY, MT left
    // out", "3 positions given twice (the first row of each kept)".
    std::vector<std::string> notes;
};

// A whole profile or a refusal, never a half-filled profile: profile is set exactly when refusal
// is empty. A refusal names the file, the line where there is one, and why. Warnings do not stop
// the reading (a normal that matches only part of the tumour's SNPs, positions past the ends).
struct ProfileReading {
    std::optional<Profile> profile;
    std::string refusal;
    std::vector<std::string> warnings;
    ReadSummary summary;
};

// Reads the profile at path: detects or takes the format, reads the sample, joins the normal and
// the population frequencies the options name. One streaming pass over each file.
ProfileReading readProfile(const std::filesystem::path& path, const ProfileOptions& options);

} // namespace varn
