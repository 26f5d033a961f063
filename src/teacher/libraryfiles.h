#pragma once

#include <QString>

class PictureLibrary;
class QImage;

// The manager's writes. Each returns a German sentence saying why it
// failed, or the empty text on success.
namespace libraryfiles {

// Writes `image` in the BMP format as word + ".jpg" into the library folder
// `folder` ("\"-separated, found without regard to case). A file of that
// name is replaced in one step: a failed or interrupted save leaves the old
// file, never half a picture.
QString savePicture(const PictureLibrary &library, const QString &folder, const QString &word,
                    const QImage &image);

QString removeFile(const QString &path);

} // namespace libraryfiles
