#pragma once

#include <QImage>
#include <QRectF>
#include <QSizeF>

class QPagedPaintDevice;

// Paints a captured screen image onto one page of any paged device (a
// printer, a PDF file) at its physical size.
namespace pagerenderer {
// Where the image goes, in device units from the top-left of the printable
// area; shrunk, keeping its proportions, only if the paper is too small.
QRectF targetRect(const QPagedPaintDevice &device, const QSizeF &sizeInches);
// False when the device could not be painted on.
bool render(QPagedPaintDevice &device, const QImage &image, const QSizeF &sizeInches);
} // namespace pagerenderer
