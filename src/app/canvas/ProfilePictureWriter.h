#pragma once

#include "export/PictureFormat.h"
#include "view/profile/ProfilePage.h"

#include <QByteArray>

#include <filesystem>

class QPainter;

namespace varn {

struct ProfilePicture;

// A profile's pages on a painter: the page erased to white, then drawn through the view's canvas.
// Chromosome 0 is the genome page.
void paintProfilePicture(QPainter& painter, const ProfilePicture& picture, int chromosome, PictureSize size);

// The genome page and the page of chromosome c (1..23) as the bytes of a picture file, PNG, SVG or
// PDF by the options, at their usual sizes (ProfilePage.h); empty when the picture cannot be made.
QByteArray profilePictureBytes(const ProfilePicture& picture, int chromosome, const PictureOptions& options);

// The same written through the replacing writer; false when the file cannot be written.
bool writeProfileGenomePicture(const ProfilePicture& picture, const std::filesystem::path& path,
                               const PictureOptions& options);
bool writeProfileChromosomePicture(const ProfilePicture& picture, int chromosome,
                                   const std::filesystem::path& path, const PictureOptions& options);

} // namespace varn
