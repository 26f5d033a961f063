#pragma once

#include "app/screen.h"

#include <QString>

// The About box: title, version, what the game is for, and a way to the
// system's own information program.
class AboutScreen : public Screen {
public:
    explicit AboutScreen(Screens &screens);

    void cmdOK_Click();
    void cmdSysInfo_Click();
    // Starts the system-information program or says that there is none.
    void StartSysInfo();

    static QString versionText(int major, int minor, int revision);

protected:
    void build(ScreenWindow &window) override;
    void formLoad() override;
};
