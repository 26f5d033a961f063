#pragma once

#include "results/printer.h"

#include <QList>

// Keeps every page it is given and answers with a set outcome.
class RecordingPrinter : public Printer {
public:
    Outcome print(const QImage &image, const QSizeF &sizeInches) override {
        pages.append(image);
        sizes.append(sizeInches);
        return outcome;
    }
    Outcome outcome = Outcome::Printed;
    QList<QImage> pages;
    QList<QSizeF> sizes;
};
