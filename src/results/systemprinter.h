#pragma once

#include "printer.h"

// The system's default printer, used without a dialog.
class SystemPrinter : public Printer {
public:
    Outcome print(const QImage &image, const QSizeF &sizeInches) override;
};
