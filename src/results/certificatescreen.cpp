#include "certificatescreen.h"

#include "certificateprintout.h"

#include "app/duration.h"
#include "app/screens.h"
#include "app/twips.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>

CertificateScreen::CertificateScreen(Screens &screens, const CertificateSpec &spec)
    : Screen(screens, spec.screen)
    , m_spec(spec) {}

void CertificateScreen::build(ScreenWindow &window) {
    window.setWindowTitle(QString::fromUtf8(m_spec.caption));
    window.setBorder(ScreenWindow::Border::FixedSingle);
    window.setClientTwips(m_spec.client.width(), m_spec.client.height());
    window.setBackColor(Qt::white);
    controls::build(window.client(), m_spec.controls);

    auto *drucken = control<QPushButton>(QStringLiteral("cmdDrucken"));
    auto *anfang = control<QPushButton>(QStringLiteral("cmdanfang"));
    QObject::connect(drucken, &QPushButton::clicked, drucken, [this] { cmdDrucken_Click(); });
    QObject::connect(anfang, &QPushButton::clicked, anfang, [this] { cmdanfang_Click(); });
    QWidget::setTabOrder(anfang, drucken);
    anfang->setFocus();
    setFrameVisible(false);
}

void CertificateScreen::formLoad() {
    const PlayState &play = playState();
    const double total =
        certificateTotal(play.*m_spec.levels[0], play.*m_spec.levels[1], play.*m_spec.levels[2]);
    control<QLabel>(QStringLiteral("lblZeit"))->setText(formatDuration(total));
}

void CertificateScreen::setFrameVisible(bool visible) {
    for (const char *name : m_spec.frameLines)
        control(QString::fromLatin1(name))->setVisible(visible);
}

QSizeF CertificateScreen::pageSizeInches() const {
    const QSize pixels = window()->client()->size();
    const double twipsPerInch = 1440.0;
    return QSizeF(pixels.width() * twips::perPixel / twipsPerInch,
                  pixels.height() * twips::perPixel / twipsPerInch);
}

QImage CertificateScreen::capturePage() {
    auto *drucken = control<QPushButton>(QStringLiteral("cmdDrucken"));
    auto *anfang = control<QPushButton>(QStringLiteral("cmdanfang"));
    // Hiding a button moves the focus away; it comes back with the buttons.
    const QPointer<QWidget> focus = window()->focusWidget();
    drucken->hide();
    anfang->hide();
    setFrameVisible(true);
    const QImage page = window()->client()->grab().toImage();
    setFrameVisible(false);
    anfang->show();
    drucken->show();
    if (focus)
        focus->setFocus();
    return page;
}

void CertificateScreen::cmdDrucken_Click() {
    // Captured before any dialog opens, so the page never shows one.
    const QImage page = capturePage();
    CertificatePrintout(services()).deliver(page, pageSizeInches());
}

void CertificateScreen::cmdanfang_Click() {
    unloadSelf();
    screens().show(ScreenId::frmStart);
}
