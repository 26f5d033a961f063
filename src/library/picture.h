#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <memory>

// A picture object: a handle with identity. Two tiles showing the same
// letter hold two different pictures; compare handles, not pixels.
using Picture = std::shared_ptr<const QImage>;

Picture makePicture(QImage image);

// Decodes a file by its content, whatever its name says. With a valid
// `bound`, decodes no more pixels than needed to fill `bound` (aspect kept),
// which for JPEG is far cheaper than decoding at full size. Null when the
// file is missing or is no readable picture.
Picture loadPictureFile(const QString &path, const QSize &bound = QSize());
