#pragma once

#include <filesystem>
#include <string>

namespace varn {

class InstallRoot;
struct ProfileResult;

// Where a sample's analysis is kept: "temporary files/<sample>.profile.gz" under the root, by
// `varn-cli profile --store` and by the window's Store alike.
std::filesystem::path storedProfileFile(const InstallRoot& root, const std::string& sample);

// A profile's analysis kept whole, so that `profile --reload` writes its outputs again without the
// files it was read from nor a second fit: a gzipped text file of VARN's own, a header of
// "key<TAB>value" lines (the sample, its source, platform and build, the solution decoded with and
// its line, the levels of the total copies), then one line per SNP (name, chromosome, position,
// log ratio as read, B-allele fraction as analysed, total and minor copies, informative) and one
// per segment. Numbers are written to their full precision, so that what is read back is what
// was written.
std::string storedProfileText(const ProfileResult& result);
// Gzipped; false when the file cannot be written.
bool writeStoredProfile(const std::filesystem::path& path, const ProfileResult& result);

// Reads a stored analysis back; false with "file, line N: why" when it is not one or is cut short.
bool readStoredProfile(const std::filesystem::path& path, ProfileResult& result, std::string& error);

} // namespace varn
