#include "instructionsscreen.h"

#include "app/twips.h"
#include "gameinstructions.h"

#include <QSpacerItem>
#include <QTextEdit>
#include <QVBoxLayout>

InstructionsScreen::InstructionsScreen(Screens &screens)
    : Screen(screens, ScreenId::frmanleitungspiel) {}

void InstructionsScreen::build(ScreenWindow &window) {
    window.setWindowTitle(QStringLiteral("Anleitung für das Spiel"));
    window.setBorder(ScreenWindow::Border::Sizable);
    window.setClientTwips(7425, 5595);
    // The window takes its size from the client's size hint when it opens.
    // A spacer gives that hint; the box itself stays outside any layout.
    auto *hint = new QVBoxLayout(window.client());
    hint->setContentsMargins(0, 0, 0, 0);
    hint->addSpacerItem(new QSpacerItem(twips::toPixels(7425), twips::toPixels(5595),
                                        QSizePolicy::Ignored, QSizePolicy::Ignored));

    // Placed, not laid out: resizing the window leaves the box as it is.
    auto *box = new QTextEdit(window.client());
    box->setObjectName(QStringLiteral("rtfanleitung2"));
    box->setReadOnly(true);
    box->setDocument(gameinstructions::makeDocument(box));
    twips::place(box, 0, 0, 7455, 5655);
}
