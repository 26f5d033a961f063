#pragma once

#include <QImage>
#include <QSizeF>

struct Services;

// Takes a captured certificate to paper: the default printer if there is
// one that works, otherwise, if the user wants, a PDF file to print later.
class CertificatePrintout {
public:
    explicit CertificatePrintout(Services &services);

    void deliver(const QImage &image, const QSizeF &sizeInches);

private:
    void offerPdf(const QString &reason, const QImage &image, const QSizeF &sizeInches);

    Services &m_services;
};
