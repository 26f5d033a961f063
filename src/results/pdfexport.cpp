#include "pdfexport.h"

#include "pagerenderer.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

bool savePageAsPdf(const QString &path, const QImage &image, const QSizeF &sizeInches) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(600);
        // Margins like a printer's unprintable border.
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        if (!pagerenderer::render(writer, image, sizeInches)) {
            file.cancelWriting();
            return false;
        }
    }
    return file.commit();
}
