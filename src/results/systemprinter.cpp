#include "systemprinter.h"

#include "pagerenderer.h"

#include <QPrinter>
#include <QPrinterInfo>

Printer::Outcome SystemPrinter::print(const QImage &image, const QSizeF &sizeInches) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return Outcome::NoPrinter;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setFullPage(false);
    if (!printer.isValid())
        return Outcome::NoPrinter;
    if (!pagerenderer::render(printer, image, sizeInches) ||
        printer.printerState() == QPrinter::Error)
        return Outcome::Failed;
    return Outcome::Printed;
}
