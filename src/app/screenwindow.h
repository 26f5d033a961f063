#pragma once

#include <QColor>
#include <QMainWindow>
#include <QPixmap>

class QMenuBar;

// The window of a loaded screen. Controls are children of client(), whose
// size is the layout's client area; the background picture is drawn unscaled
// from its top-left corner over the back colour.
class ScreenWindow : public QMainWindow {
    Q_OBJECT
public:
    enum class Border { FixedSingle, FixedDialog, Sizable };

    explicit ScreenWindow(const QString &name);

    QWidget *client() const { return m_client; }
    void setClientTwips(int width, int height);
    void setBorder(Border border);
    Border border() const { return m_border; }
    void setBackColor(const QColor &colour);
    void setBackgroundPicture(const QPixmap &picture);
    void centreOnScreen();

    // Set by the manager once it discards the window: closing then goes through.
    void setDiscarded() { m_discarded = true; }

Q_SIGNALS:
    // The close box was used; the manager unloads the screen.
    void closeRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void applySize();

    QWidget *m_client;
    QSize m_clientPixels;
    Border m_border = Border::FixedSingle;
    bool m_discarded = false;
};
