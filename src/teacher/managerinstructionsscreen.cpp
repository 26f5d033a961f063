#include "managerinstructionsscreen.h"

#include "app/twips.h"
#include "managerinstructions.h"

#include <QSpacerItem>
#include <QTextEdit>
#include <QVBoxLayout>

ManagerInstructionsScreen::ManagerInstructionsScreen(Screens &screens)
    : Screen(screens, ScreenId::frmbenutzeranleitung) {}

void ManagerInstructionsScreen::build(ScreenWindow &window) {
    window.setWindowTitle(QStringLiteral("Anleitung zum Erweitern der Bilder"));
    window.setBorder(ScreenWindow::Border::Sizable);
    window.setClientTwips(8190, 6600);
    // The window opens at the client's size hint; a spacer gives that hint
    // while the box stays outside any layout.
    auto *hint = new QVBoxLayout(window.client());
    hint->setContentsMargins(0, 0, 0, 0);
    hint->addSpacerItem(new QSpacerItem(twips::toPixels(8190), twips::toPixels(6600),
                                        QSizePolicy::Ignored, QSizePolicy::Ignored));

    // Placed, not laid out: resizing the window leaves the box as it is.
    auto *box = new QTextEdit(window.client());
    box->setObjectName(QStringLiteral("rtfanleitung"));
    box->setReadOnly(true);
    box->setDocument(managerinstructions::makeDocument(box));
    twips::place(box, 0, 0, 8175, 6615);
}
