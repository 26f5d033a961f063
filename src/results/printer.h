#pragma once

#include <QImage>
#include <QSizeF>

// Prints one page without asking anything: the image at the given physical
// size, at the top-left of the printable area.
class Printer {
public:
    enum class Outcome { Printed, NoPrinter, Failed };

    virtual ~Printer() = default;
    virtual Outcome print(const QImage &image, const QSizeF &sizeInches) = 0;
};
