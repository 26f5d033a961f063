#include "aboutscreen.h"

#include "app/art.h"
#include "app/imagebox.h"
#include "app/lineshape.h"
#include "app/look.h"
#include "app/services.h"
#include "app/twips.h"
#include "dialogkeys.h"
#include "launcher.h"
#include "registryreader.h"
#include "sysinfolookup.h"

#include <QLabel>
#include <QPushButton>

AboutScreen::AboutScreen(Screens &screens)
    : Screen(screens, ScreenId::frmAbout) {}

namespace {
struct LabelSpec {
    const char *name;
    int left, top, width, height;
    const char *text; // empty: set when the box loads
    bool black;
};

const LabelSpec labels[] = {
    {"lblTitle", 1050, 240, 3885, 480, "", true},
    {"lblVersion", 1050, 780, 3885, 225, "", false},
    {"Label1", 240, 1200, 5655, 975,
     "Tintenfunkel ist ein deutsch-englisches Vokabellernspiel für die Grundschulklassen 3 und 4. "
     "Es soll das "
     "Lernen vereinfachen, aber auch der Spaß an dem Spiel soll das Lernen unterstützen.",
     false},
    {"lblDisclaimer", 720, 2760, 4575, 225, "Warnung: Tägliche Lernzeit --> max. 30 - 60 Minuten",
     true},
};
} // namespace

QString AboutScreen::versionText(int major, int minor, int revision) {
    return QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

void AboutScreen::build(ScreenWindow &window) {
    window.setBorder(ScreenWindow::Border::FixedDialog);
    window.setClientTwips(6015, 4260);
    window.setBackgroundPicture(art::pixmap(QStringLiteral("bg_about.jpg")));
    QWidget *client = window.client();

    auto *image = new ImageBox(client, QStringLiteral("Image1"));
    twips::place(image, 120, 240, 735, 735);
    image->setPicture(art::picture(QStringLiteral("lettuce_right.jpg")));

    for (const LabelSpec &spec : labels) {
        auto *label = new QLabel(QString::fromUtf8(spec.text), client);
        label->setObjectName(QString::fromLatin1(spec.name));
        look::styleLabel(label, 8.25, Qt::AlignLeft | Qt::AlignTop,
                         spec.black ? QColor(Qt::black) : look::labelText());
        label->setWordWrap(true);
        twips::place(label, spec.left, spec.top, spec.width, spec.height);
    }

    // A grey line with a wider white one beneath: one etched separator.
    const auto line = [&](int index, QPoint from, QPoint to, int width, QColor colour) {
        auto *l = new LineShape(client, twips::arrayName(QStringLiteral("Line1"), index), from, to,
                                width);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, colour);
        l->setPalette(p);
    };
    line(0, QPoint(120, 2400), QPoint(6120, 2400), 2, Qt::white);
    line(1, QPoint(0, 2400), QPoint(6000, 2400), 1, QColor(128, 128, 128));

    const auto button = [&](const char *name, const QString &caption, QRect rect,
                            void (AboutScreen::*handler)()) {
        auto *b = new QPushButton(caption, client);
        b->setObjectName(QString::fromLatin1(name));
        look::styleButton(b);
        twips::place(b, rect);
        QObject::connect(b, &QPushButton::clicked, b, [this, handler] { (this->*handler)(); });
        return b;
    };
    QPushButton *ok = button("cmdOK", QStringLiteral("OK"), QRect(960, 3600, 1260, 345),
                             &AboutScreen::cmdOK_Click);
    QPushButton *sysInfo = button("cmdSysInfo", QStringLiteral("&Systeminfo..."),
                                  QRect(3840, 3600, 1245, 345), &AboutScreen::cmdSysInfo_Click);
    ok->setDefault(true);
    QWidget::setTabOrder(ok, sysInfo);
    ok->setFocus();
    new DialogKeys(&window, ok, ok);
}

void AboutScreen::formLoad() {
    window()->setWindowTitle(QStringLiteral("Info zu ") + appTitle);
    control<QLabel>(QStringLiteral("lblVersion"))
        ->setText(versionText(TF_VERSION_MAJOR, TF_VERSION_MINOR, TF_VERSION_PATCH));
    control<QLabel>(QStringLiteral("lblTitle"))->setText(appTitle);
}

void AboutScreen::cmdOK_Click() {
    unloadSelf();
}

void AboutScreen::cmdSysInfo_Click() {
    StartSysInfo();
}

void AboutScreen::StartSysInfo() {
    const Services &s = services();
    if (s.registry && s.launcher) {
        const std::optional<QString> program = sysinfo::findProgram(*s.registry);
        // An empty path names no program; there is nothing to try.
        if (program && !program->isEmpty() && s.launcher->start(*program))
            return;
    }
    s.dialogs->message(QStringLiteral("Systeminformationen sind momentan nicht verfügbar"));
}
