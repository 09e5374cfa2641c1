#include "canvas/ProfilePictureWriter.h"

#include "canvas/PictureWriter.h"
#include "canvas/QPainterCanvas.h"
#include "view/profile/ProfilePicture.h"

#include <QPainter>

namespace varn {

void paintProfilePicture(QPainter& painter, const ProfilePicture& picture, int chromosome, PictureSize size) {
    painter.fillRect(QRect(0, 0, size.width, size.height), Qt::white);
    QPainterCanvas canvas(painter);
    if (chromosome == 0)
        paintProfileGenome(canvas, picture, size);
    else
        paintProfileChromosome(canvas, picture, chromosome, size);
}

QByteArray profilePictureBytes(const ProfilePicture& picture, int chromosome, const PictureOptions& options) {
    const PictureSize size = chromosome == 0 ? kGenomePictureSize : kChromosomePictureSize;
    return pictureBytes(QSize(size.width, size.height), options, [&](QPainter& painter, const QSize&) {
        paintProfilePicture(painter, picture, chromosome, size);
    });
}

bool writeProfileGenomePicture(const ProfilePicture& picture, const std::filesystem::path& path,
                               const PictureOptions& options) {
    return writePictureBytes(path, profilePictureBytes(picture, 0, options));
}

bool writeProfileChromosomePicture(const ProfilePicture& picture, int chromosome,
                                   const std::filesystem::path& path, const PictureOptions& options) {
    if (chromosome < 1 || chromosome > 23) return false;
    return writePictureBytes(path, profilePictureBytes(picture, chromosome, options));
}

} // namespace varn
