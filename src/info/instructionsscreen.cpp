#include "instructionsscreen.h"

#include "app/twips.h"
#include "gameinstructions.h"

#include <QTextEdit>

InstructionsScreen::InstructionsScreen(Screens &screens) : Screen(screens, ScreenId::frmanleitungspiel) {}

void InstructionsScreen::build(ScreenWindow &window)
{
    window.setWindowTitle(QStringLiteral("Anleitung für das Spiel"));
    window.setBorder(ScreenWindow::Border::Sizable);
    window.setClientTwips(7425, 5595);

    // Placed, not laid out: resizing the window leaves the box as it is.
    auto *box = new QTextEdit(window.client());
    box->setObjectName(QStringLiteral("rtfanleitung2"));
    box->setReadOnly(true);
    box->setDocument(gameinstructions::makeDocument(box));
    twips::place(box, 0, 0, 7455, 5655);
}
