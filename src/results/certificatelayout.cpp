#include "certificatelayout.h"

#include "resulttexts.h"

#include <stdexcept>

namespace {
using namespace controls;

const char *const trophy = "trophy.gif";

QRect letterAt(int left, int top) {
    return QRect(left, top, 585, 555);
}

// The frame around the certificate area, (0, 0) to (6960, 7920). Its right
// side is drawn one pixel in: at 6960 it would fall just outside the German
// client area and be missing from the printout.
const int frameRight = 6960 - 15;
const QPoint topLeft(0, 0);
const QPoint topRight(frameRight, 0);
const QPoint bottomLeft(0, 7920);
const QPoint bottomRight(frameRight, 7920);

const CertificateSpec german{
    ScreenId::frmUrkunde,
    certificateDe,
    QSize(6960, 8985),
    {&PlayState::zeitD1, &PlayState::zeitD2, &PlayState::zeitD3},
    "lblname",
    {"Line1", "Line2", "Line3", "Line4"},
    {
        button("cmdDrucken", QRect(1440, 8040, 1815, 495), "Urkunde drucken"),
        button("cmdanfang", QRect(3720, 8040, 1815, 495), backToStartDe),
        label("lblname", QRect(1200, 2280, 4455, 735), "", 26.25, Qt::AlignCenter),
        label("lblfür", QRect(1920, 1440, 2775, 735), "für", 26.25, Qt::AlignCenter),
        line("Line4", bottomRight, topRight),
        line("Line3", topLeft, topRight),
        line("Line2", bottomLeft, bottomRight),
        line("Line1", topLeft, bottomLeft),
        image("Image14", 1, QRect(5760, 480, 855, 1215), trophy),
        label("Label3", QRect(1800, 6120, 3375, 855), "Deine benötigte Zeit:", 15.75,
              Qt::AlignLeft | Qt::AlignTop),
        image("Image15", -1, QRect(240, 480, 855, 1215), trophy),
        label("Label2", QRect(480, 5520, 6015, 855), "Du hast alle Level erfolgreich beendet!",
              15.75, Qt::AlignLeft | Qt::AlignTop),
        image("Image3", -1, letterAt(1320, 4920), "letters/u.gif"),
        image("Image4", -1, letterAt(4320, 4920), "letters/l.gif"),
        image("Image7", -1, letterAt(3600, 4680), "letters/e.gif"),
        image("Image8", -1, letterAt(2880, 4920), "letters/k.gif"),
        image("Image9", -1, letterAt(2040, 4680), "letters/n.gif"),
        image("Image1", -1, letterAt(600, 3600), "letters/t.gif"),
        image("Image2", -1, letterAt(4920, 3600), "letters/f.gif"),
        image("Image5", -1, letterAt(2040, 3600), "letters/n.gif"),
        image("Image6", -1, letterAt(1320, 3360), "letters/i.gif"),
        image("Image10", -1, letterAt(2760, 3360), "letters/t.gif"),
        image("Image11", -1, letterAt(3480, 3600), "letters/e.gif"),
        image("Image12", -1, letterAt(4200, 3360), "letters/n.gif"),
        label("Label1", QRect(1680, 480, 3495, 855), "URKUNDE", 36, Qt::AlignLeft | Qt::AlignTop),
        image("Image14", 0, QRect(1680, 6840, 1140, 1005), "lettuce_right.jpg"),
        image("Image14", 2, QRect(3840, 6840, 1140, 1005), "lettuce_left.jpg"),
        image("Image13", -1, QRect(5640, 3360, 465, 525), "deco.gif"),
        // Above the lettuces, which reach into it: under them the total
        // would lose its first digit.
        label("lblZeit", QRect(2520, 7080, 1545, 555), "0:00:00", 15.75, Qt::AlignCenter),
    },
};

CertificateSpec makeEnglish() {
    CertificateSpec e{
        ScreenId::frmUrkundeE,
        "Certificate",
        QSize(6975, 8985),
        {&PlayState::zeitE1, &PlayState::zeitE2, &PlayState::zeitE3},
        "lblname1",
        {"Line1", "Line2", "Line3", "Line4"},
        {},
    };
    // Same pieces as the German certificate, moved and re-stacked.
    const auto from = [](const char *name, int index = -1) {
        for (const ControlSpec &c : german.controls) {
            if (qstrcmp(c.name, name) == 0 && c.index == index)
                return c;
        }
        throw std::logic_error(name);
    };
    const auto moved = [&](const char *name, int left, int top, int index = -1) {
        ControlSpec c = from(name, index);
        c.rect.moveTo(left, top);
        return c;
    };
    ControlSpec drucken = moved("cmdDrucken", 1440, 8280);
    drucken.text = "print certificate";
    ControlSpec anfang = moved("cmdanfang", 3360, 8280);
    anfang.text = "back to beginning";
    ControlSpec name = moved("lblname", 1200, 2040);
    name.name = "lblname1";
    ControlSpec forLabel = moved("lblfür", 1920, 1320);
    forLabel.name = "lblfor";
    forLabel.text = "for";
    ControlSpec title = moved("Label1", 1320, 480);
    title.text = "CERTIFICATE";
    title.pointSize = 30.75;
    title.rect.setWidth(4335);
    ControlSpec finished = moved("Label2", 840, 5400);
    finished.text = "You finished all levels successfully!";
    finished.rect.setWidth(5415);
    ControlSpec elapsed = from("Label3");
    elapsed.text = "Totaly elapsed time:";
    ControlSpec total = moved("lblZeit", 2640, 7080);
    total.alignment = Qt::AlignLeft | Qt::AlignVCenter;

    e.controls = {
        drucken,
        anfang,
        name,
        forLabel,
        line("Line4", topLeft, topRight),
        line("Line3", topLeft, bottomLeft),
        line("Line2", topRight, bottomRight),
        line("Line1", bottomLeft, bottomRight),
        elapsed,
        from("Image15"),
        from("Image14", 1),
        finished,
        moved("Image13", 5640, 3120),
        moved("Image3", 1560, 4680),
        moved("Image4", 4560, 4680),
        moved("Image7", 3720, 4440),
        moved("Image8", 3000, 4680),
        moved("Image9", 2280, 4320),
        moved("Image1", 840, 3480),
        moved("Image2", 4800, 3360),
        moved("Image5", 2160, 3480),
        moved("Image6", 1560, 3120),
        moved("Image10", 2760, 3000),
        moved("Image11", 3480, 3360),
        moved("Image12", 4080, 3000),
        title,
        from("Image14", 0),
        from("Image14", 2),
        total,
    };
    return e;
}
} // namespace

const CertificateSpec &certificateSpec(ScreenId screen) {
    static const CertificateSpec english = makeEnglish();
    if (screen == ScreenId::frmUrkunde)
        return german;
    if (screen == ScreenId::frmUrkundeE)
        return english;
    throw std::invalid_argument("not a certificate screen");
}

double certificateTotal(double level1, double level2, double level3) {
    return (level2 + level1) + level3;
}
