#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>

// Writes the page a printer would get into a PDF file (A4); the file is
// replaced only once it is complete. False when it could not be written.
bool savePageAsPdf(const QString &path, const QImage &image, const QSizeF &sizeInches);
