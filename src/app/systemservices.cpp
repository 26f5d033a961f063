#include "systemservices.h"

#include <QDateTime>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTime>

#include <ctime>

int SystemClock::secondsSinceMidnight() const {
    // The game's clock asks a thousand times a second; the local time of day
    // is worked out only when the second has changed.
    const std::time_t now = std::time(nullptr);
    if (now != m_lastEpochSecond) {
        m_lastEpochSecond = now;
        m_lastSeconds = QTime::currentTime().msecsSinceStartOfDay() / 1000;
    }
    return m_lastSeconds;
}

void SystemRandom::randomize() {
    m_engine.seed(quint64(QDateTime::currentMSecsSinceEpoch()) ^ std::random_device{}());
}

double SystemRandom::draw() {
    // generate_canonical may round up to 1.0 with some engines; keep [0, 1).
    const double r = std::generate_canonical<double, 53>(m_engine);
    return r < 1.0 ? r : 0.0;
}

namespace {
QMessageBox::Icon toQt(Dialogs::Icon icon) {
    switch (icon) {
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    case Dialogs::Icon::Warning:
        return QMessageBox::Warning;
    case Dialogs::Icon::Critical:
        return QMessageBox::Critical;
    case Dialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

void MessageBoxDialogs::message(const QString &text, const QString &title, Icon icon) {
    QMessageBox box(toQt(icon), title, text, QMessageBox::Ok);
    box.exec();
}

bool MessageBoxDialogs::question(const QString &text, const QString &title) {
    QMessageBox box(QMessageBox::Question, title, text);
    QPushButton *yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

QString MessageBoxDialogs::saveFileName(const QString &caption, const QString &suggestedPath,
                                        const QString &filter) {
    return QFileDialog::getSaveFileName(nullptr, caption, suggestedPath, filter);
}
