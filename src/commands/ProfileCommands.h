#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace varn {

class CVARNDoc;
class CVARNView;
class InstallRoot;
struct ProfileResult;
struct ShownProfile;

// File > Open Profile (and `varn FILE`): the chooser unless a file is given, a first reading, the
// dialog, the reading with its answers and the analysis, then the profile's genome page. Any
// refusal is one box naming the file and why, and the analysis shown stays; so does a Cancel.
// False when nothing new is shown.
bool openProfile(CVARNDoc& doc, CVARNView& view, const std::optional<std::filesystem::path>& file = {});

// A profile's analysis made whole for the window: the result and its picture, with the root's
// cytobands for the build when it has them.
std::shared_ptr<ShownProfile> makeShownProfile(const InstallRoot& root, ProfileResult result);

// Puts a made profile on its genome page: the document keeps it, the status bar names it.
void showProfile(CVARNDoc& doc, CVARNView& view, std::shared_ptr<ShownProfile> profile);

// Data > Store on a profile's page: the analysis kept whole in its file of its own.
void storeProfile(CVARNDoc& doc);
// File > Load Profile Analysis: a stored analysis back on its genome page, exactly as stored.
bool loadProfileAnalysis(CVARNDoc& doc, CVARNView& view, const std::optional<std::filesystem::path>& file = {});
// SegmentOut and AlleleOut on a profile's page: the files `varn-cli profile` writes.
void profileSegmentOut(CVARNDoc& doc);
void profileAlleleOut(CVARNDoc& doc);

// The HMM parameter dialog on a profile's page: Estimate shows the fit's map and solutions, and
// OK with a solution picked decodes the profile again at it, whole.
void profileHmmParameter(CVARNDoc& doc, CVARNView& view);

} // namespace varn
