#pragma once

#include "screen.h"

#include <QRect>
#include <functional>

class QTextDocument;

// A sizable window that shows one fixed formatted document in a read-only
// text box. The box keeps its place and size when the window is resized.
class DocumentScreen : public Screen {
public:
    struct Layout {
        QString caption;
        QSize clientTwips;
        QString boxName;
        QSize boxTwips;
        std::function<QTextDocument *(QObject *parent)> makeDocument;
    };

    DocumentScreen(Screens &screens, ScreenId id, Layout layout);

protected:
    void build(ScreenWindow &window) override;

private:
    Layout m_layout;
};
