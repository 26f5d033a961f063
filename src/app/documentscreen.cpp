#include "documentscreen.h"

#include "twips.h"

#include <QTextEdit>

DocumentScreen::DocumentScreen(Screens &screens, ScreenId id, Layout layout)
    : Screen(screens, id)
    , m_layout(std::move(layout)) {}

void DocumentScreen::build(ScreenWindow &window) {
    window.setWindowTitle(m_layout.caption);
    window.setBorder(ScreenWindow::Border::Sizable);
    window.setClientTwips(m_layout.clientTwips.width(), m_layout.clientTwips.height());
    // Placed, not laid out: resizing the window leaves the box as it is.
    auto *box = new QTextEdit(window.client());
    box->setObjectName(m_layout.boxName);
    box->setReadOnly(true);
    box->setDocument(m_layout.makeDocument(box));
    twips::place(box, 0, 0, m_layout.boxTwips.width(), m_layout.boxTwips.height());
}
