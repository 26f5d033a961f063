#pragma once

#include "certificatelayout.h"

#include "app/screen.h"

#include <QImage>
#include <QSizeF>

// The certificate: the child's name and the total time of the three levels;
// prints itself or goes back to the start screen.
class CertificateScreen : public Screen {
public:
    CertificateScreen(Screens &screens, const CertificateSpec &spec);

    void cmdDrucken_Click();
    void cmdanfang_Click();

    // The client area as it goes to paper: no buttons, frame shown. The
    // screen looks as before afterwards.
    QImage capturePage();
    // The client area's size on screen, 1440 twips to the inch.
    QSizeF pageSizeInches() const;

protected:
    void build(ScreenWindow &window) override;
    void formLoad() override;

private:
    void setFrameVisible(bool visible);

    const CertificateSpec &m_spec;
};
