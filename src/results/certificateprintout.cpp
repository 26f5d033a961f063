#include "certificateprintout.h"

#include "pdfexport.h"
#include "printer.h"

#include "app/services.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

CertificatePrintout::CertificatePrintout(Services &services)
    : m_services(services) {}

void CertificatePrintout::deliver(const QImage &image, const QSizeF &sizeInches) {
    const Printer::Outcome outcome = m_services.printer
                                         ? m_services.printer->print(image, sizeInches)
                                         : Printer::Outcome::NoPrinter;
    switch (outcome) {
    case Printer::Outcome::Printed:
        return;
    case Printer::Outcome::NoPrinter:
        offerPdf(QStringLiteral("Es ist kein Drucker eingerichtet, deshalb kann die Urkunde "
                                "nicht gedruckt werden."),
                 image, sizeInches);
        return;
    case Printer::Outcome::Failed:
        offerPdf(QStringLiteral("Die Urkunde konnte nicht gedruckt werden. Bitte prüfe, ob der "
                                "Drucker eingeschaltet ist und Papier hat."),
                 image, sizeInches);
        return;
    }
}

void CertificatePrintout::offerPdf(const QString &reason, const QImage &image,
                                   const QSizeF &sizeInches) {
    Dialogs &dialogs = *m_services.dialogs;
    const QString offer = QStringLiteral("Möchtest du die Urkunde als PDF-Datei speichern? "
                                         "Dann kann sie später ausgedruckt werden.");
    if (!dialogs.question(reason + QStringLiteral("\n\n") + offer))
        return;

    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(documents).exists())
        documents = QDir::homePath();
    QString path = dialogs.saveFileName(QStringLiteral("Urkunde als PDF-Datei speichern"),
                                        QDir(documents).filePath(QStringLiteral("Urkunde.pdf")),
                                        QStringLiteral("PDF-Dateien (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".pdf");

    if (savePageAsPdf(path, image, sizeInches)) {
        dialogs.message(QStringLiteral("Die Urkunde wurde als PDF-Datei gespeichert:\n%1")
                            .arg(QDir::toNativeSeparators(path)),
                        appTitle, Dialogs::Icon::Information);
    } else {
        dialogs.message(QStringLiteral("Die PDF-Datei konnte nicht gespeichert werden:\n%1\n\n"
                                       "Bitte wähle einen anderen Ort.")
                            .arg(QDir::toNativeSeparators(path)),
                        appTitle, Dialogs::Icon::Warning);
    }
}
