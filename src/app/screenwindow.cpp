#include "screenwindow.h"

#include "twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>

namespace {
class ClientArea : public QWidget {
public:
    using QWidget::QWidget;
    QColor back = Qt::white;
    QPixmap picture;

protected:
    void paintEvent(QPaintEvent *event) override {
        QPainter p(this);
        p.fillRect(event->rect(), back);
        if (!picture.isNull())
            p.drawPixmap(event->rect(), picture, event->rect());
    }
};
} // namespace

ScreenWindow::ScreenWindow(const QString &name)
    : m_client(new ClientArea(this)) {
    setObjectName(name);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setAttribute(Qt::WA_OpaquePaintEvent);
    setCentralWidget(m_client);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setBorder(Border::FixedSingle);
}

void ScreenWindow::setClientTwips(int width, int height) {
    m_clientPixels = QSize(twips::toPixels(width), twips::toPixels(height));
    applySize();
}

void ScreenWindow::setBorder(Border border) {
    m_border = border;
    Qt::WindowFlags flags = Qt::Window;
    if (border == Border::Sizable) {
        flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint;
    } else {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint;
        if (border == Border::FixedDialog)
            flags |= Qt::Dialog;
    }
    setWindowFlags(flags);
    applySize();
}

void ScreenWindow::applySize() {
    if (!m_clientPixels.isValid())
        return;
    if (m_border == Border::Sizable) {
        m_client->setMinimumSize(0, 0);
        m_client->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        m_client->resize(m_clientPixels);
        layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        resize(m_clientPixels.width(),
               m_clientPixels.height() + (menuWidget() ? menuWidget()->sizeHint().height() : 0));
    } else {
        m_client->setFixedSize(m_clientPixels);
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
}

void ScreenWindow::setBackColor(const QColor &colour) {
    static_cast<ClientArea *>(m_client)->back = colour;
    m_client->update();
}

void ScreenWindow::setBackgroundPicture(const QPixmap &picture) {
    static_cast<ClientArea *>(m_client)->picture = picture;
    m_client->update();
}

void ScreenWindow::centreOnScreen() {
    // A sizable window keeps the size it was given; a fixed one fits its client.
    if (m_border != Border::Sizable)
        adjustSize();
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void ScreenWindow::closeEvent(QCloseEvent *event) {
    if (m_discarded) {
        event->accept();
        return;
    }
    event->ignore();
    Q_EMIT closeRequested();
}
